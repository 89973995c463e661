#pragma once

#include <functional>

class QWidget;

/// Creates the embedded web browser of the tab "Lyngsat-Seiten". The program installs a factory that
/// makes a real web view; without one (tests) a plain widget stands in its place.
using WebBrowserFactory = std::function<QWidget*(QWidget* parent)>;

/// Installs the factory (an empty one restores the plain widget).
void setWebBrowserFactory(WebBrowserFactory factory);

/// A new browser widget from the installed factory.
QWidget* createWebBrowser(QWidget* parent);
