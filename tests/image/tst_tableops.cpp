#include "ImageFixture.h"
#include "ImageInvariants.h"
#include "ScriptedModals.h"

#include "image/Fields.h"
#include "image/ImageFile.h"
#include "image/Layout.h"
#include "image/TableOps.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace image;

namespace {

/// tv + radio channels with ServiceId 1000 + their 0-based index, spread over four transponders of two
/// satellites; groups hold entries (channel number - 1).
ImageFixture channelFixture(int tv, int radio, const std::vector<std::vector<int>>& groups = {}) {
    ImageFixture f;
    f.satelliteSlots = {ImageFixture::satellite(0, QStringLiteral("Ost"), 192),
                        ImageFixture::satellite(1, QStringLiteral("West"), 3400)};
    f.satelliteSlots[0].NumTransponders = 2;
    f.satelliteSlots[1].NumTransponders = 2;
    f.transponders = {ImageFixture::transponder(0, 11000), ImageFixture::transponder(0, 11100),
                      ImageFixture::transponder(1, 12000), ImageFixture::transponder(1, 12100)};
    f.providerBlocks = {ImageFixture::provider(QStringLiteral("Anbieter"))};
    for (int i = 0; i < tv + radio; ++i)
        f.channels.push_back(ImageFixture::channel(QStringLiteral("K%1").arg(i), i % 4, 0, 1000 + i));
    f.tvCount = tv;
    for (std::size_t g = 0; g < groups.size(); ++g)
        f.favGroups.push_back(ImageFixture::favGroup(QStringLiteral("G%1").arg(g + 1), groups[g]));
    return f;
}

/// The typical image, with each satellite counting its two transponders.
ImageFixture typicalFixture() {
    ImageFixture f = ImageFixture::typical();
    for (auto& sat : f.satelliteSlots)
        sat.NumTransponders = 2;
    return f;
}

std::vector<int> toStd(const QList<int>& list) {
    return std::vector<int>(list.begin(), list.end());
}

QList<int> range(int from, int to) {
    QList<int> out;
    for (int i = from; i < to; ++i)
        out << i;
    return out;
}

// QList's own == hands a null pointer to memcmp when an empty list meets an emptied one.
bool sameList(const QList<int>& a, const QList<int>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

bool sameImage(const SettingsImage& a, const SettingsImage& b) {
    return a.HeaderBlocks == b.HeaderBlocks && a.ImageCounts == b.ImageCounts &&
           a.Satellites == b.Satellites && a.Channels == b.Channels && a.FavGroups == b.FavGroups &&
           a.FavEntryMarks == b.FavEntryMarks && a.Transponders == b.Transponders &&
           a.Providers == b.Providers && a.SatelliteCount == b.SatelliteCount &&
           a.ChannelCount == b.ChannelCount && a.TvCount == b.TvCount && a.RadioCount == b.RadioCount &&
           a.TransponderCount == b.TransponderCount && a.ProviderCount == b.ProviderCount &&
           a.FavGroupCount == b.FavGroupCount;
}

class RecordingObserver final : public TableObserver {
public:
    RecordingObserver() { setTableObserver(this); }
    ~RecordingObserver() override { setTableObserver(nullptr); }
    void channelCountsChanged(int tv, int radio, int all) override { counts << QList<int>{tv, radio, all}; }
    void rebuildChannelView() override { ++rebuilds; }

    QList<QList<int>> counts;
    int rebuilds = 0;
};

/// A channel of the full list moved from place a to place b, as the channel view's drop does it: the
/// records slide, and the favourite entries follow their channels through the marks.
void slideChannel(SettingsImage& img, int a, int b) {
    if (a == b)
        return;
    img.FavEntryMarks.clear();
    const TChannelRecord moved = img.Channels[a];
    const int step = b > a ? 1 : -1;
    for (int c = a + step; c != b + step; c += step) {
        for (int g = 1; g <= 9; ++g)
            QVERIFY(MoveFavEntries(g, c, -step, img));
        img.Channels[c - step] = img.Channels[c];
    }
    img.Channels[b] = moved;
    for (int g = 1; g <= 9; ++g)
        QVERIFY(MoveFavEntries(g, a, b - a, img));
}

TChannelRecord newChannel(int serviceId, int transponderIndex = 0, int providerIndex = 0) {
    return ImageFixture::channel(QStringLiteral("Neu"), transponderIndex, providerIndex, serviceId);
}

} // namespace

class TstTableOps : public QObject {
    Q_OBJECT

private slots:
    void setChannelCounts_data();
    void setChannelCounts();
    void insertChannel_data();
    void insertChannel();
    void insertChannel_refusedWhenTableFull();
    void insertChannel_damagedEntriesNameNoChannel();
    void deleteChannel_data();
    void deleteChannel();
    void favMembership_data();
    void favMembership();
    void favMembership_limitOf255Members();
    void moveChannel_data();
    void moveChannel();
    void moveFavEntries_refusesOutOfRange_data();
    void moveFavEntries_refusesOutOfRange();
    void deleteTransponder_data();
    void deleteTransponder();
    void deleteTransponder_carryingEveryChannel();
    void findSatelliteTransponders_data();
    void findSatelliteTransponders();
    void satelliteDeletion_touchesOnlyLaterSatellites_data();
    void satelliteDeletion_touchesOnlyLaterSatellites();
    void countTransponderChannels_data();
    void countTransponderChannels();
    void randomSequence_followsChannelIdentity_data();
    void randomSequence_followsChannelIdentity();
};

void TstTableOps::setChannelCounts_data() {
    QTest::addColumn<int>("tv");
    QTest::addColumn<int>("radio");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("ordinary") << 12 << 5 << true;
    QTest::newRow("empty") << 0 << 0 << true;
    QTest::newRow("table full") << 15000 << 5000 << true;
    QTest::newRow("beyond the table") << 15000 << 5001 << false;
    QTest::newRow("negative tv") << -1 << 5 << false;
    QTest::newRow("negative radio") << 3 << -1 << false;
}

void TstTableOps::setChannelCounts() {
    QFETCH(int, tv);
    QFETCH(int, radio);
    QFETCH(bool, accepted);
    const ImagePtr img = loadFixture(channelFixture(3, 2));
    const TChannelCounts before = img->ImageCounts;
    RecordingObserver observer;

    QCOMPARE(SetChannelCounts(tv, radio, *img), accepted);

    const int expectTv = accepted ? tv : 3;
    const int expectRadio = accepted ? radio : 2;
    QCOMPARE(img->TvCount, expectTv);
    QCOMPARE(img->RadioCount, expectRadio);
    QCOMPARE(img->ChannelCount, expectTv + expectRadio);
    QCOMPARE(int(img->ImageCounts.NumTvChannels), expectTv);
    QCOMPARE(int(img->ImageCounts.NumChannels), expectTv + expectRadio);
    // Nothing else of the counts record changes.
    QCOMPARE(img->ImageCounts.NumSatellites, before.NumSatellites);
    QVERIFY(img->ImageCounts.Reserved6 == before.Reserved6);
    const QList<QList<int>> expectReports =
        accepted ? QList<QList<int>>{QList<int>{tv, radio, tv + radio}} : QList<QList<int>>{};
    QCOMPARE(observer.counts, expectReports);
}

void TstTableOps::insertChannel_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("isTv");
    QTest::addColumn<int>("transponderIndex");
    QTest::addColumn<int>("providerIndex");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QList<int>>("groupAfter");

