#pragma once

#include "platform/Canvas.h"

#include <QString>
#include <memory>

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

/// "Kein Drucker vorhanden."
QString noPrinterMessage();

/// The printer in force. The program installs one that loads the printing code on first use (QtPrinter
/// in a module of its own); without one, there is no printer.
Printer& printer();

/// Installs p (not owned); nullptr removes it.
void setPrinter(Printer* p);

} // namespace platform
