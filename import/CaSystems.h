#pragma once

#include <QString>
#include <QStringView>
#include <array>

namespace webimport {

/// One conditional-access system as the listing pages name it; version empty when any version counts.
struct CaSystemCode {
    QStringView name;
    QStringView version;
    QStringView code;
};

/// The systems tested on every line of a transponder row, in the order their codes are joined.
extern const std::array<CaSystemCode, 11> CaSystemCodes;

/// True when line holds name and, in the 7 characters after the one that follows the name, digit.
bool LineHasCaSystem(QStringView name, QStringView digit, QStringView line);

/// Appends code to caText, joined by "/".
void AppendCaSystem(QString& caText, QStringView code);

/// The same test on the CA window of a channel row.
bool PackageLineHasCaSystem(QStringView name, QStringView version, QStringView window);

/// Appends code to the CA text of a channel row, joined by "/".
void AppendPackageCaSystem(QString& caText, QStringView code);

/// The CA codes of a transponder row's line, appended to caText in table order.
void AppendLineCaSystems(QString& caText, QStringView line);

/// The CA codes of a channel row's window, joined by "/"; "I1" only for the exact text "Irdeto 1".
QString PackageCaSystems(QStringView window);

} // namespace webimport
