// Start-up of the workspace (folders, settings file, language file, active project)
// against the floor of reading the same two files' bytes.
#include "RatioReporter.h"
#include "platform/AtomicFile.h"
#include "workspace/GlobalState.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A workspace with a settings file, an active project and a full translation.
const fs::path& workspace() {
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / "kestrion-bench-startup";
        fs::create_directories(d / "PROJECTS" / "Plant1");
        fs::create_directories(d / "LANGUAGE");
        kestrion::Settings s;
        s.Name_Proj = "Plant1";
        s.Language = "Italiano";
        std::ofstream(d / "Kestrion.xml") << kestrion::settings_xml(s);
        std::ofstream lng(d / "LANGUAGE" / "Italiano.lng");
        for (int n = 0; n < 4000; ++n) lng << "STR" << n << " = Testo numero " << n << " /#/ nota\r\n";
        return d;
    }();
    return dir;
}

void BM_BareFileReads(benchmark::State& state) {
    std::string bytes;
    for (auto _ : state) {
        kestrion::read_file(workspace() / "Kestrion.xml", bytes);
        kestrion::read_file(workspace() / "LANGUAGE" / "Italiano.lng", bytes);
        benchmark::DoNotOptimize(bytes);
    }
}
KESTRION_BENCH(BM_BareFileReads);

void BM_StartWorkspace(benchmark::State& state) {
    for (auto _ : state) {
        kestrion::GlobalState g;
        kestrion::start_workspace(g, workspace());
        benchmark::DoNotOptimize(g.Lang_Text[12]);
    }
}
KESTRION_BENCH(BM_StartWorkspace);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    kestrion::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.print_ratio("Workspace start-up / bare reads of its files:", "BM_StartWorkspace",
                         "BM_BareFileReads");
    return 0;
}
