// Random sequences of the edits the windows offer, on whole images: after every step the save accepts the
// image, and its bytes load back into the same tables and save into the same bytes again. A failure names
// the seed and the step, so the sequence can be replayed.
#include "ImageFixture.h"
#include "ImageInvariants.h"

#include "image/ChannelEdits.h"
#include "image/ChannelFromWeb.h"
#include "image/FavGroupMove.h"
#include "image/Fields.h"
#include "image/ImageFile.h"
#include "image/LoadBackCheck.h"
#include "image/SatelliteOps.h"
#include "image/TableOps.h"
#include "image/TransponderTable.h"

#include <QtTest>

#include <memory>
#include <random>
#include <string_view>

using namespace std::literals;

using namespace image;

Q_DECLARE_METATYPE(ImageFixture)

namespace {

QString chars(std::u16string_view s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), qsizetype(s.size()));
}

/// Names as a user types them or a listing page delivers them: NUL and other control characters, characters
/// beyond Windows-1252, more than 16 characters.
const QString kOddNames[] = {
    QString(),
    chars(u"\0"sv),
    chars(u"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"sv),
    QString(20, QChar(0)),
    chars(u"\0\0X"sv),
    chars(u"A\0B"sv),
    chars(u"\x01\x1f\x19"sv),
    chars(u"Ä€ß\u4e2d"sv),
    QStringLiteral("Ein Name mit mehr als sechzehn Zeichen"),
};
constexpr std::u16string_view kAlphabet = u"\0\x01\x1f AZaz09.-ÄöÜß€\u0081\u4e2d"sv;

/// For messages: the name with control characters escaped.
QString shown(const QString& name) {
    QString out;
    for (QChar c : name)
        out += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                                  : QString(c);
    return QLatin1Char('"') + out + QLatin1Char('"');
}

/// "what(a, b) = result", for the failure message.
QString said(const char* what, const QVariantList& args, const QVariant& result) {
    QStringList shownArgs;
    for (const QVariant& a : args)
        shownArgs << a.toString();
    return QStringLiteral("%1(%2) = %3")
        .arg(QLatin1String(what), shownArgs.join(QStringLiteral(", ")), result.toString());
}

/// Runs random operations with the arguments the windows pass; each step answers what it did.
class Sequence {
public:
    Sequence(unsigned seed, SettingsImage& img) : m_rng(seed), m_img(img) {}

