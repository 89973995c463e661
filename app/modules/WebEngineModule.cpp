// The web engine view, in a module of its own: the program loads it only when the browser tab is
// first shown, so the start does not pay for loading the web engine libraries.
#include <QByteArray>
#include <QLoggingCategory>
#include <QQuickWindow>
#include <QWebEngineView>

namespace {

QLoggingCategory::CategoryFilter g_previousFilter = nullptr;

// The engine's start-up report reads the shared OpenGL context without checking that one exists, and
// there is none here: it would end the program.
void withoutEngineReport(QLoggingCategory* category) {
    if (g_previousFilter)
        g_previousFilter(category);
    if (qstrcmp(category->categoryName(), "qt.webenginecontext") == 0) {
        category->setEnabled(QtDebugMsg, false);
        category->setEnabled(QtInfoMsg, false);
    }
}

// The program sets up no OpenGL at start, since every start would pay for a tab most runs never open.
// The view therefore draws without a shared OpenGL context: Qt Quick's software renderer, and the
// engine's own compositing in software. Both take effect only before the engine's first view exists.
void drawWithoutOpenGL() {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --disable-gpu");
    g_previousFilter = QLoggingCategory::installFilter(withoutEngineReport);
}

} // namespace

extern "C" Q_DECL_EXPORT QWidget* createWebEngineView(QWidget* parent) {
    static const bool prepared = (drawWithoutOpenGL(), true);
    Q_UNUSED(prepared);
    return new QWebEngineView(parent);
}
