#include "ListingPages.h"

#include <QStringList>

namespace listingpages {

QString channelRow(const Channel& channel) {
    QString row = QStringLiteral("<tr><td bgcolor=\"#f4f4f4\">");
    if (channel.kind == Channel::Kind::Unlinked) {
        // A row without a link writes its service ID before the name.
        return row + channel.ca + QStringLiteral("</td><td><font color=\"darkgreen\">") + channel.serviceId +
               QStringLiteral("</font></td><td><font size=1>\u00AE") + channel.name +
               QStringLiteral("</font></td></tr>");
    } else {
        row += channel.radio ? QStringLiteral("R</td>") : QStringLiteral("<font size=2>TV</font></td>");
        if (channel.atCell)
            row += QStringLiteral("<td>@</td>");
        if (channel.kind == Channel::Kind::Linked)
            row += QStringLiteral("<td><a href=\"c.html\" class=\"homewin\">") + channel.name +
                   QStringLiteral("</a></td>");
        else
            row += QStringLiteral("<td><b>") + channel.name + QStringLiteral("</b></td>");
    }
    row += QStringLiteral("<td>") + channel.ca + QStringLiteral("</td><td><font color=\"darkgreen\">") +
           channel.serviceId + QStringLiteral("</font></td></tr>");
    return row;
}

QString transponderBlock(const Transponder& tp) {
    QStringList lines;
    if (tp.whiteRowBefore)
        lines << QStringLiteral("<tr><td bgcolor=\"#ffffff\" colspan=9></td></tr>");
    lines << QStringLiteral("<tr>")
          << QStringLiteral("<td bgcolor=\"#e0e0ff\"><font size=3><b>") + tp.frequency + QLatin1Char(' ') +
                 tp.polarisation + QStringLiteral("</b></font></td>");
    if (!tp.provider.isEmpty()) {
        if (tp.italicProvider)
            lines << QStringLiteral("<td><i>") + tp.provider + QStringLiteral("</i></td>");
        else
            lines << QStringLiteral("<td><a href=\"p.html\" class=\"homewin\">") + tp.provider +
                         QStringLiteral("</a></td>");
    }
    lines << QStringLiteral("<td>") + tp.system + QStringLiteral("</td>");
    lines << tp.extra;
    lines << tp.rateLine << tp.ids << QStringLiteral("</tr>");
    for (const Channel& channel : tp.channels)
        lines << channelRow(channel);
    return lines.join(QLatin1Char('\n'));
}

QString page(const QString& title, const QList<Transponder>& transponders, bool lf) {
    QStringList lines;
    lines << QStringLiteral("<html><head>") << QStringLiteral("<title>") + title + QStringLiteral("</title>")
          << QStringLiteral("</head><body><table>");
    for (const Transponder& tp : transponders)
        lines << transponderBlock(tp);
    lines << QStringLiteral("<tr><td bgcolor=\"#ffffff\" colspan=9></td></tr>")
          << QStringLiteral("</table></body></html>") << QString();
    QString text = lines.join(QLatin1Char('\n'));
    if (!lf)
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString largePage(int count, int channelsEach) {
    QList<Transponder> transponders;
    for (int k = 0; k < count; ++k) {
        Transponder tp;
        tp.frequency = QString::number(10700 + k);
        tp.polarisation = k % 2 ? QStringLiteral("H") : QStringLiteral("V");
        tp.provider = QStringLiteral("Provider ") + QString::number(k);
        tp.extra << (k % 3 ? QStringLiteral("<td>Mediaguard 2 Nagravision 3</td>")
                           : QStringLiteral("<td>MPEG-4/HD</td>"));
        for (int c = 0; c < channelsEach; ++c) {
            Channel ch;
            ch.name = QStringLiteral("Channel %1 of transponder %2").arg(c).arg(k);
            ch.serviceId = QString::number(1000 + c);
            ch.ca = c % 2 ? QStringLiteral("Viaccess 2 Cryptoworks Irdeto 1") : QString();
            ch.kind = c % 4 == 3 ? Channel::Kind::Bold : Channel::Kind::Linked;
            ch.radio = c % 5 == 4;
            tp.channels << ch;
        }
        transponders << tp;
    }
    return page(QStringLiteral("Hotbird 13.0\u00B0E"), transponders);
}

} // namespace listingpages