    QString step() {
        SettingsImage& img = m_img;
        const int c = channel(), c2 = channel(), s = satellite(), s2 = satellite(), g = index(1, 9),
                  g2 = index(1, 9), members = img.FavGroups[qBound(1, g, 9)].NumMembers,
                  e = index(0, members - 1), e2 = index(0, members - 1),
                  t = index(0, img.TransponderCount - 1);
        const bool on = pick(0, 3) != 0;
        const QString n = name();
        switch (pick(0, 22)) {
        case 0:
            return said("RenameChannel", {c, shown(n)}, RenameChannel(c, n, img));
        case 1: {
            const QString tuner =
                QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}.at(pick(0, 2));
            return said("SetChannelTuner", {c, tuner}, SetChannelTuner(c, tuner, img));
        }
        case 2:
            return said("SetChannelMark", {c, on}, SetChannelMark(c, on, img));
        case 3:
        case 4:
            return said("SetFavMember", {c, g, on}, int(SetFavMember(c, g, on, img)));
        case 5:
        case 6:
            return said("MoveChannel", {c, c2}, MoveChannel(c, c2, img));
        case 7:
            return said("MoveFavEntry", {g, e, e2}, MoveFavEntry(g, e, e2, img));
        case 8:
            return said("DeleteChannel", {c}, DeleteChannel(c, img));
        case 9:
            return said("DeleteChannels", {c, c2, c}, DeleteChannels({c, c2, c}, img));
        case 10:
            return said("MoveSatellite", {s, s2}, MoveSatellite(s, s2, img));
        case 11:
            return said("DeleteSatellite", {s}, DeleteSatellite(s, img));
        case 12:
        case 13: {
            // The transponder dialog's "Neu": the chosen satellite, the other fields as typed.
            TTransponderRecord r;
            r.SatelliteIndex = Byte(s);
            fillTransponder(r);
            return said("InsertTransponder", {s, TransponderText(r)}, int(InsertTransponder(r, img)));
        }
        case 14: {
            // The transponder dialog's edit writes the fields in place; it refuses an all-zero record.
            if (t < 0 || t >= img.TransponderCount)
                return QStringLiteral("no transponder to edit");
            TTransponderRecord r = img.Transponders[t + 1];
            fillTransponder(r);
            const bool written = !(r == TTransponderRecord{});
            if (written)
                img.Transponders[t + 1] = r;
            return said("edit transponder", {t + 1, TransponderText(r)}, written);
        }
        case 15:
            return said("DeleteTransponder", {t}, DeleteTransponder(t, img));
        case 16:
        case 17:
            return said("AddProvider", {shown(n)}, AddProvider(n, img).value_or(-1));
        case 18:
        case 19:
        case 20: {
            std::vector<WebChannelRow> rows(std::size_t(pick(1, 3)));
            for (WebChannelRow& row : rows) {
                row.ticked = pick(0, 5) != 0;
                row.cr = pick(0, 1) ? QString() : QStringLiteral("Nagra");
                row.serviceId = QString::number(pick(0, 70000));
                row.name = name();
                row.tvR = QStringList{QStringLiteral("TV"), QStringLiteral("R"), QStringLiteral("?")}.at(
                    pick(0, 2));
                row.hd = pick(0, 1) ? QStringLiteral("ja") : QString();
            }
            const int p = index(0, img.ProviderCount - 1), matched = t + 1;
            const WebChannelInsertion result = InsertWebChannels(rows, p, matched, on, img);
            return said("InsertWebChannels", {int(rows.size()), p, matched, on}, result.inserted);
        }
        case 21:
            return said("MoveFavGroup", {g, g2}, MoveFavGroup(g, g2, img));
        default: {
            // The satellite dialog's OK and the group renaming write their fields in place.
            if (s >= 0 && s < img.SatelliteCount) {
                TSatelliteRecord& r = img.Satellites[s + 1];
                StoreName(r.SatelliteName, n.left(16));
                r.OrbitalPosition = std::uint16_t(pick(0, 3599));
                r.Tone22kHz = Byte(pick(0, 2));
                r.LofLow = std::uint16_t(pick(0, 65535));
                r.LofHigh = std::uint16_t(pick(0, 65535));
                r.DiseqcMode = Byte(pick(0, 6));
                r.Diseqc11Port = Byte(pick(0, 16));
                r.Diseqc12 = Byte(pick(0, 1));
                r.Positioner = Byte(pick(0, 255));
                r.EastWest = on ? 0x45 : 0x57;
            }
            if (g >= 1 && g <= 9)
                StoreFavGroupName(img.FavGroups[g].GroupName, n);
            return said("name satellite and group", {s, g, shown(n)}, true);
        }
        }
    }

private:
    /// A number from lo to hi (lo when the range is empty).
    int pick(int lo, int hi) { return hi < lo ? lo : std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    /// Mostly a number from lo to hi, now and then one just outside: the operation must refuse it.
    int index(int lo, int hi) { return pick(0, 9) == 0 ? pick(lo - 1, hi + 1) : pick(lo, hi); }
    int channel() { return index(1, m_img.ChannelCount); }
    int satellite() { return index(0, m_img.SatelliteCount - 1); }
    QString name() {
        if (pick(0, 1) == 0)
            return kOddNames[pick(0, int(std::size(kOddNames)) - 1)];
        QString text;
        for (int i = pick(0, 20); i > 0; --i)
            text += QChar(kAlphabet[std::size_t(pick(0, int(kAlphabet.size()) - 1))]);
        return text;
    }
    /// The transponder dialog's fields; a number is 0 now and then, so all-zero records occur.
    void fillTransponder(TTransponderRecord& r) {
        const auto number = [this] { return std::uint16_t(pick(0, 3) == 0 ? 0 : pick(1, 65535)); };
        r.Polarisation = Byte(pick(0, 3) == 0 ? 0 : pick(1, 3));
        r.DvbType = Byte(pick(0, 1));
        r.Tid = number();
        r.Onid = number();
        r.Frequency = number();
        r.SymbolRate = number();
    }

    std::mt19937 m_rng;
    SettingsImage& m_img;
};

