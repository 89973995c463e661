#include "platform/QtModals.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

namespace {

struct ButtonMap {
    unsigned ours;
    QMessageBox::StandardButton qt;
    int result;
};

constexpr ButtonMap kButtons[] = {
    {mbYes, QMessageBox::Yes, mrYes},         {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},            {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},   {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore},
};

QString heading(MsgDlgType type) {
    switch (type) {
    case MsgDlgType::Warning:
        return QStringLiteral("Warnung");
    case MsgDlgType::Error:
        return QStringLiteral("Fehler");
    case MsgDlgType::Information:
        return QStringLiteral("Information");
    case MsgDlgType::Confirmation:
        return QStringLiteral("Bestätigen");
    case MsgDlgType::Custom:
        break;
    }
    return QApplication::applicationName();
}

QMessageBox::Icon icon(MsgDlgType type) {
    switch (type) {
    case MsgDlgType::Warning:
        return QMessageBox::Warning;
    case MsgDlgType::Error:
        return QMessageBox::Critical;
    case MsgDlgType::Information:
        return QMessageBox::Information;
    case MsgDlgType::Confirmation:
        return QMessageBox::Question;
    case MsgDlgType::Custom:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int QtModals::messageDlg(const QString& text, MsgDlgType type, unsigned buttons) {
    QMessageBox box(icon(type), heading(type), text, QMessageBox::NoButton, QApplication::activeWindow());
    for (const auto& b : kButtons) {
        if (buttons & b.ours)
            box.addButton(b.qt);
    }
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& b : kButtons) {
        if (b.qt == pressed)
            return b.result;
    }
    return mrCancel; // closed with Esc or the window's close button
}

void QtModals::showMessage(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}

void QtModals::showError(const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
}

std::optional<QString> QtModals::inputQuery(const QString& caption, const QString& prompt,
                                            const QString& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt,
                                               QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtModals::openFileName(QWidget* parent) { return QFileDialog::getOpenFileName(parent); }

QString QtModals::saveFileName(QWidget* parent) { return QFileDialog::getSaveFileName(parent); }

int QtModals::showModal(QDialog* form) {
    const int r = form->exec();
    return r == QDialog::Accepted ? mrOk : (r == QDialog::Rejected ? mrCancel : r);
}

} // namespace platform