    // 30 TV and 20 radio channels; the group holds channel 1, TV channel 30 and radio channel 40.
    QTest::newRow("tv at the end of the tv part") << 31 << true << 2 << 0 << true << QList<int>{0, 29, 40};
    QTest::newRow("tv at the front") << 1 << true << 0 << 0 << true << QList<int>{1, 30, 40};
    QTest::newRow("tv just below a member") << 30 << true << 3 << 0 << true << QList<int>{0, 30, 40};
    QTest::newRow("radio at the end") << 51 << false << 1 << 0 << true << QList<int>{0, 29, 39};
    QTest::newRow("radio at the front of the radio part")
        << 31 << false << 1 << 0 << true << QList<int>{0, 29, 40};

    const QList<int> unchanged{0, 29, 39};
    QTest::newRow("refused: tv behind the tv part") << 32 << true << 0 << 0 << false << unchanged;
    QTest::newRow("refused: radio inside the tv part") << 30 << false << 0 << 0 << false << unchanged;
    QTest::newRow("refused: position 0") << 0 << true << 0 << 0 << false << unchanged;
    QTest::newRow("refused: past the end") << 52 << false << 0 << 0 << false << unchanged;
    QTest::newRow("refused: transponder beyond the table") << 31 << true << 4 << 0 << false << unchanged;
    QTest::newRow("refused: provider beyond the table") << 31 << true << 0 << 1 << false << unchanged;
}

