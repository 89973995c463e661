#include "import/ChannelRows.h"

#include "import/CaSystems.h"
#include "platform/Conversions.h"

#include <algorithm>
#include <cstdint>

namespace webimport {

namespace {

constexpr qsizetype kMaxText = 255;
constexpr qsizetype kRowStartWindow = 1000; // how far after a name the next row's first cell may start
constexpr qsizetype kCaWindow = 150;        // characters up to the service ID marker that name its CA

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A name that is a transponder's frequency ends the channels of the one before it.
bool looksLikeFrequency(const QString& name, const QString& frequency) {
    auto digits = [&name](qsizetype from, qsizetype to) {
        return std::all_of(name.begin() + from, name.begin() + to, isDigit);
    };
    if (frequency.size() == 4 && name.size() >= 4) {
        const QChar c = name.at(0);
        if ((c == QLatin1Char('3') || c == QLatin1Char('4') || c == QLatin1Char('5')) && digits(1, 4))
            return true;
    }
    return name.size() >= 5 && digits(0, 5);
}

// The service ID: the first run of digits after the marker, a quote and ">", inside the row.
QString serviceIdAfter(const ListingPage& page, qsizetype darkGreen) {
    const QString& t = page.text();
    qsizetype i = darkGreen + 11;
    qsizetype end = page.next(Marker::RowEnd, i);
    if (end < 0)
        end = t.size();
    while (i < end && !isDigit(t.at(i)))
        ++i;
    const qsizetype start = i;
    while (i < end && isDigit(t.at(i)))
        ++i;
    return t.mid(start, i - start);
}

} // namespace

const std::array<PackagePage, 25> PackagePages = {{
    {u"Premiere", u"premiere.html"},
    {u"DigitAlb", u"digitalb.html"},
    {u"Digital +", u"dpastra.html"},
    {u"DMC", u"dmc.html"},
    {u"CanalSat France", u"canalsatfr.html"},
    {u"Cyfrowy PolSat", u"polsat.html"},
    {u"Canal Digitaal Satelliet", u"canaldigitaal.html"},
    {u"UPC Direct", u"upcdirect.html"},
    {u"TPS", u"tps.html"},
    {u"AB Sat", u"absat.html"},
    {u"Tele + Digitale", u"telepiu.html"},
    {u"Sky Italia", u"skyitalia.html"},
    {u"Viasat", u"viasat.html"},
    {u"Nova", u"nova.html"},
    {u"Canal Digital", u"canaldigital.html"},
    {u"Cyfra +", u"cyfra.html"},
    {u"DigiTurk", u"digiturk.html"},
    {u"V\u00EDa Digital", u"viadigital.html"},
    {u"TV Cabo", u"cabo.html"},
    {u"Star Digital", u"stardigital.html"},
    {u"Sky UK", u"skyuk.html"},
    {u"TV Vlaanderen Digitaal", u"tvvlaanderen.html"},
    {u"Kabel Deutschland", u"kabel.html"},
    {u"Digi TV", u"digi.html"},
    {u"KabelKiosk", u"kabelkioskeb9.html"},
}};

QString PackagePageName(const QString& provider, int satelliteItem) {
    for (const PackagePage& package : PackagePages) {
        if (provider != package.name)
            continue;
        if (package.name == u"Digital +" && satelliteItem == kDigitalPlusSpainItem)
            return QStringLiteral("dphispa.html");
        return package.page.toString();
    }
    return {};
}

ChannelList ParseChannelRows(const ListingPage& page, const TransponderRow& row, bool packageRow) {
    ChannelList list;
    const QString& t = page.text();
    const qsizetype n = t.size();
    const QString& frequency = row.frequency;
    bool skipFirst = !packageRow && platform::StrToInt(row.symbolRate) >= 10000;
    qsizetype p = std::max<qsizetype>(page.anchor(frequency + QLatin1Char(' ') + row.polarisation), 0);
    bool firstUnlinked = true;

    for (;;) {
        const qsizetype h = page.next(Marker::Homewin, p);
        const qsizetype b = page.next(Marker::BoldOpen, p);
        // The first characters after p are skipped: they hold the frequency's own "</b>".
        const qsizetype e = page.next(Marker::BoldClose, p + 15);
        if (h < 0 && page.next(Marker::Registered, p) < 0)
            break;
        const qsizetype white = page.next(Marker::WhiteRow, p);
        if (h >= 0 && white >= 0 && h > white)
            break;

        QString name;
        qsizetype nextP = 0;
        qsizetype anchor = -1; // the name's anchor; none for a name without a link
        qsizetype darkGreen = -1;
        bool unlinked = false;
        if (h >= 0 && (e < 0 || h < e)) {
            // Linked name: "homewin", a quote and ">", then the name up to the next tag.
            const qsizetype end = page.next(Marker::Less, h + 1);
            if (end < 0)
                break;
            name = t.mid(h + 9, std::max<qsizetype>(end - h - 9, 0));
            nextP = end + 1;
            anchor = h;
            darkGreen = page.next(Marker::DarkGreen, h + 1);
        } else if (h >= 0) {
            // Bold name. Without its own "<b>" there is no name; the row still counts as the first one.
            nextP = e + 1;
            if (b < 0 || b > e) {
                skipFirst = false;
                p = nextP;
                continue;
            }
            name = t.mid(b + 3, e - b - 3);
            anchor = e;
            darkGreen = page.next(Marker::DarkGreen, nextP);
        } else {
            // Name without a link: the text of the first "font size" element, without a leading "®".
            unlinked = true;
            const qsizetype font = page.next(Marker::FontSize, p);
            const qsizetype open = font < 0 ? -1 : page.next(Marker::Greater, font + 9);
            if (open < 0 || open + 1 >= n)
                break;
            const qsizetype end = page.next(Marker::Less, open + 2);
            if (end < 0)
                break;
            name = t.mid(open + 1, end - open - 1);
            if (name.startsWith(QChar(0x00AE)))
                name.remove(0, 1);
            nextP = end;
            // The first such row still sees the marker of the linked row before it.
            darkGreen = page.next(Marker::DarkGreen, p);
            if (firstUnlinked && darkGreen >= 0)
                darkGreen = page.next(Marker::DarkGreen, darkGreen + 1);
            firstUnlinked = false;
            list.messages.append(name + QLatin1Char('\n') + QStringLiteral("ID: ") +
                                 (darkGreen >= 0 ? t.mid(darkGreen + 1, 60) : QString()));
        }
        if (name.startsWith(QLatin1Char(' ')))
            name.remove(0, 1);
        if (looksLikeFrequency(name, frequency))
            break;

        // Radio or TV: "font size=2" between the row's first cell and the name.
        const qsizetype cellStart = page.nextWithin(Marker::TdBgcolor, p, p + kRowStartWindow);
        const qsizetype c = cellStart < 0 ? 0 : cellStart - p + 1;
        const qsizetype a = unlinked ? 0 : anchor - p + 1;
        const qsizetype windowStart = p + c;
        const bool tv =
            a - c > 0 && page.nextWithin(Marker::FontSize2, windowStart, windowStart + a - c) >= 0;
        // A cell that starts with "@" marks a row the listing keeps for another package. The count is a
        // 16-bit number, so a row without a link looks far ahead.
        const qsizetype atWindow = static_cast<std::uint16_t>(a - c);
        const qsizetype at = page.nextWithin(Marker::At, windowStart, std::min(windowStart + atWindow, n));
        const bool atMarked = at > 0 && t.at(at - 1) == QLatin1Char('>');

        ChannelRow channel;
        if (darkGreen >= 0) {
            const qsizetype from = std::max<qsizetype>(darkGreen - (kCaWindow - 1), 0);
            const QStringView window = QStringView(t).mid(from, darkGreen - from + 1);
            if (window.contains(u"MPEG-4/HD"))
                channel.hd = QStringLiteral("ja");
            channel.caText = PackageCaSystems(window);
            channel.serviceId = serviceIdAfter(page, darkGreen);
        }
        if (!skipFirst && !atMarked) {
            channel.name = name.left(kMaxText);
            channel.kind = tv ? QStringLiteral("TV") : QStringLiteral("R");
            list.rows.append(channel);
        }
        skipFirst = false;
        p = nextP;
    }
    return list;
}

} // namespace webimport
