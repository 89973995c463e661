#include "import/ListingSite.h"

#include "platform/IniFile.h"

namespace webimport {

namespace {

template <std::size_t N>
QString pageAddress(const QString& root, const std::array<SitePage, N>& pages, int item) {
    if (item < 0 || item >= static_cast<int>(N))
        return {};
    return root + QLatin1Char('/') + pages[static_cast<std::size_t>(item)].page.toString() +
           QStringLiteral(".html");
}

} // namespace

const std::array<SitePage, 28> SatellitePages = {{
    {u"Sirius 5\u00B0O", u"sirius4"},
    {u"Eutelsat 7\u00B0O", u"ew3a"},
    {u"Eurobird 9\u00B0O", u"eb9"},
    {u"Eutelsat 10\u00B0O", u"ew1"},
    {u"Hotbird 13\u00B0O", u"hotbird"},
    {u"Eutelsat 16\u00B0O", u"ew2"},
    {u"Astra 19\u00B0O", u"astra19"},
    {u"Astra 3A 23,5\u00B0O", u"astra3a"},
    {u"Badr 26\u00B0O", u"badr"},
    {u"Astra/Eurobird 28,2\u00B0O", u"28east"},
    {u"Eutelsat W4 36\u00B0O", u"36east"},
    {u"Hellas 39\u00B0O", u"hellas2"},
    {u"T\u00FCrksat 42\u00B0O", u"42east"},
    {u"Intelsat 7 68,5\u00B0O", u"intel68"},
    {u"Intelsat/Thor 1\u00B0W", u"1west"},
    {u"Amos 4\u00B0W", u"amos"},
    {u"Atlanticbird 3 5\u00B0W", u"ab3"},
    {u"Nilesat 7\u00B0W", u"nile"},
    {u"Atlanticbird 2 8\u00B0W", u"ab2"},
    {u"Atlanticbird 1 12,5\u00B0W", u"ab1"},
    {u"Telstar 12 12,5\u00B0W", u"t12"},
    {u"Intelsat 901 18\u00B0W", u"intel901"},
    {u"Intelsat 7 22\u00B0W", u"nss7"},
    {u"Intelsat 905 24,5\u00B0W", u"intel905"},
    {u"Intelsat 907 27,5\u00B0W", u"intel907"},
    {u"Hispasat 30\u00B0 W", u"hispa"},
    {u"Intelsat801 31,5\u00B0W", u"intel801"},
    {u"Intelsat 1R 45\u00B0W", u"intel1r"},
}};

const std::array<SitePage, 22> WebBrowserPages = {{
    {u"68,5\u00B0 Ost", u"intel68"}, {u"42\u00B0Ost", u"turk42"},
    {u"39\u00B0 Ost", u"hellas2"},   {u"36\u00B0 Ost", u"36east"},
    {u"33\u00B0 Ost", u"33east"},    {u"28,2\u00B0 Ost", u"28east"},
    {u"23,5\u00B0 Ost", u"astra23"}, {u"19\u00B0 Ost   Astra", u"astra19"},
    {u"16\u00B0 Ost", u"ew2"},       {u"13\u00B0 Ost Hotbird", u"hotbird"},
    {u"10\u00B0 Ost", u"ew1"},       {u"7\u00B0 Ost", u"ew3a"},
    {u"5\u00B0 Ost", u"5east"},      {u"1\u00B0 West", u"1west"},
    {u"4\u00B0 West", u"amos"},      {u"5\u00B0 West", u"ab3"},
    {u"7 \u00B0 West", u"nile"},     {u"8\u00B0 West", u"ab2"},
    {u"12,5 \u00B0 West", u"ab1"},   {u"15\u00B0 West", u"t12"},
    {u"18\u00B0 West", u"intel901"}, {u"30\u00B0 West", u"hispa"},
}};

QString SiteRoot(const platform::TIniFile* satellitesIni) {
    QString root = kDefaultSiteRoot.toString();
    if (satellitesIni)
        root = satellitesIni->ReadString(QStringLiteral("lyngsat"), QStringLiteral("root"), root);
    while (root.endsWith(QLatin1Char('/')))
        root.chop(1);
    return root.isEmpty() ? kDefaultSiteRoot.toString() : root;
}

QString SatellitePageAddress(const QString& root, int item) {
    return pageAddress(root, SatellitePages, item);
}

QString PackagePageAddress(const QString& root, const QString& page) {
    return root + QStringLiteral("/packages/") + page;
}

QString BrowserPageAddress(const QString& root, int item) {
    return pageAddress(root, WebBrowserPages, item);
}

QString SatelliteBoxAddress(const platform::TIniFile& satellitesIni, int index) {
    return satellitesIni.ReadString(QStringLiteral("lyngsat"), QString::number(index + 1), QString());
}

} // namespace webimport
