#pragma once

#include <QString>
#include <optional>

class QWidget;
class QDialog;

namespace platform {

/// The icon and heading kind of a message box.
enum class MsgDlgType { Warning, Error, Information, Confirmation, Custom };

/// Buttons of a message box (combine with |).
enum MsgDlgButton : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
};

/// What a modal box or form returned.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};

/// The one seam through which every modal box, input box, file dialog and modal form runs.
/// The program installs the Qt-backed one; tests install a scripted answerer.
class Modals {
public:
    virtual ~Modals() = default;

    /// A message box with the given kind and buttons; returns the button pressed.
    virtual int messageDlg(const QString& text, MsgDlgType type, unsigned buttons) = 0;

    /// A plain message box with an OK button and the application's title.
    virtual void showMessage(const QString& text) = 0;

    /// The standard error box of an error that reached the event loop.
    virtual void showError(const QString& text) = 0;

    /// The one-line input box; nullopt when cancelled.
    virtual std::optional<QString> inputQuery(const QString& caption, const QString& prompt,
                                              const QString& defaultText) = 0;

    /// The open-file dialog; the empty string when cancelled.
    virtual QString openFileName(QWidget* parent) = 0;

    /// The save-file dialog; the empty string when cancelled.
    virtual QString saveFileName(QWidget* parent) = 0;

    /// Shows a form modally and returns its modal result.
    virtual int showModal(QDialog* form) = 0;
};

/// The seam in force. Without an installed one every call throws, so nothing can block unseen.
Modals& modals();

/// Installs m (not owned); nullptr uninstalls.
void setModals(Modals* m);

} // namespace platform