void TstTableOps::insertChannel() {
    QFETCH(int, position);
    QFETCH(bool, isTv);
    QFETCH(int, transponderIndex);
    QFETCH(int, providerIndex);
    QFETCH(bool, accepted);
    QFETCH(QList<int>, groupAfter);
    const ImagePtr img = loadFixture(channelFixture(30, 20, {{0, 29, 39}}));
    const auto before = std::make_unique<SettingsImage>(*img);
    RecordingObserver observer;
    const TChannelRecord record = newChannel(7, transponderIndex, providerIndex);

    QCOMPARE(InsertChannel(position, record, isTv, true, *img), accepted);
    QVERIFY_IMAGE_INVARIANTS(*img);
    QCOMPARE(groupEntries(*img, 1), groupAfter);
    // The view is rebuilt when asked, also after a refusal (earlier insertions of a batch show).
    QCOMPARE(observer.rebuilds, 1);

    if (!accepted) {
        QVERIFY(sameImage(*img, *before));
        QVERIFY(observer.counts.isEmpty());
        return;
    }
    QList<int> expectIds = range(1000, 1050);
    expectIds.insert(position - 1, 7);
    QCOMPARE(serviceIds(*img), expectIds);
    QCOMPARE(img->Channels[position], record);
    QCOMPARE(img->TvCount, isTv ? 31 : 30);
    QCOMPARE(img->RadioCount, isTv ? 20 : 21);
    QCOMPARE(observer.counts, (QList<QList<int>>{QList<int>{img->TvCount, img->RadioCount, 51}}));
}

void TstTableOps::insertChannel_refusedWhenTableFull() {
    const ImagePtr img = loadFixture(ImageFixture::full());
    QCOMPARE(img->ChannelCount, layout::kMaxChannels);
    const auto before = std::make_unique<SettingsImage>(*img);

    QVERIFY(!InsertChannel(img->TvCount + 1, newChannel(1), true, false, *img));
    QVERIFY(!InsertChannel(img->ChannelCount + 1, newChannel(1), false, false, *img));
    QVERIFY(sameImage(*img, *before));

    // One place freed: the next insertion fits exactly.
    QVERIFY(DeleteChannel(1, *img));
    QVERIFY(InsertChannel(img->ChannelCount + 1, newChannel(1), false, false, *img));
    QCOMPARE(img->ChannelCount, layout::kMaxChannels);
    QVERIFY_IMAGE_INVARIANTS(*img);
}

// A group read from a damaged file may hold entries past the last channel: they must go on naming none,
// neither wrapping round to channel 1 nor coming to name the new last channel.
void TstTableOps::insertChannel_damagedEntriesNameNoChannel() {
    const ImagePtr img = loadFixture(channelFixture(3, 2, {{0xFFFF, 5, 4}}));
    QVERIFY(InsertChannel(6, newChannel(7), false, false, *img));
    QCOMPARE(groupEntries(*img, 1), (QList<int>{0xFFFF, 6, 4}));
    QVERIFY(DeleteChannel(1, *img));
    QCOMPARE(groupEntries(*img, 1), (QList<int>{0xFFFF - 1, 5, 3}));
    QCOMPARE(img->ChannelCount, 5);
}

void TstTableOps::deleteChannel_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<QList<int>>("groupBefore");
    QTest::addColumn<QList<int>>("groupAfter");
    QTest::addColumn<int>("tvAfter");
    QTest::addColumn<int>("radioAfter");

    // 12 TV and 8 radio channels.
    QTest::newRow("member in the middle") << 10 << QList<int>{3, 9, 12} << QList<int>{3, 11} << 11 << 8;
    QTest::newRow("group order kept") << 10 << QList<int>{12, 3} << QList<int>{11, 3} << 11 << 8;
    QTest::newRow("not a member") << 10 << QList<int>{3, 15} << QList<int>{3, 14} << 11 << 8;
    QTest::newRow("every entry of a channel held twice")
        << 10 << QList<int>{9, 3, 9, 10} << QList<int>{3, 9} << 11 << 8;
    QTest::newRow("last tv channel") << 12 << QList<int>{11, 12} << QList<int>{11} << 11 << 8;
    QTest::newRow("first radio channel") << 13 << QList<int>{11, 12} << QList<int>{11} << 12 << 7;
    QTest::newRow("last channel") << 20 << QList<int>{19, 0} << QList<int>{0} << 12 << 7;
    QTest::newRow("first channel") << 1 << QList<int>{0, 19} << QList<int>{18} << 11 << 8;

    QTest::newRow("refused: channel 0") << 0 << QList<int>{0, 19} << QList<int>{0, 19} << 12 << 8;
    QTest::newRow("refused: past the last") << 21 << QList<int>{0, 19} << QList<int>{0, 19} << 12 << 8;
}