/// Why img would not survive a save and a reload unchanged; empty when it does.
QString roundTripProblem(const SettingsImage& img, SettingsImage& back) {
    QByteArray bytes;
    if (const ImageError e = serializeImage(img, bytes))
        return QStringLiteral("save refused: ") + e.message;
    if (const QString problem = LoadBackProblem(img, bytes); !problem.isEmpty())
        return QStringLiteral("load-back check: ") + problem;
    if (const ImageError e = parseImage(bytes, back))
        return QStringLiteral("reload failed: ") + e.message;
    const auto counters = [](const SettingsImage& i) {
        return QList<int>{i.SatelliteCount,   i.ChannelCount,  i.TvCount,      i.RadioCount,
                          i.TransponderCount, i.ProviderCount, i.FavGroupCount};
    };
    if (counters(back) != counters(img))
        return QStringLiteral("reloaded counters differ");
    // With equal counters, equal bytes mean equal records in every table.
    QByteArray again;
    if (serializeImage(back, again) || again != bytes)
        return QStringLiteral("the reloaded image saves other bytes");
    return {};
}

ImageFixture singleSatellite() {
    ImageFixture f = ImageFixture::typical();
    f.satelliteSlots.resize(1);
    f.transponders.resize(2);
    for (auto& c : f.channels)
        c.TransponderIndex %= 2;
    return f;
}

ImageFixture withoutProviders() {
    ImageFixture f = ImageFixture::typical();
    f.providerBlocks.clear();
    for (auto& c : f.channels)
        c.ProviderIndex = 0; // a receiver that never had a provider list
    return f;
}

} // namespace

class tst_OperationSequence : public QObject {
    Q_OBJECT

private slots:
    void everyStepSavesAndReloadsUnchanged_data() {
        QTest::addColumn<ImageFixture>("fixture");
        QTest::addColumn<bool>("invariants"); // references all name records at the start
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u}) {
            QTest::addRow("typical, seed %u", seed) << ImageFixture::typical() << true << seed;
            QTest::addRow("mixed channels, seed %u", seed) << ImageFixture::mixedChannels() << true << seed;
            QTest::addRow("single satellite, seed %u", seed) << singleSatellite() << true << seed;
            QTest::addRow("no providers, seed %u", seed) << withoutProviders() << false << seed;
        }
    }
    void everyStepSavesAndReloadsUnchanged() {
        QFETCH(ImageFixture, fixture);
        QFETCH(bool, invariants);
        QFETCH(unsigned, seed);
        ImagePtr img = loadFixture(fixture);
        if (invariants)
            QVERIFY_IMAGE_INVARIANTS(*img);
        Sequence sequence(seed, *img);
        const ImagePtr back = std::make_unique<SettingsImage>();
        for (int step = 1; step <= 75; ++step) {
            QString done;
            try {
                done = sequence.step();
            } catch (const std::exception& e) {
                QFAIL(qPrintable(QStringLiteral("seed %1 step %2: threw %3")
                                     .arg(seed)
                                     .arg(step)
                                     .arg(QLatin1String(e.what()))));
            }
            const QString where = QStringLiteral("seed %1 step %2: %3: ").arg(seed).arg(step).arg(done);
            const QString problem = roundTripProblem(*img, *back);
            QVERIFY2(problem.isEmpty(), qPrintable(where + problem));
            if (invariants) {
                const QStringList broken = imageInvariantViolations(*img);
                QVERIFY2(broken.isEmpty(), qPrintable(where + broken.join(QLatin1Char('\n'))));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_OperationSequence)
#include "tst_operationsequence.moc"
