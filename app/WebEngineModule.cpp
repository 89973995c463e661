// The web engine view, in a module of its own: the program loads it only when the browser tab is
// first shown, so the start does not pay for loading the web engine libraries.
#include <QWebEngineView>

extern "C" Q_DECL_EXPORT QWidget* createWebEngineView(QWidget* parent) {
    return new QWebEngineView(parent);
}
