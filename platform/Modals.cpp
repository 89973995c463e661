#include "platform/Modals.h"

#include "platform/Exceptions.h"

namespace platform {

namespace {

// Used until the program or a test installs a seam: refuses loudly instead of blocking.
class NoModals final : public Modals {
public:
    int messageDlg(const QString& text, MsgDlgType, unsigned) override { fail(text); }
    void showMessage(const QString& text) override { fail(text); }
    void showError(const QString& text) override { fail(text); }
    std::optional<QString> inputQuery(const QString& caption, const QString&, const QString&) override {
        fail(caption);
    }
    QString openFileName(QWidget*) override { fail(QStringLiteral("open dialog")); }
    QString saveFileName(QWidget*) override { fail(QStringLiteral("save dialog")); }
    int showModal(QDialog*) override { fail(QStringLiteral("modal form")); }

private:
    [[noreturn]] static void fail(const QString& what) {
        throw Exception(QStringLiteral("no modal seam installed: ") + what);
    }
};

NoModals g_none;
Modals* g_modals = &g_none;

} // namespace

Modals& modals() { return *g_modals; }

void setModals(Modals* m) { g_modals = m ? m : &g_none; }

} // namespace platform
