#pragma once
// The end of the desktop session (log off, shut down) while the program runs.

#include <QObject>
#include <functional>

namespace kestrow {

struct SessionEndHandler {
    std::function<bool()> needs_asking;  // whether ending now would lose something
    std::function<bool()> ask;           // asks the user; true lets the session end
};

// When the session manager asks whether the session may end and something
// would be lost, asks the user if the manager allows interaction, and cancels
// the end of the session on a refusal, where the platform supports that.
void on_session_end(QObject* context, SessionEndHandler handler);

}  // namespace kestrow