void TstTableOps::deleteChannel() {
    QFETCH(int, channel);
    QFETCH(QList<int>, groupBefore);
    QFETCH(QList<int>, groupAfter);
    QFETCH(int, tvAfter);
    QFETCH(int, radioAfter);
    const ImagePtr img =
        loadFixture(channelFixture(12, 8, {{}, {}, {}, {}, {}, {}, {}, {}, toStd(groupBefore)}));
    const auto before = std::make_unique<SettingsImage>(*img);

    const bool accepted = DeleteChannel(channel, *img);
    QCOMPARE(accepted, channel >= 1 && channel <= 20);
    QVERIFY_IMAGE_INVARIANTS(*img);
    QCOMPARE(groupEntries(*img, 9), groupAfter);
    QCOMPARE(int(img->FavGroups[9].NumMembersCopy), groupAfter.size());
    QCOMPARE(img->TvCount, tvAfter);
    QCOMPARE(img->RadioCount, radioAfter);
    if (!accepted) {
        QVERIFY(sameImage(*img, *before));
        return;
    }
    QList<int> expectIds = range(1000, 1020);
    expectIds.removeAt(channel - 1);
    QCOMPARE(serviceIds(*img), expectIds);
    // The place that fell free is empty again.
    QCOMPARE(img->Channels[20], TChannelRecord{});
}

void TstTableOps::favMembership_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("group");
    QTest::addColumn<bool>("add");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QList<int>>("groupAfter");
    QTest::addColumn<QStringList>("messages");

    // Group 2 holds channels 5, 2 and 9 (entries 4, 1, 8); 10 channels in all.
    const QStringList none;
    QTest::newRow("add goes to the end") << 3 << 2 << true << true << QList<int>{4, 1, 8, 2} << none;
    QTest::newRow("add to an empty group") << 10 << 3 << true << true << QList<int>{9} << none;
    QTest::newRow("remove from the middle") << 2 << 2 << false << true << QList<int>{4, 8} << none;
    QTest::newRow("remove the last") << 9 << 2 << false << true << QList<int>{4, 1} << none;
    QTest::newRow("remove a non-member")
        << 3 << 2 << false << false << QList<int>{4, 1, 8} << QStringList{QStringLiteral("error")};
    QTest::newRow("refused: add channel 0") << 0 << 2 << true << false << QList<int>{4, 1, 8} << none;
    QTest::newRow("refused: add past the last channel")
        << 11 << 2 << true << false << QList<int>{4, 1, 8} << none;
    QTest::newRow("refused: group 0") << 3 << 0 << true << false << QList<int>{4, 1, 8} << none;
    QTest::newRow("refused: group 10") << 3 << 10 << true << false << QList<int>{4, 1, 8} << none;
}

void TstTableOps::favMembership() {
    QFETCH(int, channel);
    QFETCH(int, group);
    QFETCH(bool, add);
    QFETCH(bool, changed);
    QFETCH(QList<int>, groupAfter);
    QFETCH(QStringList, messages);
    const ImagePtr img = loadFixture(channelFixture(6, 4, {{}, {4, 1, 8}}));
    const auto before = std::make_unique<SettingsImage>(*img);
    ScriptedModals modals;

    const bool wasMember = IsInFavGroup(channel, group, *img);
    QCOMPARE(SetFavMembership(channel, group, add, *img), changed);
    QVERIFY_IMAGE_INVARIANTS(*img);
    QCOMPARE(modals.texts(), messages);
    if (!changed) {
        QVERIFY(sameImage(*img, *before));
        return;
    }
    QCOMPARE(IsInFavGroup(channel, group, *img), add);
    QCOMPARE(wasMember, !add);
    QCOMPARE(groupEntries(*img, group), groupAfter);
    // Every other group stays as it was.
    for (int g = 1; g <= 9; ++g) {
        if (g != group)
            QCOMPARE(img->FavGroups[g], before->FavGroups[g]);
    }
}

void TstTableOps::favMembership_limitOf255Members() {
    std::vector<int> members;
    for (int i = 0; i < 254; ++i)
        members.push_back(i);
    const ImagePtr img = loadFixture(channelFixture(200, 100, {members}));
    ScriptedModals modals;

    QVERIFY(SetFavMembership(260, 1, true, *img));
    QCOMPARE(int(img->FavGroups[1].NumMembers), 255);
    QCOMPARE(int(img->FavGroups[1].NumMembersCopy), 255);
    QCOMPARE(img->FavGroups[1].Entries[254], std::uint16_t(259));
    QVERIFY(modals.texts().isEmpty());

    const TFavGroupRecord full = img->FavGroups[1];
    QVERIFY(!SetFavMembership(261, 1, true, *img));
    QCOMPARE(modals.texts(), QStringList{QStringLiteral("nicht möglich ! schon 256 Sender ")});
    QCOMPARE(img->FavGroups[1], full);
    QVERIFY(!IsInFavGroup(261, 1, *img));
    QVERIFY_IMAGE_INVARIANTS(*img);

    // Room again after a removal.
    QVERIFY(SetFavMembership(1, 1, false, *img));
    QVERIFY(SetFavMembership(261, 1, true, *img));
    QCOMPARE(int(img->FavGroups[1].NumMembers), 255);
    QCOMPARE(modals.texts().size(), 1);
}

