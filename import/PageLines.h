#pragma once

#include <QString>
#include <QStringView>
#include <utility>
#include <vector>

namespace webimport {

/// A fetched page as the lines of a hidden word-wrapping text box: a line ends at CR LF and at LF, a
/// longer line runs on into the next one every kWrapWidth characters, and lines past the end read empty.
class PageLines {
public:
    static constexpr qsizetype kWrapWidth = 200;

    PageLines() = default;
    explicit PageLines(QString text);

    /// Number of lines; a text that ends in a line break has no empty line after it.
    int count() const { return static_cast<int>(m_spans.size()); }

    /// Line i; empty for any index outside 0 .. count() - 1.
    QStringView line(qsizetype i) const;

    const QString& text() const { return m_text; }

private:
    QString m_text;
    std::vector<std::pair<qsizetype, qsizetype>> m_spans; // start, length in m_text
};

} // namespace webimport
