#include "GuiTestSupport.h"

#include <fstream>
#include <random>

namespace kestrion::gui {

TempWorkspace::TempWorkspace() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("kestrion-gui-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempWorkspace::~TempWorkspace() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempWorkspace::write(const std::filesystem::path& relative, const std::string& bytes) const {
    std::filesystem::create_directories((path_ / relative).parent_path());
    std::ofstream(path_ / relative, std::ios::binary) << bytes;
}

void MainWindowFixture::start() {
    window = std::make_unique<TFKestrionFirmWare>(state, prompter, workspace.path());
    window->runDialog = [this](QDialog& dialog) {
        dialogsRun.push_back(dialog.objectName());
        dialog.show();
        if (onDialog) onDialog(dialog);
        if (dialog.isVisible()) dialog.reject();
        return dialog.result();
    };
}

} // namespace kestrion::gui
