#include "ImageFixture.h"
#include "ImageInvariants.h"
#include "ScriptedModals.h"

#include "image/ChannelEdits.h"
#include "image/ChannelView.h"
#include "image/Fields.h"
#include "image/ImageFile.h"
#include "image/TableOps.h"

#include <QtTest>

#include <memory>
#include <tuple>

using namespace image;

namespace {

ImageFixture viewFixture(const std::vector<std::vector<int>>& groups = {{11, 0, 3, 9}, {2, 50, 0xFFFF, 5}}) {
    ImageFixture f = ImageFixture::mixedChannels();
    for (std::size_t g = 0; g < groups.size(); ++g)
        f.favGroups.push_back(ImageFixture::favGroup(QStringLiteral("G%1").arg(g + 1), groups[g]));
    return f;
}

QList<int> numbers(const std::vector<ChannelViewRow>& rows) {
    QList<int> out;
    for (const ChannelViewRow& row : rows)
        out << row.number;
    return out;
}

/// The ServiceIds the entries of group g name.
QList<int> memberIds(const SettingsImage& img, int g) {
    QList<int> out;
    for (int e : groupEntries(img, g))
        out << (e < img.ChannelCount ? img.Channels[e + 1].ServiceId : -1);
    return out;
}

} // namespace

class TstChannelView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void views_data() {
        QTest::addColumn<QString>("view"); // "all", "group N", "provider N", "transponders a,b"
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("tuner");
        QTest::addColumn<QString>("contains");
        QTest::addColumn<QString>("startsWith");
        QTest::addColumn<QList<int>>("expected");

