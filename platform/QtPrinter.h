#pragma once

#include "platform/Printer.h"

#include <functional>

class QPrinter;

namespace platform {

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

} // namespace platform
