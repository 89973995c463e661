#pragma once

#include "image/Tables.h"
#include "platform/Environment.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {
class TIniFile;
}

// Reading and writing the settings image file.
namespace image {

/// Why a load or save did not happen. The message is the German text for the user.
struct ImageError {
    enum class Code { None, WrongSize, BadCounts, ReadFailed, TableTooLarge, WouldNotLoadBack, WriteFailed };
    Code code = Code::None;
    QString message;
    explicit operator bool() const { return code != Code::None; }
};

/// "Dateigröße paßt nicht ! muß 722992 bytes sein."
QString wrongSizeMessage();

/// Size of the named file (not a directory), 0 when there is none.
qint64 ImageFileSize(const QString& fileName);

/// Parses a whole image into out, which is reset first. On error out is left in an unspecified
/// but safe state: parse into a staging image and take it only when this succeeds.
/// Empty satellite slots and empty provider blocks are dropped, and the indexes that pointed at the
/// records behind them are renumbered, so every reference keeps naming the same record.
ImageError parseImage(const QByteArray& bytes, SettingsImage& out);

/// Reads and parses the named file (size check first).
ImageError readImageFile(const QString& fileName, SettingsImage& out);

/// The file bytes of the tables (722992 bytes), or an error when a table outgrew its region.
ImageError serializeImage(const SettingsImage& img, QByteArray& out);

/// Writes the image atomically: a failed write leaves an existing file as it was. Refuses tables that
/// would load back differently from the written bytes (WouldNotLoadBack), writing nothing.
ImageError WriteImage(const SettingsImage& img, const QString& fileName);

/// Name of the backup written on close, relative to the current directory.
inline constexpr const char* kBackupFileName = "quirnhagen_backup.si";

/// True when the close must write the backup: an image was loaded and no save was written in the
/// last one and a half minutes (Trunc(minutes + 0.5) > 1).
bool backupDue(bool fileLoaded, bool imageSaved, platform::TDateTime lastSaveTime, platform::TDateTime now);

/// The current directory of the process, without a trailing separator.
QString GetWorkingDirectory();

/// Names in section "satellites" of satellites.ini: keys "1", "2", ... until one is missing or "error".
QStringList readIniList(const platform::TIniFile& ini, const QString& section);

} // namespace image