void TstTableOps::moveChannel_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("groupBefore");
    QTest::addColumn<QList<int>>("groupAfter");

    QTest::newRow("down: channel 5 to place 8") << 5 << 8 << QList<int>{4, 5, 6, 7} << QList<int>{7, 4, 5, 6};
    QTest::newRow("up: channel 8 to place 5") << 8 << 5 << QList<int>{4, 5, 6, 7} << QList<int>{5, 6, 7, 4};
    QTest::newRow("neighbours swap") << 3 << 4 << QList<int>{3, 2} << QList<int>{2, 3};
    QTest::newRow("entries outside the range stay") << 2 << 6 << QList<int>{0, 9, 1} << QList<int>{0, 9, 5};
    QTest::newRow("to the very end") << 1 << 12 << QList<int>{0, 11} << QList<int>{11, 10};
}

void TstTableOps::moveChannel() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, groupBefore);
    QFETCH(QList<int>, groupAfter);
    const ImagePtr img = loadFixture(channelFixture(8, 4, {toStd(groupBefore)}));
    const auto named = [&] {
        QList<int> ids;
        for (const int e : groupEntries(*img, 1))
            ids << img->Channels[e + 1].ServiceId;
        return ids;
    };
    const QList<int> idsBefore = named();

    slideChannel(*img, from, to);
    QVERIFY_IMAGE_INVARIANTS(*img);
    QCOMPARE(groupEntries(*img, 1), groupAfter);
    QCOMPARE(named(), idsBefore);
    QCOMPARE(img->Channels[to].ServiceId, std::uint16_t(1000 + from - 1));
}

void TstTableOps::moveFavEntries_refusesOutOfRange_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("distance");
    QTest::newRow("group 0") << 0 << 1 << 1;
    QTest::newRow("group 10") << 10 << 1 << 1;
    QTest::newRow("channel 0") << 1 << 0 << 1;
    QTest::newRow("channel past the last") << 1 << 13 << -1;
    QTest::newRow("target below channel 1") << 1 << 1 << -1;
    QTest::newRow("target past the last") << 1 << 12 << 1;
}

void TstTableOps::moveFavEntries_refusesOutOfRange() {
    QFETCH(int, group);
    QFETCH(int, channel);
    QFETCH(int, distance);
    const ImagePtr img = loadFixture(channelFixture(8, 4, {{0, 11}}));
    const auto before = std::make_unique<SettingsImage>(*img);
    QVERIFY(!MoveFavEntries(group, channel, distance, *img));
    QVERIFY(sameImage(*img, *before));
}

void TstTableOps::deleteTransponder_data() {
    QTest::addColumn<int>("transponder");
    QTest::addColumn<QList<int>>("serviceIdsAfter");
    QTest::addColumn<QList<int>>("frequenciesAfter");
    QTest::addColumn<QList<int>>("group1After");
    QTest::addColumn<QList<int>>("group9After");
    QTest::addColumn<int>("tvAfter");
    QTest::addColumn<QList<int>>("numTranspondersAfter");

    // The typical image: transponders 11836 12188 | 10992 11034 | 10714 11426 on three satellites;
    // channels 100..109 on transponder indexes 0 0 1 1 2 4 5 0 1 4, 7 of them TV;
    // group 1 holds entries 1 0 5, group 9 entries 7 9.
    QTest::newRow("without channels: only compacts")
        << 3 << range(100, 110) << QList<int>{11836, 12188, 10992, 10714, 11426} << QList<int>{1, 0, 5}
        << QList<int>{7, 9} << 7 << QList<int>{2, 1, 2};
    QTest::newRow("first, with tv and radio channels")
        << 0 << QList<int>{102, 103, 104, 105, 106, 108, 109} << QList<int>{12188, 10992, 11034, 10714, 11426}
        << QList<int>{3} << QList<int>{6} << 5 << QList<int>{1, 2, 2};
    QTest::newRow("last") << 5 << QList<int>{100, 101, 102, 103, 104, 105, 107, 108, 109}
                          << QList<int>{11836, 12188, 10992, 11034, 10714} << QList<int>{1, 0, 5}
                          << QList<int>{6, 8} << 6 << QList<int>{2, 2, 1};

    const QList<int> allIds = range(100, 110);
    const QList<int> allFrequencies{11836, 12188, 10992, 11034, 10714, 11426};
    QTest::newRow("refused: index -1") << -1 << allIds << allFrequencies << QList<int>{1, 0, 5}
                                       << QList<int>{7, 9} << 7 << QList<int>{2, 2, 2};
    QTest::newRow("refused: index past the last") << 6 << allIds << allFrequencies << QList<int>{1, 0, 5}
                                                  << QList<int>{7, 9} << 7 << QList<int>{2, 2, 2};
}

