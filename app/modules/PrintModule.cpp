// Printing on the default printer through QPrinter, in a module of its own: the program loads it at the
// first print, so the start does not pay for loading the print support library.
#include "platform/QtPrinter.h"

#include <QPrinter>

/// A document on the default printer, owned by the caller; nullptr with the reason in error.
extern "C" Q_DECL_EXPORT platform::PrintDocument* printModuleBeginDoc(QString* error) {
    static platform::QtPrinter printer(platform::DefaultPrinter);
    return printer.BeginDoc(*error).release();
}
