#pragma once

#include <QHash>
#include <QString>

namespace platform {

/// A read-only INI file with the Windows rules: section and key names are case-insensitive, the value
/// is the raw text after the first '=', trimmed, with one pair of surrounding quotes removed; bytes are
/// Windows-1252. Nothing else (',', ';', '%', '\') is special inside a value.
class TIniFile {
public:
    /// Reads the file now; a missing or unreadable file behaves as an empty one.
    explicit TIniFile(const QString& fileName);

    const QString& FileName() const { return m_fileName; }

    /// The value of key in section, or defaultValue when either is missing.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;

    /// Parses INI text that was already read (used by the constructor and by tests).
    void parse(const QByteArray& bytes);

private:
    QString m_fileName;
    QHash<QString, QHash<QString, QString>> m_sections; // lower-cased names
};

} // namespace platform
