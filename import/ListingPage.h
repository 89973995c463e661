#pragma once

#include "import/PageLines.h"

#include <QHash>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace webimport {

/// The text markers the parsers look for. Each is found once per page, so that a search from any
/// position costs a lookup instead of a scan to the end of the page.
enum class Marker {
    Homewin,     // "homewin": a linked name follows
    Dvb,         // "DVB"
    ItalicOpen,  // "<i>"
    ItalicClose, // "</i>"
    BoldOpen,    // "<b>"
    BoldClose,   // "</b>"
    Registered,  // "®"
    WhiteRow,    // bgcolor="#ffffff"
    FontSize,    // "font size"
    FontSize2,   // "font size=2": a TV row
    TdBgcolor,   // "td bgcolor": a row's first cell
    DarkGreen,   // "darkgreen": the service ID cell
    RowEnd,      // "</tr"
    Less,        // "<"
    Greater,     // ">"
    At,          // "@"
    Count
};

/// The text of a marker.
const QString& markerText(Marker marker);

/// One fetched page: its text (positions are 0-based), its display lines and its marker positions.
/// Markers and anchors are collected on first use; the page is immutable otherwise.
class ListingPage {
public:
    ListingPage() = default;
    explicit ListingPage(QString text);

    const QString& text() const { return m_lines.text(); }
    const PageLines& lines() const { return m_lines; }

    /// Start of the first occurrence of marker at or after from; -1 when there is none.
    qsizetype next(Marker marker, qsizetype from) const;

    /// Like next, but the whole occurrence must lie before end; -1 otherwise.
    qsizetype nextWithin(Marker marker, qsizetype from, qsizetype end) const;

    /// Start of the first occurrence of a transponder anchor such as "11034 V" (frequency, blank, letter);
    /// -1 when the page has none.
    qsizetype anchor(const QString& key) const;

private:
    const std::vector<qint32>& positions(Marker marker) const;

    PageLines m_lines;
    mutable std::array<std::optional<std::vector<qint32>>, static_cast<std::size_t>(Marker::Count)> m_markers;
    mutable std::optional<QHash<qint64, qint32>> m_anchors;
};

} // namespace webimport
