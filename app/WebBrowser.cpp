#include "app/WebBrowser.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {

WebBrowserFactory& factory() {
    static WebBrowserFactory f;
    return f;
}

QWidget* plainView(QWidget* parent) {
    auto* plain = new QFrame(parent);
    plain->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return plain;
}

// The views open an address through their "url" property, so the program needs no web engine header.
void openIn(QWidget* view, const QUrl& url) {
    if (view && !url.isEmpty())
        view->setProperty("url", url);
}

} // namespace

void setWebBrowserFactory(WebBrowserFactory f) {
    factory() = std::move(f);
}

WebBrowserHost::WebBrowserHost(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QString WebBrowserHost::noViewNote() {
    return QStringLiteral("Die Lyngsat-Seiten können nicht angezeigt werden: der Webbrowser "
                          "(kanaleditor_webengine) ließ sich nicht laden.");
}

void WebBrowserHost::Navigate(const QUrl& url) {
    m_url = url;
    openIn(m_view, m_url);
}

void WebBrowserHost::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_created)
        createView();
}

void WebBrowserHost::createView() {
    m_created = true;
    m_view = factory() ? factory()(this) : plainView(this);
    if (m_view) {
        layout()->addWidget(m_view);
        m_view->show(); // made while this is being shown: the layout would show it only later
        openIn(m_view, m_url);
        return;
    }
    m_note = new QLabel(noViewNote(), this);
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignCenter);
    layout()->addWidget(m_note);
    m_note->show();
}

WebBrowserHost* createWebBrowser(QWidget* parent) {
    return new WebBrowserHost(parent);
}
