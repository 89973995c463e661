#pragma once

#include "platform/HttpGet.h"
#include "platform/Printer.h"

#include <QString>

/// File names (without suffix) of the modules beside the executable that hold the network and the
/// printing code; the program loads each one when it is first needed, not at start.
inline constexpr const char* kHttpModuleName = "kanaleditor_http";
inline constexpr const char* kPrintModuleName = "kanaleditor_print";

/// The page fetch through the network module in directory, loaded at the first fetch. When it cannot be
/// loaded, every fetch fails with a message that says so.
class ModuleHttpTransport final : public platform::HttpTransport {
public:
    explicit ModuleHttpTransport(QString directory);
    QByteArray get(const QString& url, const platform::HttpLimits& limits) override;

private:
    QString m_directory;
};

/// The default printer through the printing module in directory, loaded at the first print. When it
/// cannot be loaded, printing is refused with a message that says so.
class ModulePrinter final : public platform::Printer {
public:
    explicit ModulePrinter(QString directory);
    std::unique_ptr<platform::PrintDocument> BeginDoc(QString& error) override;

private:
    QString m_directory;
};
