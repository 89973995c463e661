#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// Pages of the listing site as the import reads them, written line by line from the site's patterns.
namespace listingpages {

/// One channel row of a transponder.
struct Channel {
    enum class Kind { Linked, Bold, Unlinked };
    QString name;
    QString serviceId = QStringLiteral("1234");
    QString ca; // text of the CA cell, e.g. "Nagravision 3 Cryptoworks"
    Kind kind = Kind::Linked;
    bool radio = false;  // no "font size=2" before the name
    bool atCell = false; // a cell "@" before the name
};

/// One transponder block: frequency line, provider, system, extras, symbol rate and FEC, ID pair.
struct Transponder {
    QString frequency = QStringLiteral("11034");
    QString polarisation = QStringLiteral("V");
    QString provider = QStringLiteral("Sky Italia"); // empty: no provider line
    bool italicProvider = false;
    QString system = QStringLiteral("DVB-S2");
    QStringList extra; // raw lines before the rate, e.g. "Mediaguard 2"
    QString rateLine = QStringLiteral("<td><br>27500 3/4</td>");
    QString ids = QStringLiteral("<td>1-1019</td>");
    bool whiteRowBefore = true;
    QList<Channel> channels;
};

QString channelRow(const Channel& channel);
QString transponderBlock(const Transponder& transponder);

/// A page: head with title, the transponder blocks, a footer. Lines end in CR LF unless lf.
QString page(const QString& title, const QList<Transponder>& transponders, bool lf = false);

/// A satellite page for benchmarks: count transponders with distinct frequencies and channelsEach
/// channels, about 3.3 KB per transponder.
QString largePage(int count, int channelsEach = 16);

} // namespace listingpages
