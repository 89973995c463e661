#include "image/ImageFile.h"

#include "image/Codecs.h"
#include "image/Fields.h"
#include "image/LoadBackCheck.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/Rounding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

namespace image {

using namespace layout;

namespace {

// Reads records at fixed file offsets of a complete image.
class ImageReader {
public:
    explicit ImageReader(const QByteArray& bytes)
        : m_bytes(reinterpret_cast<const Byte*>(bytes.constData()), static_cast<std::size_t>(bytes.size())) {}

    template <typename Record, std::size_t Size> Record read(std::int64_t offset) const {
        Record record;
        decode(m_bytes.subspan(static_cast<std::size_t>(offset)).template first<Size>(), record);
        return record;
    }
    std::array<Byte, 16> raw16(std::int64_t offset) const {
        std::array<Byte, 16> block{};
        const auto src = m_bytes.subspan(static_cast<std::size_t>(offset), 16);
        std::copy(src.begin(), src.end(), block.begin());
        return block;
    }

private:
    std::span<const Byte> m_bytes;
};

ImageError error(ImageError::Code code, const QString& message) {
    return ImageError{code, message};
}

} // namespace

QString wrongSizeMessage() {
    return QStringLiteral("Dateigröße paßt nicht ! muß 722992 bytes sein.");
}

qint64 ImageFileSize(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists() || info.isDir())
        return 0;
    return info.size();
}

ImageError parseImage(const QByteArray& bytes, SettingsImage& out) {
    out.clear();
    if (bytes.size() != kImageSize)
        return error(ImageError::Code::WrongSize, wrongSizeMessage());
    const ImageReader in(bytes);

    for (int i = 0; i < kHeaderBlockCount; ++i)
        out.HeaderBlocks[i + 1] = in.read<TImageHeaderBlock, 16>(kHeaderOffset + i * kHeaderBlockSize);

    out.ImageCounts = in.read<TChannelCounts, 12>(kCountsOffset);
    const int numChannels = out.ImageCounts.NumChannels;
    const int numTv = out.ImageCounts.NumTvChannels;
    if (numChannels > kMaxChannels || numTv > numChannels) {
        return error(ImageError::Code::BadCounts,
                     QStringLiteral("Die Datei ist beschädigt: sie nennt %1 Sender, davon %2 TV-Sender "
                                    "(höchstens 20000 Sender, und nicht mehr TV-Sender als Sender). "
                                    "Die Datei wurde nicht geladen.")
                         .arg(numChannels)
                         .arg(numTv));
    }

    // Satellite slots: the first always, later ones only when their number is not 0.
    std::array<int, kSatelliteSlotCount> slotToSatellite{};
    slotToSatellite.fill(-1);
    for (int slot = 0; slot < kSatelliteSlotCount; ++slot) {
        const auto sat = in.read<TSatelliteRecord, 48>(kSatelliteOffset + slot * kSatelliteRecordSize);
        if (slot != 0 && sat.SatelliteNumber == 0)
            continue;
        slotToSatellite[static_cast<std::size_t>(slot)] = out.SatelliteCount;
        out.Satellites[++out.SatelliteCount] = sat;
    }

    out.TvCount = numTv;
    out.RadioCount = numChannels - numTv;
    for (int i = 0; i < numChannels; ++i)
        out.Channels[++out.ChannelCount] =
            in.read<TChannelRecord, 32>(kChannelOffset + i * kChannelRecordSize);

    for (int g = 0; g < kFavGroupCount; ++g)
        out.FavGroups[++out.FavGroupCount] =
            in.read<TFavGroupRecord, 820>(kFavGroupOffset + g * kFavGroupRecordSize);

    // Transponders end at an all-zero record, at satellite 0 after satellite 153, or after 2645 records.
    int previousSatellite = 0;
    for (int i = 0; i < kTransponderReadLimit; ++i) {
        const std::int64_t offset = kTransponderOffset + i * kTransponderRecordSize;
        if (IsEmptyRecord(in.raw16(offset)))
            break;
        const auto tp = in.read<TTransponderRecord, 16>(offset);
        if (tp.SatelliteIndex == 0 && previousSatellite == 153)
            break;
        out.Transponders[++out.TransponderCount] = tp;
        previousSatellite = tp.SatelliteIndex;
    }

    // Providers: every block that is not all zero.
    std::array<int, kProviderSlotCount> blockToProvider{};
    blockToProvider.fill(-1);
    for (int block = 0; block < kProviderSlotCount; ++block) {
        const std::int64_t offset = kProviderOffset + block * kProviderRecordSize;
        if (IsEmptyRecord(in.raw16(offset)))
            continue;
        blockToProvider[static_cast<std::size_t>(block)] = out.ProviderCount;
        out.Providers[++out.ProviderCount] = in.read<TProviderRecord, 16>(offset);
    }

    // Dropping empty slots moved records to lower places: point every reference at its record's new
    // place, so a load and a save never rewire channels. A reference to an empty slot keeps its value
    // while no record moves into that place (an untouched image then saves its own bytes); when one
    // does, the reference would name that record, so it is set beyond every slot, where it names none
    // also after a save and a reload.
    for (int s = 1; s <= out.SatelliteCount; ++s) {
        auto& sat = out.Satellites[s];
        const int place = s - 1;
        if (sat.SatelliteNumber != place && sat.SatelliteNumber < kSatelliteSlotCount &&
            slotToSatellite[sat.SatelliteNumber] == place)
            sat.SatelliteNumber = static_cast<Byte>(place);
    }
    for (int t = 1; t <= out.TransponderCount; ++t) {
        auto& tp = out.Transponders[t];
        if (tp.SatelliteIndex >= kSatelliteSlotCount)
            continue;
        const int satellite = slotToSatellite[tp.SatelliteIndex];
        if (satellite >= 0)
            tp.SatelliteIndex = static_cast<Byte>(satellite);
        else if (tp.SatelliteIndex < out.SatelliteCount)
            tp.SatelliteIndex = kNoSatellite;
    }
    for (int c = 1; c <= out.ChannelCount; ++c) {
        auto& ch = out.Channels[c];
        if (ch.ProviderIndex >= kProviderSlotCount)
            continue;
        const int provider = blockToProvider[ch.ProviderIndex];
        if (provider >= 0)
            ch.ProviderIndex = static_cast<std::uint16_t>(provider);
        else if (ch.ProviderIndex < out.ProviderCount)
            ch.ProviderIndex = kNoProvider;
    }
    return {};
}

