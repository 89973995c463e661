#include "platform/Printer.h"

namespace platform {

namespace {

// Stands in while no printer is installed.
class NoPrinter final : public Printer {
public:
    std::unique_ptr<PrintDocument> BeginDoc(QString& error) override {
        error = noPrinterMessage();
        return nullptr;
    }
};

NoPrinter g_none;
Printer* g_printer = &g_none;

} // namespace

QString noPrinterMessage() {
    return QStringLiteral("Kein Drucker vorhanden.");
}

Printer& printer() {
    return *g_printer;
}

void setPrinter(Printer* p) {
    g_printer = p ? p : &g_none;
}

} // namespace platform