void TstTableOps::deleteTransponder() {
    QFETCH(int, transponder);
    QFETCH(QList<int>, serviceIdsAfter);
    QFETCH(QList<int>, frequenciesAfter);
    QFETCH(QList<int>, group1After);
    QFETCH(QList<int>, group9After);
    QFETCH(int, tvAfter);
    QFETCH(QList<int>, numTranspondersAfter);
    const ImagePtr img = loadFixture(typicalFixture());
    // Which transponder each channel sits on, by frequency, before the deletion.
    QHash<int, int> frequencyOf;
    for (int c = 1; c <= img->ChannelCount; ++c)
        frequencyOf[img->Channels[c].ServiceId] =
            TransponderFrequency(*img, img->Channels[c].TransponderIndex + 1);

    QCOMPARE(DeleteTransponder(transponder, *img), transponder >= 0 && transponder < 6);
    QVERIFY_IMAGE_INVARIANTS(*img);
    QCOMPARE(serviceIds(*img), serviceIdsAfter);
    QList<int> frequencies;
    for (int t = 1; t <= img->TransponderCount; ++t)
        frequencies << img->Transponders[t].Frequency;
    QCOMPARE(frequencies, frequenciesAfter);
    for (int c = 1; c <= img->ChannelCount; ++c)
        QCOMPARE(TransponderFrequency(*img, img->Channels[c].TransponderIndex + 1),
                 frequencyOf[img->Channels[c].ServiceId]);
    QCOMPARE(groupEntries(*img, 1), group1After);
    QCOMPARE(groupEntries(*img, 9), group9After);
    QCOMPARE(img->TvCount, tvAfter);
    QList<int> numTransponders;
    for (int s = 1; s <= img->SatelliteCount; ++s)
        numTransponders << img->Satellites[s].NumTransponders;
    QCOMPARE(numTransponders, numTranspondersAfter);
}

void TstTableOps::deleteTransponder_carryingEveryChannel() {
    ImageFixture f = channelFixture(6, 3, {{0, 8}, {4}});
    for (auto& ch : f.channels)
        ch.TransponderIndex = 2;
    const ImagePtr img = loadFixture(f);
    RecordingObserver observer;

    QVERIFY(DeleteTransponder(2, *img));
    QVERIFY_IMAGE_INVARIANTS(*img);
    QCOMPARE(img->ChannelCount, 0);
    QCOMPARE(img->TvCount, 0);
    QCOMPARE(img->RadioCount, 0);
    QCOMPARE(int(img->ImageCounts.NumChannels), 0);
    QCOMPARE(groupEntries(*img, 1), QList<int>{});
    QCOMPARE(groupEntries(*img, 2), QList<int>{});
    QCOMPARE(img->TransponderCount, 3);
    QCOMPARE(img->Channels[1], TChannelRecord{});
    // One pass, one report of the counts.
    QCOMPARE(observer.counts, (QList<QList<int>>{QList<int>{0, 0, 0}}));
}

void TstTableOps::findSatelliteTransponders_data() {
    QTest::addColumn<QList<int>>("satelliteOfTransponder");
    QTest::addColumn<int>("satellites");
    QTest::addColumn<int>("satellite");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");

    const QList<int> table{0, 0, 2, 2, 2, 4};
    QTest::newRow("first satellite") << table << 5 << 0 << 1 << 2;
    QTest::newRow("middle satellite") << table << 5 << 2 << 3 << 3;
    QTest::newRow("last satellite") << table << 5 << 4 << 6 << 1;
    QTest::newRow("none, between two") << table << 5 << 1 << 3 << 0;
    QTest::newRow("none, after the last with some") << table << 6 << 5 << 7 << 0;
    QTest::newRow("none, before the first with some") << QList<int>{1, 1} << 2 << 0 << 1 << 0;
    QTest::newRow("no transponders at all") << QList<int>{} << 3 << 1 << 1 << 0;
    QTest::newRow("no such satellite: -1") << table << 5 << -1 << 7 << 0;
    QTest::newRow("no such satellite: past the last") << table << 5 << 5 << 7 << 0;
}

void TstTableOps::findSatelliteTransponders() {
    QFETCH(QList<int>, satelliteOfTransponder);
    QFETCH(int, satellites);
    QFETCH(int, satellite);
    QFETCH(int, first);
    QFETCH(int, count);
    ImageFixture f = channelFixture(0, 0);
    f.satelliteSlots.clear();
    for (int s = 0; s < satellites; ++s)
        f.satelliteSlots.push_back(ImageFixture::satellite(s, QStringLiteral("S%1").arg(s), s));
    f.transponders.clear();
    for (const int s : satelliteOfTransponder)
        f.transponders.push_back(ImageFixture::transponder(s, 11000 + int(f.transponders.size())));
    const ImagePtr img = loadFixture(f);

    const SatelliteTransponders found = FindSatelliteTransponders(satellite, *img);
    QCOMPARE(found.first, first);
    QCOMPARE(found.count, count);
}

