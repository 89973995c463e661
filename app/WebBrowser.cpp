#include "app/WebBrowser.h"

#include <QFrame>

namespace {
WebBrowserFactory& factory() {
    static WebBrowserFactory f;
    return f;
}
} // namespace

void setWebBrowserFactory(WebBrowserFactory f) {
    factory() = std::move(f);
}

QWidget* createWebBrowser(QWidget* parent) {
    if (factory())
        return factory()(parent);
    auto* plain = new QFrame(parent);
    plain->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return plain;
}
