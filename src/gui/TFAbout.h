#pragma once
#include <QDialog>

namespace kestrion::gui {

// The About box: program, model, version and codes. Its wording is fixed, not translated.
class TFAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFAbout(QWidget* parent = nullptr);
};

} // namespace kestrion::gui
