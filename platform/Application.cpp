#include "platform/Application.h"

#include "platform/Exceptions.h"
#include "platform/Modals.h"

#include <exception>

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

QString unknownExceptionMessage() {
    return QStringLiteral("Unbekannter Fehler.");
}

void showCurrentException() {
    try {
        throw;
    } catch (const Exception& e) {
        modals().showError(e.Message());
    } catch (const std::exception& e) {
        modals().showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        // Whatever else a handler throws must not end the program either.
        modals().showError(unknownExceptionMessage());
    }
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showCurrentException();
        return true;
    }
}

void ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace platform
