#include "image/ChannelFromWeb.h"

#include "image/Fields.h"
#include "image/Layout.h"
#include "image/TableOps.h"
#include "image/TransponderMatch.h"

namespace image {

namespace {

constexpr Byte kServiceTypeTv = 0x10;
constexpr Byte kScrambledBit = 0x01;
constexpr Byte kHdBit = 0x08;

bool isTvRow(const WebChannelRow& row) {
    return row.tvR == QStringLiteral("TV");
}
bool isRadioRow(const WebChannelRow& row) {
    return row.tvR == QStringLiteral("R");
}

QString rowName(int index, const WebChannelRow& row) {
    return QStringLiteral("Zeile %1 (\"%2\")").arg(index + 1).arg(row.name);
}

QString nothingInserted() {
    return QStringLiteral("\r\nEs wurde nichts eingefügt.");
}

} // namespace

std::optional<std::uint16_t> WebServiceId(const QString& text) {
    if (text.isEmpty() || text.size() > 5)
        return std::nullopt;
    int value = 0;
    for (QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
    }
    if (value > 0xFFFF)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

Byte WebServiceType(const WebChannelRow& row, bool transponderHd) {
    Byte type = kServiceTypeTv;
    if (!row.cr.isEmpty())
        type |= kScrambledBit;
    if (transponderHd || row.hd == QStringLiteral("ja"))
        type |= kHdBit;
    return type;
}

std::optional<TChannelRecord> ChannelFromWebRow(const WebChannelRow& row, int providerIndex, int matched,
                                                bool transponderHd, const SettingsImage& img) {
    const std::optional<std::uint16_t> sid = WebServiceId(row.serviceId);
    if (!sid || providerIndex < 0 || providerIndex >= img.ProviderCount || matched < 1 ||
        matched > img.TransponderCount)
        return std::nullopt;
    TChannelRecord record;
    record.ServiceId = *sid;
    record.ProviderIndex = static_cast<std::uint16_t>(providerIndex);
    record.TransponderIndex = static_cast<std::uint16_t>(matched - 1);
    record.VideoPid = kNoPid;
    record.AudioPid = kNoPid;
    record.PcrPid = kNoPid;
    record.Reserved12 = 0;
    record.TunerFlags = 0;
    record.ServiceType = WebServiceType(row, transponderHd);
    record.Reserved15 = 0;
    // Windows-1252 bytes: "€" must become 0x80, not the low byte 0xAC of its UTF-16 unit.
    StoreName(record.ServiceName, row.name);
    return record;
}

QString CheckWebChannelRows(const std::vector<WebChannelRow>& rows, const SettingsImage& img) {
    int ticked = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const WebChannelRow& row = rows[i];
        if (!row.ticked)
            continue;
        ++ticked;
        const int index = static_cast<int>(i);
        if (!WebServiceId(row.serviceId))
            return rowName(index, row) +
                   QStringLiteral(": die Service-ID \"%1\" ist keine Zahl von 0 bis 65535.")
                       .arg(row.serviceId) +
                   nothingInserted();
        if (!isTvRow(row) && !isRadioRow(row))
            return rowName(index, row) +
                   QStringLiteral(": \"TV/R\" ist \"%1\" statt \"TV\" oder \"R\".").arg(row.tvR) +
                   nothingInserted();
    }
    if (ticked == 0)
        return QStringLiteral("Es ist kein Sender angehakt.") + nothingInserted();
    if (img.ChannelCount + ticked > layout::kMaxChannels)
        return QStringLiteral("Kein Platz für %1 weitere Channels: die Liste hat %2 von höchstens %3.")
                   .arg(ticked)
                   .arg(img.ChannelCount)
                   .arg(layout::kMaxChannels) +
               nothingInserted();
    return {};
}

WebChannelInsertion InsertWebChannels(const std::vector<WebChannelRow>& rows, int providerIndex, int matched,
                                      bool transponderHd, SettingsImage& img) {
    WebChannelInsertion result;
    result.error = CheckWebChannelRows(rows, img);
    if (!result.error.isEmpty())
        return result;
    if (providerIndex < 0 || providerIndex >= img.ProviderCount)
        return {0, QStringLiteral("Der gewählte Provider steht nicht in der Providerliste.") +
                       nothingInserted()};
    if (matched < 1 || matched > img.TransponderCount)
        return {0, StaleMatchMessage()};

    // Build every record first: whatever goes wrong, it goes wrong before the table changes.
    std::vector<std::pair<TChannelRecord, bool>> records;
    for (const WebChannelRow& row : rows) {
        if (row.ticked)
            records.emplace_back(*ChannelFromWebRow(row, providerIndex, matched, transponderHd, img),
                                 isTvRow(row));
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& [record, isTv] = records[i];
        const int p = isTv ? img.TvCount + 1 : img.ChannelCount + 1;
        if (!InsertChannel(p, record, isTv, i + 1 == records.size(), img)) {
            // Cannot happen after the checks above; if it does, say so and show what went in.
            result.error =
                QStringLiteral("Das Einfügen wurde nach %1 Channels verweigert.").arg(result.inserted);
            if (i + 1 < records.size() && tableObserver())
                tableObserver()->rebuildChannelView();
            return result;
        }
        ++result.inserted;
    }
    return result;
}

std::optional<int> AddProvider(const QString& name, SettingsImage& img) {
    // An all-zero block is no provider to the reader: it would be dropped at the next load.
    if (StoresAsEmptyName(name) || img.ProviderCount >= layout::kProviderSlotCount)
        return std::nullopt;
    // Channels kept naming this empty place since the load named no provider: they still name none.
    const int index = img.ProviderCount;
    for (int c = 1; c <= img.ChannelCount; ++c) {
        if (img.Channels[c].ProviderIndex == index)
            img.Channels[c].ProviderIndex = kNoProvider;
    }
    ++img.ProviderCount;
    StoreName(img.Providers[img.ProviderCount].ProviderLabel, name);
    return index;
}

QString providerTableFullMessage() {
    return QStringLiteral("Die Providerliste ist voll (%1 Provider).\r\nEs wurde nichts eingefügt.")
        .arg(layout::kProviderSlotCount);
}

QString ChannelsInsertedMessage(int count) {
    return count == 1 ? QStringLiteral("1 Channel eingefügt.")
                      : QStringLiteral("%1 Channels eingefügt.").arg(count);
}

} // namespace image