void TstTableOps::satelliteDeletion_touchesOnlyLaterSatellites_data() {
    QTest::addColumn<int>("satellite");
    QTest::addColumn<QList<int>>("satelliteIndexesAfter");
    QTest::addColumn<QList<int>>("serviceIdsAfter");

    // Transponders of satellites 0 0 | - | 2 2 (satellite 1 has none); channels 1000.. on indexes 0 1 2 3
    // 0 1.
    QTest::newRow("satellite without transponders")
        << 1 << QList<int>{0, 0, 1, 1} << QList<int>{1000, 1001, 1002, 1003, 1004, 1005};
    QTest::newRow("first satellite") << 0 << QList<int>{1, 1} << QList<int>{1002, 1003};
    QTest::newRow("last satellite") << 2 << QList<int>{0, 0} << QList<int>{1000, 1001, 1004, 1005};
}

void TstTableOps::satelliteDeletion_touchesOnlyLaterSatellites() {
    QFETCH(int, satellite);
    QFETCH(QList<int>, satelliteIndexesAfter);
    QFETCH(QList<int>, serviceIdsAfter);
    ImageFixture f = channelFixture(4, 2);
    f.satelliteSlots.insert(f.satelliteSlots.begin() + 1,
                            ImageFixture::satellite(1, QStringLiteral("Leer"), 50));
    f.satelliteSlots[2].SatelliteNumber = 2;
    for (int t = 2; t < 4; ++t)
        f.transponders[static_cast<std::size_t>(t)].SatelliteIndex = 2;
    const ImagePtr img = loadFixture(f);

    // The satellite deletion's use of the tables: its transponders go, the later ones move down a satellite.
    const SatelliteTransponders found = FindSatelliteTransponders(satellite, *img);
    for (int k = 0; k < found.count; ++k)
        QVERIFY(DeleteTransponder(found.first - 1, *img));
    for (int t = found.first; t <= img->TransponderCount; ++t)
        --img->Transponders[t].SatelliteIndex;

    QList<int> indexes;
    for (int t = 1; t <= img->TransponderCount; ++t)
        indexes << img->Transponders[t].SatelliteIndex;
    QCOMPARE(indexes, satelliteIndexesAfter);
    QCOMPARE(serviceIds(*img), serviceIdsAfter);
}