        const QString all = QStringLiteral("all");
        const QString none;
        QTest::newRow("alle") << all << 0 << 0 << none << none
                              << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        QTest::newRow("TV free: TV below 0x11") << all << 1 << 0 << none << none << QList<int>{1, 5, 8};
        QTest::newRow("Paytv: TV of 0x11 only") << all << 2 << 0 << none << none << QList<int>{3};
        QTest::newRow("HD: 0x18 and 0x19, TV and radio")
            << all << 3 << 0 << none << none << QList<int>{2, 4, 10};
        QTest::newRow("Radio") << all << 4 << 0 << none << none << QList<int>{9, 10, 11, 12};
        QTest::newRow("Tuner 1") << all << 0 << 1 << none << none << QList<int>{1, 3, 5, 6, 8, 9, 11, 12};
        QTest::newRow("Tuner2") << all << 0 << 2 << none << none << QList<int>{2, 4, 7, 10};
        QTest::newRow("HD on tuner 2") << all << 3 << 2 << none << none << QList<int>{2, 4, 10};
        QTest::newRow("Suchtext lower case finds any case")
            << all << 0 << 0 << QStringLiteral("ein") << none << QList<int>{5, 7};
        QTest::newRow("Suchtext anywhere")
            << all << 0 << 0 << QStringLiteral("Ra") << none << QList<int>{10, 12};
        QTest::newRow("Suchtext umlaut lower only matches lower")
            << all << 0 << 0 << QStringLiteral(u"ö") << none << QList<int>{6};
        QTest::newRow("Suchtext umlaut upper only matches upper")
            << all << 0 << 0 << QStringLiteral(u"Ö") << none << QList<int>{5};
        QTest::newRow("Wortanfang") << all << 0 << 0 << none << QStringLiteral("s") << QList<int>{3, 8, 11};
        QTest::newRow("Wortanfang is no substring")
            << all << 0 << 0 << none << QStringLiteral("ein") << QList<int>{};
        QTest::newRow("Wortanfang longer than a name")
            << all << 0 << 0 << none << QStringLiteral("swr12") << QList<int>{};
        QTest::newRow("both texts and a filter")
            << all << 4 << 0 << QStringLiteral("e") << QStringLiteral("R") << QList<int>{12};
        QTest::newRow("group in group order")
            << QStringLiteral("group 1") << 0 << 0 << none << none << QList<int>{12, 1, 4, 10};
        QTest::newRow("group with Radio")
            << QStringLiteral("group 1") << 4 << 0 << none << none << QList<int>{12, 10};
        QTest::newRow("group with Wortanfang")
            << QStringLiteral("group 1") << 0 << 0 << none << QStringLiteral("RA") << QList<int>{12, 10};
        QTest::newRow("empty group") << QStringLiteral("group 3") << 0 << 0 << none << none << QList<int>{};
        QTest::newRow("provider") << QStringLiteral("provider 1") << 0 << 0 << none << none
                                  << QList<int>{2, 5, 8, 10};
        QTest::newRow("provider with Tuner 1")
            << QStringLiteral("provider 1") << 0 << 1 << none << none << QList<int>{5, 8};
        QTest::newRow("provider nobody names")
            << QStringLiteral("provider 7") << 0 << 0 << none << none << QList<int>{};
        QTest::newRow("transponder") << QStringLiteral("transponders 2") << 0 << 0 << none << none
                                     << QList<int>{3, 7, 11};
        QTest::newRow("satellite: transponder by transponder")
            << QStringLiteral("transponders 3,0") << 0 << 0 << none << none << QList<int>{5, 8, 12, 1, 4, 9};
        QTest::newRow("satellite with TV free")
            << QStringLiteral("transponders 2,3") << 1 << 0 << none << none << QList<int>{5, 8};
        QTest::newRow("satellite without transponders")
            << QStringLiteral("transponders ") << 0 << 0 << none << none << QList<int>{};
    }
    void views() {
        QFETCH(QString, view);
        QFETCH(int, type);
        QFETCH(int, tuner);
        QFETCH(QString, contains);
        QFETCH(QString, startsWith);
        QFETCH(QList<int>, expected);
        const ImagePtr img = loadFixture(viewFixture());
        const ChannelFilter filter(static_cast<TypeFilter>(type), static_cast<TunerFilter>(tuner), contains,
                                   startsWith);

        const QString kind = view.section(QLatin1Char(' '), 0, 0);
        const QString arg = view.section(QLatin1Char(' '), 1);
        std::vector<ChannelViewRow> rows;
        if (kind == QLatin1String("all")) {
            rows = AllChannelsView(*img, filter);
        } else if (kind == QLatin1String("group")) {
            rows = FavGroupView(*img, arg.toInt(), filter);
        } else if (kind == QLatin1String("provider")) {
            rows = ProviderView(*img, arg.toInt(), filter);
        } else {
            std::vector<int> ts;
            for (const QString& t : arg.split(QLatin1Char(','), Qt::SkipEmptyParts))
                ts.push_back(t.toInt());
            rows = TransponderView(*img, ts, filter);
        }
        QCOMPARE(numbers(rows), expected);
        for (const ChannelViewRow& row : rows)
            QCOMPARE(row.entry == -1, kind != QLatin1String("group"));
    }

    void groupView_keepsEntryPositionsAndSkipsDamagedEntries() {
        const ImagePtr img = loadFixture(viewFixture());
        const std::vector<ChannelViewRow> damaged = FavGroupView(*img, 2, {});
        QCOMPARE(damaged, (std::vector<ChannelViewRow>{{3, 0}, {6, 3}}));
        const std::vector<ChannelViewRow> radio =
            FavGroupView(*img, 1, {TypeFilter::Radio, TunerFilter::Both, {}, {}});
        QCOMPARE(radio, (std::vector<ChannelViewRow>{{12, 0}, {10, 3}}));
        QVERIFY(FavGroupView(*img, 0, {}).empty());
        QVERIFY(FavGroupView(*img, 10, {}).empty());
    }

    void searchUpperCase_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::newRow("a to z") << QStringLiteral("abc xyz") << QStringLiteral("ABC XYZ");
        QTest::newRow("umlauts and sharp s stay") << QStringLiteral(u"äöüß é") << QStringLiteral(u"äöüß é");
        QTest::newRow("upper and digits stay")
            << QStringLiteral("ABC 123 @[`{") << QStringLiteral("ABC 123 @[`{");
    }
    void searchUpperCase() {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QCOMPARE(SearchUpperCase(text), upper);
    }

    void rowCells_data() {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<bool>>("fav");
        QTest::addColumn<bool>("mark");

        const QList<bool> none(9, false);
        QTest::newRow("HD scrambled TV on tuner 2")
            << 2 << QStringList{u"ZDF HD"_qs, u"19,2° O"_qs, u"12188"_qs, u"V"_qs,   u"TV HD S"_qs,
                                u"2"_qs,      u"101"_qs,     u"256"_qs,   u"257"_qs, u"256"_qs,
                                u"2"_qs,      u"2"_qs,       u"1"_qs}
            << none << false;
        QTest::newRow("western satellite, member of groups 1 and 2")
            << 12 << QStringList{u"Radio Bremen"_qs,
                                 u"5° W"_qs,
                                 u"11034"_qs,
                                 u"R"_qs,
                                 u"R S"_qs,
                                 u"1"_qs,
                                 u"111"_qs,
                                 u"256"_qs,
                                 u"257"_qs,
                                 u"256"_qs,
                                 u"4"_qs,
                                 u"12"_qs,
                                 u"0"_qs}
            << QList<bool>{true, false, false, false, false, false, false, false, false} << false;
        QTest::newRow("S mark without suffix")
            << 6 << QStringList{u"öffentlich"_qs, u"19,2° O"_qs, u"12188"_qs, u"V"_qs,   u"TV"_qs,
                                u"1"_qs,          u"105"_qs,     u"256"_qs,   u"257"_qs, u"256"_qs,
                                u"2"_qs,          u"6"_qs,       u"2"_qs}
            << QList<bool>{false, true, false, false, false, false, false, false, false} << true;
        QTest::newRow("radio SCPC, circular polarisation")
            << 11
            << QStringList{u"SWR1"_qs, u"5° W"_qs, u"10992"_qs, u"L"_qs, u"R SCPC"_qs, u"1"_qs, u"110"_qs,
                           u"256"_qs,  u"257"_qs,  u"256"_qs,   u"3"_qs, u"11"_qs,     u"2"_qs}
            << none << false;
    }
    void rowCells() {
        QFETCH(int, channel);
        QFETCH(QStringList, texts);
        QFETCH(QList<bool>, fav);
        QFETCH(bool, mark);
        const ImagePtr img = loadFixture(viewFixture());
        const ChannelRowCells row = MakeChannelRow(*img, channel, FavMembership(*img));
        QCOMPARE(QStringList(row.texts.begin(), row.texts.end()), texts);
        QCOMPARE(QList<bool>(row.fav.begin(), row.fav.end()), fav);
        QCOMPARE(row.mark, mark);
    }

    void rowCells_damagedReferencesGiveEmptyCells() {
        const ImagePtr img = loadFixture(viewFixture());
        img->Channels[1].TransponderIndex = 4; // one past the table
        img->Channels[2].TransponderIndex = 0xFFFF;
        img->Transponders[3].SatelliteIndex = 9; // no such satellite
        img->Channels[1].VideoPid = kNoPid;
        const FavMembership membership(*img);
        const ChannelRowCells first = MakeChannelRow(*img, 1, membership);
        QCOMPARE((QStringList{first.texts[ccSat], first.texts[ccFrequency], first.texts[ccPol],
                              first.texts[ccVideoPid], first.texts[ccTransponder]}),
                 (QStringList{{}, {}, {}, {}, u"5"_qs}));
        QCOMPARE(MakeChannelRow(*img, 2, membership).texts[ccTransponder], u"65536"_qs);
        const ChannelRowCells third = MakeChannelRow(*img, 3, membership);
        QCOMPARE(third.texts[ccSat], QString());
        QCOMPARE(third.texts[ccFrequency], u"10992"_qs);
        QCOMPARE(third.fav[1], true); // the damaged entries of group 2 do not hide the good ones
    }

    void membership_oneBitmapMatchesIsInFavGroup() {
        const ImagePtr img = loadFixture(
            viewFixture({{11, 0, 3, 9}, {2, 50, 0xFFFF, 5}, {0, 0, 11}, {}, {}, {}, {}, {}, {11}}));
        const FavMembership membership(*img);
        for (int c = 0; c <= img->ChannelCount + 1; ++c) {
            for (int g = 0; g <= 10; ++g)
                QCOMPARE(membership.isMember(c, g), c <= img->ChannelCount && IsInFavGroup(c, g, *img));
        }
        QCOMPARE(membership.mask(12), std::uint16_t(0x105));
    }

    void rename_data() {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");

        const QByteArray twelve("Zwoelf Buchs\0\x11\x22\x33", 16);
        QTest::newRow("three letters over twelve: one 0, old bytes after it")
            << twelve << u"ABC"_qs << QByteArray("ABC\0lf Buchs\0\x11\x22\x33", 16) << u"ABC"_qs;
        QTest::newRow("sixteen letters fill the field, byte 15 is never shown")
            << twelve << u"0123456789abcdef"_qs << QByteArray("0123456789abcdef") << u"0123456789abcde"_qs;
        QTest::newRow("twenty letters: the first sixteen, no 0")
            << twelve << u"ABCDEFGHIJKLMNOPQRST"_qs << QByteArray("ABCDEFGHIJKLMNOP")
            << u"ABCDEFGHIJKLMNO"_qs;
        QTest::newRow("over a code-table byte")
            << QByteArray("\x05Kanal\0\0\0\0\0\0\0\0\0\0", 16) << u"Neu"_qs
            << QByteArray("Neu\0al\0\0\0\0\0\0\0\0\0\0", 16) << u"Neu"_qs;
        QTest::newRow("umlauts through Windows-1252")
            << twelve << u"Öä€"_qs << QByteArray("\xD6\xE4\x80\0lf Buchs\0\x11\x22\x33", 16) << u"Öä€"_qs;
        QTest::newRow("empty name clears all sixteen bytes")
            << twelve << QString() << QByteArray(16, '\0') << QString();
    }
    void rename() {
        QFETCH(QByteArray, old);
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        const ImagePtr img = loadFixture(viewFixture({{11, 0, 3, 9}}));
        const TChannelRecord before = img->Channels[4];
        std::copy(old.begin(), old.end(), img->Channels[4].ServiceName.begin());
        QVERIFY(RenameChannel(4, typed, *img));
        const Name16& name = img->Channels[4].ServiceName;
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(name.data()), 16), stored);
        QCOMPARE(ChannelName(img->Channels[4]), shown);
        TChannelRecord rest = img->Channels[4];
        rest.ServiceName = before.ServiceName;
        QCOMPARE(rest, before);
        QVERIFY(!RenameChannel(13, typed, *img));
        QVERIFY(!RenameChannel(0, typed, *img));
        QVERIFY_IMAGE_INVARIANTS(*img);
    }

    void tunerAndMark_data() {
        QTest::addColumn<QString>("tuner");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("flags");
        // Channel 7 starts with tuner flags 0x81.
        QTest::newRow("1 clears bit 7, keeps the rest") << u"1"_qs << true << 0x01;
        QTest::newRow("2 sets bit 7") << u"2"_qs << true << 0x81;
        QTest::newRow("3 refused") << u"3"_qs << false << 0x81;
        QTest::newRow("empty refused") << QString() << false << 0x81;
        QTest::newRow("blank and digit refused") << u" 1"_qs << false << 0x81;
    }
    void tunerAndMark() {
        QFETCH(QString, tuner);
        QFETCH(bool, accepted);
        QFETCH(int, flags);
        const ImagePtr img = loadFixture(viewFixture({{11, 0, 3, 9}}));
        QCOMPARE(SetChannelTuner(7, tuner, *img), accepted);
        QCOMPARE(int(img->Channels[7].TunerFlags), flags);
        QVERIFY(SetChannelTuner(1, u"2"_qs, *img));
        QCOMPARE(int(img->Channels[1].TunerFlags), 0x81);

        // The mark is bit 2 alone: 0x12 <-> 0x16, 0x15 -> 0x11.
        const std::tuple<int, bool, int> marks[] = {{7, true, 0x16}, {7, false, 0x12}, {6, false, 0x11}};
        for (const auto& [channel, marked, type] : marks) {
            QVERIFY(SetChannelMark(channel, marked, *img));
            QCOMPARE(int(img->Channels[channel].ServiceType), type);
        }
        QVERIFY(!SetChannelMark(13, true, *img));
        QVERIFY(!SetChannelTuner(13, u"1"_qs, *img));
        QVERIFY_IMAGE_INVARIANTS(*img);
    }

    void favMember_data() {
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("member");
        QTest::addColumn<int>("change");
        QTest::addColumn<QList<int>>("entriesAfter");
        // Group 1 holds entries 11, 0, 3, 9.
        const int unchanged = int(MembershipChange::Unchanged);
        QTest::newRow("add appends") << 3 << 1 << true << int(MembershipChange::Added)
                                     << QList<int>{11, 0, 3, 9, 2};
        QTest::newRow("remove closes up")
            << 1 << 1 << false << int(MembershipChange::Removed) << QList<int>{11, 3, 9};
        QTest::newRow("already member: nothing") << 4 << 1 << true << unchanged << QList<int>{11, 0, 3, 9};
        QTest::newRow("no member: nothing, no message")
            << 3 << 1 << false << unchanged << QList<int>{11, 0, 3, 9};
        QTest::newRow("no such channel") << 13 << 1 << true << unchanged << QList<int>{11, 0, 3, 9};
        QTest::newRow("no such group") << 3 << 10 << true << unchanged << QList<int>{11, 0, 3, 9};
    }
    void favMember() {
        QFETCH(int, channel);
        QFETCH(int, group);
        QFETCH(bool, member);
        QFETCH(int, change);
        QFETCH(QList<int>, entriesAfter);
        const ImagePtr img = loadFixture(viewFixture({{11, 0, 3, 9}}));
        ScriptedModals modals;
        QCOMPARE(int(SetFavMember(channel, group, member, *img)), change);
        QCOMPARE(groupEntries(*img, 1), entriesAfter);
        QVERIFY(modals.texts().isEmpty());
        QVERIFY_IMAGE_INVARIANTS(*img);
    }

    void favMember_255MembersRefusedWithOneMessage() {
        std::vector<int> full;
        for (int i = 0; i < 255; ++i)
            full.push_back(i % 11);
        const ImagePtr img = loadFixture(viewFixture({full}));
        ScriptedModals modals;
        QCOMPARE(SetFavMember(12, 1, true, *img), MembershipChange::Refused);
        QCOMPARE(modals.texts(), QStringList{u"nicht möglich ! schon 256 Sender "_qs});
        QCOMPARE(int(img->FavGroups[1].NumMembers), 255);
        QVERIFY(!IsInFavGroup(12, 1, *img));
        QVERIFY_IMAGE_INVARIANTS(*img);
    }

    void moveChannel_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<int>>("idsAfter");
        QTest::addColumn<int>("tvAfter");

        // ServiceIds 100..111 for channels 1..12; channels 1..8 are TV.
        QTest::newRow("down inside TV")
            << 1 << 3 << QList<int>{101, 102, 100, 103, 104, 105, 106, 107, 108, 109, 110, 111} << 8;
        QTest::newRow("up inside radio")
            << 12 << 9 << QList<int>{100, 101, 102, 103, 104, 105, 106, 107, 111, 108, 109, 110} << 8;
        QTest::newRow("same place") << 5 << 5
                                    << QList<int>{100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111}
                                    << 8;
        QTest::newRow("TV into radio: only the moved one turns radio")
            << 7 << 10 << QList<int>{100, 101, 102, 103, 104, 105, 107, 108, 109, 106, 110, 111} << 7;
        QTest::newRow("last TV onto the first radio place")
            << 8 << 9 << QList<int>{100, 101, 102, 103, 104, 105, 106, 108, 107, 109, 110, 111} << 7;
        QTest::newRow("radio into TV: only the moved one turns TV")
            << 11 << 2 << QList<int>{100, 110, 101, 102, 103, 104, 105, 106, 107, 108, 109, 111} << 9;
        QTest::newRow("first radio onto the last TV place")
            << 9 << 8 << QList<int>{100, 101, 102, 103, 104, 105, 106, 108, 107, 109, 110, 111} << 9;
    }
    void moveChannel() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QList<int>, idsAfter);
        QFETCH(int, tvAfter);
        const ImagePtr img = loadFixture(viewFixture({{11, 0, 3, 9}, {6, 7, 8, 9, 10}, {0, 1, 2}}));
        QList<QList<int>> membersBefore;
        QStringList kindsBefore;
        for (int g = 1; g <= 3; ++g)
            membersBefore << memberIds(*img, g);
        for (int c = 1; c <= 12; ++c)
            kindsBefore << ChannelTypeText(*img, c);

        QVERIFY(MoveChannel(from, to, *img));
        QVERIFY_IMAGE_INVARIANTS(*img);
        QCOMPARE(serviceIds(*img), idsAfter);
        QCOMPARE(img->TvCount, tvAfter);
        QCOMPARE(img->RadioCount, 12 - tvAfter);
        // Every entry still names its channel, in the same group order.
        for (int g = 1; g <= 3; ++g)
            QCOMPARE(memberIds(*img, g), membersBefore[g - 1]);
        // Only the moved channel may change its kind, and only by its new place.
        for (int c = 1; c <= 12; ++c) {
            const int oldPlace = img->Channels[c].ServiceId - 100 + 1;
            if (oldPlace != from)
                QCOMPARE(ChannelTypeText(*img, c).left(1), kindsBefore[oldPlace - 1].left(1));
        }
        QCOMPARE(img->Channels[to].ServiceId, std::uint16_t(100 + from - 1));
        QCOMPARE(to <= tvAfter, ChannelTypeText(*img, to).startsWith(u"TV"_qs));
        QVERIFY(!MoveChannel(0, 3, *img));
        QVERIFY(!MoveChannel(3, 13, *img));
    }

    void moveFavEntry_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QList<int>>("after");
        // Group 1 holds entries 11, 0, 3, 9.
        QTest::newRow("first to last") << 0 << 3 << true << QList<int>{0, 3, 9, 11};
        QTest::newRow("last to first") << 3 << 0 << true << QList<int>{9, 11, 0, 3};
        QTest::newRow("middle down") << 1 << 2 << true << QList<int>{11, 3, 0, 9};
        QTest::newRow("same place") << 2 << 2 << true << QList<int>{11, 0, 3, 9};
        QTest::newRow("beyond the members") << 1 << 4 << false << QList<int>{11, 0, 3, 9};
        QTest::newRow("no row") << 1 << -1 << false << QList<int>{11, 0, 3, 9};
    }
    void moveFavEntry() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, done);
        QFETCH(QList<int>, after);
        const ImagePtr img = loadFixture(viewFixture());
        const QList<int> ids = serviceIds(*img);
        QCOMPARE(MoveFavEntry(1, from, to, *img), done);
        QCOMPARE(groupEntries(*img, 1), after);
        QCOMPARE(serviceIds(*img), ids);
        QCOMPARE(groupEntries(*img, 2), (QList<int>{2, 50, 0xFFFF, 5}));
        QVERIFY(!MoveFavEntry(0, 0, 1, *img));
    }

    void deleteChannels_data() {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QList<int>>("idsAfter");
        QTest::addColumn<QList<int>>("group1After");
        QTest::addColumn<int>("tvAfter");

        QTest::newRow("one") << QList<int>{2}
                             << QList<int>{100, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111}
                             << QList<int>{10, 0, 2, 8} << 7;
        QTest::newRow("three, unordered")
            << QList<int>{9, 2, 5} << QList<int>{100, 102, 103, 105, 106, 107, 109, 110, 111}
            << QList<int>{8, 0, 2, 6} << 6;
        QTest::newRow("one channel named twice goes once")
            << QList<int>{4, 4, 12} << QList<int>{100, 101, 102, 104, 105, 106, 107, 108, 109, 110}
            << QList<int>{0, 8} << 7;
        QTest::newRow("numbers outside the table are ignored")
            << QList<int>{0, 13, 65536}
            << QList<int>{100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111}
            << QList<int>{11, 0, 3, 9} << 8;
    }
    void deleteChannels() {
        QFETCH(QList<int>, numbers);
        QFETCH(QList<int>, idsAfter);
        QFETCH(QList<int>, group1After);
        QFETCH(int, tvAfter);
        const ImagePtr img = loadFixture(viewFixture({{11, 0, 3, 9}}));
        QCOMPARE(DeleteChannels(std::vector<int>(numbers.begin(), numbers.end()), *img),
                 12 - int(idsAfter.size()));
        QVERIFY_IMAGE_INVARIANTS(*img);
        QCOMPARE(serviceIds(*img), idsAfter);
        QCOMPARE(groupEntries(*img, 1), group1After);
        QCOMPARE(img->TvCount, tvAfter);
    }
};

QTEST_GUILESS_MAIN(TstChannelView)
#include "tst_channelview.moc"
