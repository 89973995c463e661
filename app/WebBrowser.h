#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;

/// Creates the view of the embedded web browser of the tab "Lyngsat-Seiten". The program installs a
/// factory that loads the web engine module; without one (tests) a plain widget stands in its place. A
/// factory answers nullptr when it cannot make a view.
using WebBrowserFactory = std::function<QWidget*(QWidget* parent)>;

/// Installs the factory (an empty one restores the plain widget).
void setWebBrowserFactory(WebBrowserFactory factory);

/// The browser of the tab "Lyngsat-Seiten". The web engine costs a noticeable part of the start-up, so
/// the view is made only when the browser is first shown; until then only the address is kept. When no
/// view can be made, a note says so in its place.
class WebBrowserHost final : public QWidget {
    Q_OBJECT

public:
    explicit WebBrowserHost(QWidget* parent = nullptr);

    /// Shows url in the view; before the view exists, the view opens it when it is made.
    void Navigate(const QUrl& url);
    /// The last address navigated to.
    QUrl url() const { return m_url; }
    /// The view; nullptr before the first show and when none could be made.
    QWidget* view() const { return m_view; }
    /// The note shown instead of a view; nullptr unless the factory failed.
    QLabel* note() const { return m_note; }

    /// The text of the note.
    static QString noViewNote();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createView();

    QUrl m_url;
    QWidget* m_view = nullptr;
    QLabel* m_note = nullptr;
    bool m_created = false;
};

/// A new browser for the tab.
WebBrowserHost* createWebBrowser(QWidget* parent);
