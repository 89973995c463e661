#pragma once

#include "platform/Modals.h"

namespace platform {

/// The program's modal seam: Qt's message boxes, input dialog, file dialogs and QDialog::exec.
class QtModals final : public Modals {
public:
    int messageDlg(const QString& text, MsgDlgType type, unsigned buttons) override;
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                      const QString& defaultText) override;
    QString openFileName(QWidget* parent) override;
    QString saveFileName(QWidget* parent) override;
    int showModal(QDialog* form) override;
};

} // namespace platform
