#include "platform/QtPrinter.h"

#include "platform/Rounding.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

namespace {

// The layouts of the printed lists count in device units of a 600 dpi printer.
constexpr int kPrinterResolution = 600;

class QtPrintDocument final : public PrintDocument {
public:
    explicit QtPrintDocument(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {}
    ~QtPrintDocument() override {
        if (m_painter.isActive())
            EndDoc();
    }

    bool begin() {
        if (!m_painter.begin(m_printer.get()))
            return false;
        m_canvas.Begin(&m_painter);
        // The printer's own font: 8 points at its resolution, black.
        m_canvas.Font.SetPixelSize(static_cast<int>(Round(8.0 * m_printer->resolution() / 72.0)));
        m_canvas.Font.Color = clBlack;
        return true;
    }

    TCanvas& Canvas() override { return m_canvas; }
    void NewPage() override { m_printer->newPage(); }
    void EndDoc() override {
        m_canvas.End();
        m_painter.end();
    }

private:
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    TCanvas m_canvas;
};

} // namespace

QtPrinter::QtPrinter(Factory factory) : m_factory(std::move(factory)) {}

std::unique_ptr<PrintDocument> QtPrinter::BeginDoc(QString& error) {
    std::unique_ptr<QPrinter> device = m_factory ? m_factory() : nullptr;
    if (!device) {
        error = noPrinterMessage();
        return nullptr;
    }
    auto document = std::make_unique<QtPrintDocument>(std::move(device));
    if (!document->begin()) {
        error = QStringLiteral("Der Drucker konnte nicht gestartet werden.");
        return nullptr;
    }
    return document;
}

std::unique_ptr<QPrinter> DefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto device = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    device->setResolution(kPrinterResolution);
    return device;
}

} // namespace platform
