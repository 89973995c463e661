// libFuzzer target: any bytes as a listing page, scanned for transponders (C band included), and the
// channel list of every row read from it as a satellite page and as a package page.
#include "import/ChannelRows.h"
#include "import/SatellitePage.h"
#include "platform/Cp1252.h"
#include "platform/Exceptions.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const webimport::ListingPage page(platform::fromCp1252(bytes));
    const webimport::SatellitePageScan scan = webimport::ScanSatellitePage(page, true);
    for (const webimport::TransponderRow& row : scan.rows.mid(0, 64)) {
        try {
            webimport::ParseChannelRows(page, row, false);
        } catch (const platform::EConvertError&) {
            // A symbol rate that is no number is the error box's case.
        }
        webimport::ParseChannelRows(page, row, true);
    }
    webimport::TransponderRow missing;
    missing.frequency = QStringLiteral("99999");
    webimport::ParseChannelRows(page, missing, true);
    return 0;
}
