#pragma once
#include "workspace/GlobalState.h"

#include <QString>

namespace kestrion::gui {

// A window that shows texts of the text table. Set_Lang assigns every caption and hint by
// number; it runs when the window is created and again after each language change.
class LangWindow {
public:
    virtual ~LangWindow() = default;
    virtual void Set_Lang() = 0;
};

// Text number n of the current language.
inline QString T(const GlobalState& state, int n) { return QString::fromStdString(state.text(n)); }

} // namespace kestrion::gui
