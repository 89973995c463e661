#pragma once

#include <QApplication>

namespace platform {

/// The application object: the boundary where an error that escaped a handler is shown in the
/// standard error box instead of crossing Qt's event loop.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

/// Shows the message of the exception in flight in the standard error box (call inside a catch); an
/// exception that carries no message shows unknownExceptionMessage.
void showCurrentException();
QString unknownExceptionMessage();

/// Processes pending events except user input, so a click cannot re-enter a half-done operation.
void ProcessMessages();

} // namespace platform
