#pragma once

#include "platform/ControlTypes.h"

#include <QLineEdit>
#include <QWidget>
#include <QtTest>

/// A 400 x 300 window holding a grid (no border, 300 x 200 at the top left) and a line edit after it in the
/// focus chain, to take the focus away. The test fills the grid, then calls open().
template <class Grid> struct GridWindow {
    QWidget window;
    Grid* grid;
    QLineEdit* other;

    GridWindow() {
        window.resize(400, 300);
        grid = new Grid(&window);
        grid->SetBorderStyle(platform::TBorderStyle::bsNone);
        grid->setGeometry(0, 0, 300, 200);
    }

    /// Adds the line edit, shows the window active and gives the grid the focus.
    void open() {
        other = new QLineEdit(&window);
        other->setGeometry(0, 250, 100, 20);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
    }
};
