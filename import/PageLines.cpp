#include "import/PageLines.h"

namespace webimport {

PageLines::PageLines(QString text) : m_text(std::move(text)) {
    const qsizetype n = m_text.size();
    qsizetype start = 0;
    auto addLine = [this](qsizetype from, qsizetype length) {
        // An empty line still occupies one display line; a long one fills as many as it needs.
        do {
            const qsizetype part = std::min(length, kWrapWidth);
            m_spans.emplace_back(from, part);
            from += part;
            length -= part;
        } while (length > 0);
    };
    while (start < n) {
        const qsizetype lf = m_text.indexOf(QLatin1Char('\n'), start);
        if (lf < 0) {
            addLine(start, n - start);
            break;
        }
        const qsizetype end = (lf > start && m_text.at(lf - 1) == QLatin1Char('\r')) ? lf - 1 : lf;
        addLine(start, end - start);
        start = lf + 1;
    }
}

QStringView PageLines::line(qsizetype i) const {
    if (i < 0 || i >= static_cast<qsizetype>(m_spans.size()))
        return {};
    const auto& [start, length] = m_spans[static_cast<std::size_t>(i)];
    return QStringView(m_text).mid(start, length);
}

} // namespace webimport
