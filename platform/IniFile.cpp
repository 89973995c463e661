#include "platform/IniFile.h"

#include "platform/Cp1252.h"

#include <QFile>

namespace platform {

TIniFile::TIniFile(const QString& fileName) : m_fileName(fileName) {
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly))
        parse(file.readAll());
}

void TIniFile::parse(const QByteArray& bytes) {
    m_sections.clear();
    QString section;
    bool inSection = false;
    const QString text = fromCp1252(bytes);
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')))
            continue;
        if (trimmed.startsWith(QLatin1Char('['))) {
            const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
            if (close > 0) {
                section = trimmed.mid(1, close - 1).trimmed().toLower();
                inSection = true;
            }
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && ((value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) ||
                                  (value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\''))))) {
            value = value.mid(1, value.size() - 2);
        }
        auto& keys = m_sections[section];
        if (!keys.contains(key)) // the first occurrence of a key wins
            keys.insert(key, value);
    }
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const {
    const auto s = m_sections.constFind(section.toLower());
    if (s == m_sections.constEnd())
        return defaultValue;
    const auto k = s->constFind(key.toLower());
    return k == s->constEnd() ? defaultValue : *k;
}

} // namespace platform
