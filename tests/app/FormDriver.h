#pragma once

#include "ImageFixture.h"
#include "ScriptedModals.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgGrid.h"
#include "image/Tables.h"
#include "platform/Screen.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

/// A main window under test: scripted boxes, a fake clock, a temporary current directory, and
/// empty tables before it is created.
struct FormDriver {
    ScriptedModals modals;
    FakeEnvironment env;
    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;

    FormDriver() {
        env.setCurrentDirectory(dir.path());
        image::Image().clear();
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        CreateDialogs(form.get());
        form->show();
    }
    ~FormDriver() {
        ForgetDialogs();
        Form1 = nullptr;
        platform::setMonitorHeightOverride(0);
    }

    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QString backupPath() const { return path(QStringLiteral("quirnhagen_backup.si")); }

    /// Writes bytes to a file of the temporary directory and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }

    /// Presses "Load" with the mouse; the open dialog answers fileName (empty: cancelled).
    void pressLoad(const QString& fileName) {
        modals.answerOpen(fileName);
        QTest::mouseClick(form->BitBtnLoad, Qt::LeftButton);
    }

    /// The message and error box texts shown so far.
    QStringList boxes() const { return modals.texts(); }
};

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The header caption of a grid's column; empty when there is no such column.
inline QString columnCaption(grid::TDataGrid* grid, int column) {
    grid::TDgCustomColumn* item = grid->ColumnAt(column);
    return item ? item->Header()->Caption() : QString();
}
