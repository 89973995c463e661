#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

namespace platform {

/// The character a Windows-1252 byte stands for (undefined bytes map to their Latin-1 code point).
QChar cp1252ToChar(unsigned char byte);

/// The Windows-1252 byte of a character; '?' when the code page has none.
unsigned char charToCp1252(QChar ch);

/// Decodes 8-bit text of the image and of the INI file.
QString fromCp1252(const QByteArray& bytes);

/// Encodes text into 8-bit Windows-1252; unmappable characters become '?'.
QByteArray toCp1252(const QString& text);

} // namespace platform
