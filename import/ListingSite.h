#pragma once

#include <QString>
#include <QStringView>
#include <array>

namespace platform {
class TIniFile;
}

namespace webimport {

/// A page of the listing site as a radio group offers it.
struct SitePage {
    QStringView caption;
    QStringView page; // file name without ".html"
};

/// The satellite pages of the radio group "Satellit", by item index.
extern const std::array<SitePage, 28> SatellitePages;

/// The pages of the browser tab's radio group "Lyngsat", by item index.
extern const std::array<SitePage, 22> WebBrowserPages;

/// The site's root when satellites.ini names none.
inline constexpr QStringView kDefaultSiteRoot = u"http://www.lyngsat.com";

/// The root address of the listing site: key "root" of section "lyngsat" of satellites.ini (without a
/// trailing "/"), or kDefaultSiteRoot when the file or the key is missing.
QString SiteRoot(const platform::TIniFile* satellitesIni);

/// Root, "/", the satellite page of item and ".html"; empty for an item outside the table.
QString SatellitePageAddress(const QString& root, int item);

/// Root, "/packages/" and the package page (such as "skyitalia.html").
QString PackagePageAddress(const QString& root, const QString& page);

/// Root, "/", the browser page of item and ".html"; empty for an item outside the table.
QString BrowserPageAddress(const QString& root, int item);

/// The complete address that satellites.ini gives to entry index of the satellite box (key index + 1
/// of section "lyngsat"); empty when there is none.
QString SatelliteBoxAddress(const platform::TIniFile& satellitesIni, int index);

} // namespace webimport