ImageError readImageFile(const QString& fileName, SettingsImage& out) {
    if (ImageFileSize(fileName) != kImageSize)
        return error(ImageError::Code::WrongSize, wrongSizeMessage());
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return error(
            ImageError::Code::ReadFailed,
            QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (bytes.size() != kImageSize)
        return error(ImageError::Code::ReadFailed,
                     QStringLiteral("Lesefehler in „%1“: %2").arg(fileName, file.errorString()));
    return parseImage(bytes, out);
}

ImageError serializeImage(const SettingsImage& img, QByteArray& out) {
    struct Limit {
        int count;
        int capacity;
        const char* what;
    };
    const Limit limits[] = {{img.ChannelCount, kMaxChannels, "Sender"},
                            {img.TransponderCount, kMaxTransponders, "Transponder"},
                            {img.ProviderCount, kProviderSlotCount, "Provider"},
                            {img.SatelliteCount, kSatelliteSlotCount, "Satelliten"}};
    for (const auto& l : limits) {
        if (l.count < 0 || l.count > l.capacity) {
            return error(ImageError::Code::TableTooLarge,
                         QStringLiteral("Zu viele %1 (%2): in die Datei passen höchstens %3. Es wurde nichts "
                                        "gespeichert.")
                             .arg(QLatin1String(l.what))
                             .arg(l.count)
                             .arg(l.capacity));
        }
    }

    out = QByteArray(kImageSize, '\0'); // every gap and unused record is zero
    auto at = [&out](std::int64_t offset) {
        return std::span<Byte>(reinterpret_cast<Byte*>(out.data()) + offset,
                               static_cast<std::size_t>(kImageSize - offset));
    };
    for (int i = 0; i < kHeaderBlockCount; ++i)
        encode(img.HeaderBlocks[i + 1], at(kHeaderOffset + i * kHeaderBlockSize).first<16>());
    encode(img.ImageCounts, at(kCountsOffset).first<12>());
    for (int s = 0; s < kSatelliteSlotCount; ++s)
        encode(img.Satellites[s + 1], at(kSatelliteOffset + s * kSatelliteRecordSize).first<48>());
    for (int c = 0; c < img.ChannelCount; ++c)
        encode(img.Channels[c + 1], at(kChannelOffset + c * kChannelRecordSize).first<32>());
    for (int g = 0; g < kFavGroupCount; ++g)
        encode(img.FavGroups[g + 1], at(kFavGroupOffset + g * kFavGroupRecordSize).first<820>());
    for (int t = 0; t < img.TransponderCount; ++t)
        encode(img.Transponders[t + 1], at(kTransponderOffset + t * kTransponderRecordSize).first<16>());
    for (int p = 0; p < img.ProviderCount; ++p)
        encode(img.Providers[p + 1], at(kProviderOffset + p * kProviderRecordSize).first<16>());
    return {};
}

ImageError WriteImage(const SettingsImage& img, const QString& fileName) {
    QByteArray bytes;
    if (const ImageError e = serializeImage(img, bytes))
        return e;
    if (const QString problem = LoadBackProblem(img, bytes); !problem.isEmpty())
        return error(ImageError::Code::WouldNotLoadBack,
                     QStringLiteral("Speichern nicht möglich: %1 Es wurde nichts gespeichert.").arg(problem));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return error(ImageError::Code::WriteFailed,
                     QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2")
                         .arg(fileName, file.errorString()));
    }
    return {};
}

bool backupDue(bool fileLoaded, bool imageSaved, platform::TDateTime lastSaveTime, platform::TDateTime now) {
    if (!fileLoaded)
        return false;
    if (!imageSaved)
        return true;
    return platform::Trunc((now - lastSaveTime) * 1440.0 + 0.5) > 1;
}

QString GetWorkingDirectory() {
    QString dir = platform::environment().currentDirectory();
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

QStringList readIniList(const platform::TIniFile& ini, const QString& section) {
    QStringList values;
    for (int i = 1;; ++i) {
        const QString value = ini.ReadString(section, QString::number(i), QStringLiteral("error"));
        if (value == QLatin1String("error"))
            break;
        values << value;
    }
    return values;
}

} // namespace image