void TstTableOps::countTransponderChannels_data() {
    QTest::addColumn<int>("transponder");
    QTest::addColumn<int>("count");
    // The typical image's channels sit on transponder indexes 0 0 1 1 2 4 5 0 1 4.
    QTest::newRow("three channels") << 0 << 3;
    QTest::newRow("two channels") << 4 << 2;
    QTest::newRow("one channel") << 5 << 1;
    QTest::newRow("no channels") << 3 << 0;
    QTest::newRow("no such transponder") << 6 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void TstTableOps::countTransponderChannels() {
    QFETCH(int, transponder);
    QFETCH(int, count);
    const ImagePtr img = loadFixture(typicalFixture());
    QCOMPARE(CountTransponderChannels(transponder, *img), count);
}

void TstTableOps::randomSequence_followsChannelIdentity_data() {
    QTest::addColumn<quint32>("seed");
    for (const quint32 seed : {1u, 7u, 42u, 2024u, 99991u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

// Inserts, deletes, membership changes, channel moves and transponder deletions in random order, checked
// after every step against a model that holds channels by identity (ServiceId) and transponders by frequency.
void TstTableOps::randomSequence_followsChannelIdentity() {
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);

    constexpr int kTransponders = 30;
    ImageFixture f = channelFixture(0, 0);
    f.satelliteSlots.push_back(ImageFixture::satellite(2, QStringLiteral("Dritter"), 600));
    f.transponders.clear();
    for (int t = 0; t < kTransponders; ++t)
        f.transponders.push_back(ImageFixture::transponder(t * 3 / kTransponders, 10000 + t));
    struct Model {
        QList<int> channels;       // ServiceIds in table order
        QHash<int, int> frequency; // ServiceId -> frequency of its transponder
        QList<int> transponders;   // frequencies in table order
        int tv = 0;
        QList<QList<int>> groups = QList<QList<int>>(9); // ServiceIds in group order
    } model;
    for (int t = 0; t < kTransponders; ++t)
        model.transponders << 10000 + t;
    int nextId = 1;
    for (int i = 0; i < 60; ++i) {
        const int id = nextId++;
        const int tp = int(random.bounded(kTransponders));
        f.channels.push_back(ImageFixture::channel(QStringLiteral("C%1").arg(id), tp, 0, id));
        model.channels << id;
        model.frequency[id] = 10000 + tp;
    }
    f.tvCount = model.tv = 40;
    for (int g = 0; g < 9; ++g) {
        std::vector<int> members;
        for (int m = 0, n = int(random.bounded(12)); m < n; ++m) {
            const int c = int(random.bounded(60));
            members.push_back(c);
            model.groups[g] << model.channels[c];
        }
        f.favGroups.push_back(ImageFixture::favGroup(QStringLiteral("G%1").arg(g), members));
    }
    const ImagePtr img = loadFixture(f);
    ScriptedModals modals;
    RecordingObserver observer;

    const auto removeChannelFromModel = [&](int index) {
        const int id = model.channels.takeAt(index);
        if (index < model.tv)
            --model.tv;
        for (auto& group : model.groups)
            group.removeAll(id);
    };

    for (int step = 0; step < 1500; ++step) {
        const int n = int(model.channels.size());
        const int op = int(random.bounded(100));
        QString what;
        if (op < 30) {
            const bool tv = random.bounded(2) == 0;
            const int low = tv ? 1 : model.tv + 1;
            const int high = tv ? model.tv + 1 : n + 1;
            const int p = low + int(random.bounded(high - low + 1));
            const int tcount = int(model.transponders.size());
            const int tp = tcount > 0 ? int(random.bounded(tcount)) : 0;
            const int id = nextId++;
            what = QStringLiteral("insert %1 at %2 (%3)")
                       .arg(id)
                       .arg(p)
                       .arg(tv ? QLatin1String("TV") : QLatin1String("radio"));
            QCOMPARE(InsertChannel(p, newChannel(id, tp), tv, false, *img), tcount > 0);
            if (tcount > 0) {
                model.channels.insert(p - 1, id);
                model.frequency[id] = model.transponders[tp];
                if (tv)
                    ++model.tv;
            }
        } else if (op < 45 && n > 0) {
            const int c = 1 + int(random.bounded(n));
            what = QStringLiteral("delete channel %1").arg(c);
            QVERIFY(DeleteChannel(c, *img));
            removeChannelFromModel(c - 1);
        } else if (op < 75 && n > 0) {
            const int c = 1 + int(random.bounded(n));
            const int g = 1 + int(random.bounded(9));
            const int id = model.channels[c - 1];
            auto& group = model.groups[g - 1];
            const bool member = group.contains(id);
            what = QStringLiteral("toggle channel %1 in group %2").arg(c).arg(g);
            QCOMPARE(IsInFavGroup(c, g, *img), member);
            const bool full = !member && group.size() >= 255;
            QCOMPARE(SetFavMembership(c, g, !member, *img), !full);
            if (member)
                group.removeOne(id);
            else if (!full)
                group << id;
        } else if (op < 99 && n > 1) {
            const int a = 1 + int(random.bounded(n));
            const int b = 1 + int(random.bounded(n));
            what = QStringLiteral("move channel %1 to %2").arg(a).arg(b);
            slideChannel(*img, a, b);
            model.channels.move(a - 1, b - 1);
        } else if (!model.transponders.isEmpty()) {
            const int t = int(random.bounded(int(model.transponders.size())));
            what = QStringLiteral("delete transponder index %1").arg(t);
            QVERIFY(DeleteTransponder(t, *img));
            const int gone = model.transponders.takeAt(t);
            for (int i = int(model.channels.size()) - 1; i >= 0; --i) {
                if (model.frequency[model.channels[i]] == gone)
                    removeChannelFromModel(i);
            }
        }

        const QByteArray context = QStringLiteral("step %1: %2").arg(step).arg(what).toUtf8();
        const QStringList violations = imageInvariantViolations(*img);
        QVERIFY2(violations.isEmpty(),
                 (context + '\n' + violations.join(QLatin1Char('\n')).toUtf8()).constData());
        QVERIFY2(sameList(serviceIds(*img), model.channels), context.constData());
        QVERIFY2(img->TvCount == model.tv, context.constData());
        for (int c = 1; c <= img->ChannelCount; ++c) {
            const int frequency = img->Transponders[img->Channels[c].TransponderIndex + 1].Frequency;
            QVERIFY2(frequency == model.frequency[img->Channels[c].ServiceId], context.constData());
        }
        for (int g = 1; g <= 9; ++g) {
            QList<int> named;
            for (const int e : groupEntries(*img, g))
                named << img->Channels[e + 1].ServiceId;
            QVERIFY2(sameList(named, model.groups[g - 1]), context.constData());
        }
        if (!observer.counts.isEmpty())
            QVERIFY2(sameList(observer.counts.last(), {img->TvCount, img->RadioCount, img->ChannelCount}),
                     context.constData());
    }
    // Removing a member never asks; only a full group would have spoken.
    for (const QString& text : modals.texts())
        QCOMPARE(text, QStringLiteral("nicht möglich ! schon 256 Sender "));
}

QTEST_GUILESS_MAIN(TstTableOps)
#include "tst_tableops.moc"
