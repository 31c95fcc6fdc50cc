#pragma once
#include <QColor>
#include <QFont>

namespace kestrion::gui {

// The look shared by all windows.
inline QColor windowBackground() { return QColor(248, 247, 237); }

inline QFont baseFont() {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(8);
    return f;
}

// The large grey software code of the main window and of every title strip.
inline QFont codeFont() {
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(32);
    return f;
}

} // namespace kestrion::gui
