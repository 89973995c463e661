#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/modules/LoadedModules.h"
#include "app/modules/WebEngineLoader.h"
#include "platform/Application.h"
#include "platform/QtModals.h"
#include "platform/Translation.h"

#include <unistd.h>

namespace {

/// The entry point: the application, the main window and the five dialogs, then the message loop
/// until the main window closes. No command-line argument is read.
int ProgramMain(int& argc, char** argv) {
    // The web view, loaded later with the browser tab, reads this before its first page: as root its
    // sandbox cannot start. No OpenGL is set up for the view: that would cost every start, and the view
    // draws in software.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    platform::Application app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kanaleditor"));
    platform::InstallGermanTranslation();
    platform::QtModals modals;
    platform::setModals(&modals);
    const QString moduleDirectory = QCoreApplication::applicationDirPath();
    setWebBrowserFactory(webEngineModuleFactory(moduleDirectory));
    // The network and the printer code come from modules loaded at the first fetch and print.
    ModuleHttpTransport transport(moduleDirectory);
    platform::setHttpTransport(&transport);
    ModulePrinter printer(moduleDirectory);
    platform::setPrinter(&printer);

    TForm1 form;
    Form1 = &form;
    // The dialogs, made when first opened, live as long as the main window and are reused.
    CreateDialogs(&form);
    form.show();
    const int result = QApplication::exec();

    ForgetDialogs();
    platform::setPrinter(nullptr);
    platform::setHttpTransport(nullptr);
    platform::setModals(nullptr);
    return result;
}

} // namespace

int main(int argc, char** argv) {
    return ProgramMain(argc, argv);
}
