#pragma once

#include "platform/Canvas.h"

#include <QString>
#include <functional>
#include <memory>

class QPrinter;

namespace platform {

/// One document being printed: a canvas in the printer's device units (origin at the top left of the
/// printable area) and its pages.
class PrintDocument {
public:
    virtual ~PrintDocument() = default;
    virtual TCanvas& Canvas() = 0;
    /// Ends the current page and starts the next.
    virtual void NewPage() = 0;
    /// Ends the document and sends it to the printer.
    virtual void EndDoc() = 0;
};

/// Where documents are printed: the default printer in the program, a recording or a PDF file in tests.
class Printer {
public:
    virtual ~Printer() = default;
    /// Starts a document. nullptr when there is no printer or it cannot start; error then says why.
    virtual std::unique_ptr<PrintDocument> BeginDoc(QString& error) = 0;
};

/// Prints on the QPrinter that the factory makes; a factory answering nullptr means no printer.
/// The canvas font is the standard font at 8 points of the printer's resolution.
class QtPrinter final : public Printer {
public:
    using Factory = std::function<std::unique_ptr<QPrinter>()>;
    explicit QtPrinter(Factory factory);
    std::unique_ptr<PrintDocument> BeginDoc(QString& error) override;

private:
    Factory m_factory;
};

/// The system's default printer at 600 dots per inch; nullptr when none is set up.
std::unique_ptr<QPrinter> DefaultPrinter();

/// "Kein Drucker vorhanden."
QString noPrinterMessage();

/// The printer in force: the default printer unless a test installed another.
Printer& printer();

/// Installs p (not owned); nullptr goes back to the default printer.
void setPrinter(Printer* p);

} // namespace platform
