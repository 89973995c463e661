#pragma once

#include "import/ListingPage.h"
#include "import/SatellitePage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

namespace webimport {

/// One channel of a web transponder: the cells of a row of the web channel grid.
struct ChannelRow {
    QString caText;    // "cr": CA codes joined by "/", empty for a free channel
    QString serviceId; // "Service-ID"
    QString name;      // "Sendername"
    QString kind;      // "TV/R": "TV" or "R"
    QString hd;        // "ja" or empty
};

/// The channels listed for a transponder, and the texts of the message boxes its rows without a link
/// show (one per such row, in order).
struct ChannelList {
    QList<ChannelRow> rows;
    QStringList messages;
};

/// A pay-TV package whose channels the listing site keeps on a page of its own.
struct PackagePage {
    QStringView name;
    QStringView page;
};

/// The packages in the order they are tested; "Digital +" has two pages, see PackagePageName.
extern const std::array<PackagePage, 25> PackagePages;

/// Item of the satellite radio group whose "Digital +" is the Spanish package.
inline constexpr int kDigitalPlusSpainItem = 18;

/// The package page of a provider name (compared exactly), or an empty text when it is none.
QString PackagePageName(const QString& provider, int satelliteItem);

/// The channel rows of transponder row in the page text: from its first "frequency polarisation" (the
/// start of the page when it is missing) up to a white row, a name that looks like a frequency or the
/// end of the names. For a satellite page (packageRow false) a row with a symbol rate of 10000 or more
/// starts with its provider's name, which is not listed. Throws platform::EConvertError when that symbol
/// rate is no number.
ChannelList ParseChannelRows(const ListingPage& page, const TransponderRow& row, bool packageRow);

} // namespace webimport
