#pragma once
#include <QString>

namespace kestrion::gui {

// Starts `program` with the command-line text `parameter` and waits until it ends, at
// most `timeoutMs`. Windows keep repainting while it waits, but take no input, so nothing
// can be started twice. A program that outlives the wait is left running; a program that
// cannot be started returns at once. `hidden` asks for the program's window to stay hidden
// where the desktop supports it.
void Start_Program(const QString& program, const QString& parameter, bool hidden,
                   int timeoutMs = 150000);

} // namespace kestrion::gui
