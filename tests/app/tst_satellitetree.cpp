// The satellite tree through the main window: nodes and their table indexes, drawing, the pop-up's
// enabling, deleting transponders and satellites, moving satellites, and what a save then writes.
#include "SatelliteScenario.h"

#include "ImageInvariants.h"
#include "image/ImageFile.h"
#include "image/Layout.h"
#include "platform/Colors.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QtTest>

namespace {

QStringList treeTexts(TForm1& f) {
    QStringList out;
    for (int s = 0; s < f.TreeView_satellites->topLevelItemCount(); ++s) {
        QTreeWidgetItem* root = treeNode(f, s);
        QStringList children;
        for (int k = 0; k < root->childCount(); ++k)
            children << u"%1=%2"_qs.arg(root->child(k)->text(0))
                            .arg(TForm1::TreeNodeTransponderIndex(root->child(k)));
        out << u"%1#%2[%3]"_qs.arg(root->text(0))
                   .arg(TForm1::TreeNodeSatelliteIndex(root))
                   .arg(children.join(QLatin1String(", ")));
    }
    return out;
}

} // namespace

class tst_SatelliteTree : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void treeOnUnorderedTable();
    void popupFollowsEverySelectionChange();
    void usedNodesDrawnOnTheirBackground();
    void deleteTransponder();
    void deleteSatelliteFromTree_data();
    void deleteSatelliteFromTree();
    void deleteSatelliteFromGrid_data();
    void deleteSatelliteFromGrid();
    void moveSatelliteKeepsChannelsOnTheirTransponders();
    void savedBytesAfterEdits();
    void saveRefusesWhatWouldNotLoadBack();
};

void tst_SatelliteTree::treeOnUnorderedTable() {
    ImageFixture fixture = satelliteScenario();
    // Stored out of satellite order, with one transponder that names no satellite.
    fixture.transponders = {ImageFixture::transponder(1, 11000), ImageFixture::transponder(0, 10700, 1),
                            ImageFixture::transponder(1, 11100), ImageFixture::transponder(7, 12500),
                            ImageFixture::transponder(0, 10800, 1, 22000)};
    fixture.channels.resize(2);
    fixture.channels[0].TransponderIndex = 4; // 10800 of S0
    fixture.channels[1].TransponderIndex = 3; // the one without a satellite
    fixture.tvCount = 2;
    fixture.favGroups.clear();
    FormDriver drv;
    loadScenario(drv, fixture);
    TForm1& f = *drv.form;

    QCOMPARE(treeTexts(f), (strings({"S0#0[10700 V S 27500=1, 10800 V S 22000=4]",
                                     "S1#1[11000 H S 27500=0, 11100 H S 27500=2]", "S2#2[]"})));
    // Drawing: S0 carries a channel (on 10800), S1 and S2 none.
    const auto look = [&f](int s, int k) { return f.TreeView_satellitesCustomDrawItem(treeNode(f, s, k)); };
    QVERIFY(look(0, -1).used);
    QCOMPARE(look(0, -1).background, platform::TColor(0xC0DCC0));
    QVERIFY(!look(1, -1).used && !look(2, -1).used);
    QVERIFY(look(0, 1).used && !look(0, 0).used && !look(1, 0).used);
    QCOMPARE(look(0, 1).background, platform::TColor(0xDDECEE));

    // Each command hits the record its node carries, not the one at the node's place in the tree.
    f.TreeView_satellites->setCurrentItem(treeNode(f, 1, 1));
    f.loescheTransponder1->trigger();
    QCOMPARE(tableFrequencies(), (QList<int>{11000, 10700, 12500, 10800}));
    QCOMPARE(channelTargets(), (strings({"K0:10800", "K1:12500"})));
    QCOMPARE(treeTexts(f)[1], u"S1#1[11000 H S 27500=0]"_qs);
}

void tst_SatelliteTree::popupFollowsEverySelectionChange() {
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    const auto state = [&f] {
        return QPair<bool, bool>(f.Transponderparameter_aendern->isEnabled(),
                                 f.neuerTransponder1->isEnabled());
    };
    QCOMPARE(state(), qMakePair(false, false));
    f.TreeView_satellites->expandAll();
    f.TreeView_satellites->setFocus();
    f.TreeView_satellites->setCurrentItem(treeNode(f, 0, 1));
    QCOMPARE(state(), qMakePair(true, true));
    QTest::keyClick(f.TreeView_satellites, Qt::Key_Home); // to the first satellite node
    QCOMPARE(f.TreeView_satellites->currentItem(), treeNode(f, 0));
    QCOMPARE(state(), qMakePair(false, true));
    QTest::keyClick(f.TreeView_satellites, Qt::Key_End); // the last node: S2's transponder
    QCOMPARE(state(), qMakePair(true, true));
    f.BuildSatelliteTree(); // a rebuild leaves nothing selected
    QCOMPARE(state(), qMakePair(false, false));

    // Commands that arrive without a fitting selection do nothing.
    f.Transponderparameter_aendern->trigger();
    f.loescheTransponder1->trigger();
    f.loescheSatellit->trigger();
    f.TreeView_satellites->setCurrentItem(treeNode(f, 1));
    f.Transponderparameter_aendern->trigger();
    f.loescheTransponder1->trigger();
    QVERIFY(drv.modals.shown().isEmpty());
    QCOMPARE(image::Image().TransponderCount, 5);
    QCOMPARE(image::Image().SatelliteCount, 3);
}

void tst_SatelliteTree::usedNodesDrawnOnTheirBackground() {
    ImageFixture fixture = satelliteScenario();
    fixture.channels[2].TransponderIndex = 0; // S1 keeps no channel
    fixture.channels[3].TransponderIndex = 0;
    FormDriver drv;
    loadScenario(drv, fixture);
    TForm1& f = *drv.form;
    f.TreeView_satellites->expandAll();
    QTreeWidget* tree = f.TreeView_satellites;
    const QImage shot = tree->viewport()->grab().toImage();
    QList<platform::TColor> backgrounds;
    for (const auto& [s, k] : QList<std::pair<int, int>>{{0, -1}, {0, 0}, {0, 1}, {1, -1}, {1, 0}, {2, 0}}) {
        const QRect r = tree->visualItemRect(treeNode(f, s, k));
        backgrounds << platform::fromQColor(shot.pixelColor(r.right() - 3, r.center().y()));
    }
    const platform::TColor base = platform::fromQColor(tree->palette().color(QPalette::Base));
    QCOMPARE(backgrounds, (QList<platform::TColor>{0xC0DCC0, 0xDDECEE, 0xDDECEE, base, base, 0xDDECEE}));

    // A transponder is drawn used as soon as a channel names it; its satellite at the next rebuild.
    image::Image().Channels[1].TransponderIndex = 3;
    QVERIFY(f.TreeView_satellitesCustomDrawItem(treeNode(f, 1, 1)).used);
    QVERIFY(!f.TreeView_satellitesCustomDrawItem(treeNode(f, 1)).used);
    f.BuildSatelliteTree();
    QVERIFY(f.TreeView_satellitesCustomDrawItem(treeNode(f, 1)).used);
}

void tst_SatelliteTree::deleteTransponder() {
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    f.TreeView_satellites->setCurrentItem(treeNode(f, 1, 0)); // 11000, carrying K2 and K3
    f.loescheTransponder1->trigger();
    QVERIFY(drv.modals.shown().isEmpty()); // no question, no report
    QCOMPARE(tableFrequencies(), (QList<int>{10700, 10800, 11100, 12000}));
    QCOMPARE(channelTargets(), (strings({"K0:10700", "K1:10800", "K4:12000"})));
    QCOMPARE(int(image::Image().Satellites[2].NumTransponders), 1);
    QCOMPARE(image::Image().FavGroups[1].NumMembers, image::Byte(1)); // K3 left the group, K0 stays
    QCOMPARE(int(image::Image().FavGroups[1].Entries[0]), 0);
    QCOMPARE(treeNode(f, 1)->childCount(), 1);
    QVERIFY_IMAGE_INVARIANTS(image::Image());
}

void tst_SatelliteTree::deleteSatelliteFromTree_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("onTransponderNode");
    QTest::newRow("cancelled") << int(platform::mrCancel) << false;
    QTest::newRow("yes, on the satellite node") << int(platform::mrYes) << false;
    QTest::newRow("yes, on a transponder node") << int(platform::mrYes) << true;
}

void tst_SatelliteTree::deleteSatelliteFromTree() {
    QFETCH(int, answer);
    QFETCH(bool, onTransponderNode);
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    // The tree asks and reports whatever the grid's check boxes say.
    f.CheckBox_Loesche_sat_ohne_nachfragen->setChecked(true);
    f.CheckBox_info_nach_satloeschen->setChecked(false);
    f.TreeView_satellites->setCurrentItem(treeNode(f, 1, onTransponderNode ? 1 : -1));
    drv.modals.answerMessage(answer);
    f.loescheSatellit->trigger();

    const bool yes = answer == platform::mrYes;
    QStringList expected{u"S1 13 ° O löschen ?"_qs};
    if (yes)
        expected << u"S1 13 ° O mit 2 Transponder(n) gelöscht"_qs;
    QCOMPARE(drv.boxes(), expected);
    QCOMPARE(drv.modals.shown()[0].buttons, unsigned(platform::mbYes | platform::mbCancel));
    QCOMPARE(image::Image().SatelliteCount, yes ? 2 : 3);
    QCOMPARE(f.TreeView_satellites->topLevelItemCount(), yes ? 2 : 3);
    QCOMPARE(tableFrequencies(),
             yes ? (QList<int>{10700, 10800, 12000}) : (QList<int>{10700, 10800, 11000, 11100, 12000}));
    QCOMPARE(channelTargets(), yes ? (strings({"K0:10700", "K1:10800", "K4:12000"}))
                                   : (strings({"K0:10700", "K1:10800", "K2:11000", "K3:11000", "K4:12000"})));
    QCOMPARE(f.Label_satcount->text(), QString::number(image::Image().SatelliteCount));
    QVERIFY_IMAGE_INVARIANTS(image::Image());
}

void tst_SatelliteTree::deleteSatelliteFromGrid_data() {
    QTest::addColumn<bool>("withoutQuestion");
    QTest::addColumn<bool>("report");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("deleted");
    const QString question = u"S0 19,2 °O löschen ?"_qs;
    const QString info = u"S0 19,2 °O mit 2 Transponder(n) gelöscht"_qs;
    QTest::newRow("asked, yes, reported")
        << false << true << int(platform::mrYes) << QStringList{question, info} << true;
    QTest::newRow("asked, cancelled")
        << false << true << int(platform::mrCancel) << QStringList{question} << false;
    QTest::newRow("asked, yes, no report")
        << false << false << int(platform::mrYes) << QStringList{question} << true;
    QTest::newRow("no question, reported") << true << true << 0 << QStringList{info} << true;
    QTest::newRow("no box at all") << true << false << 0 << QStringList{} << true;
}

void tst_SatelliteTree::deleteSatelliteFromGrid() {
    QFETCH(bool, withoutQuestion);
    QFETCH(bool, report);
    QFETCH(int, answer);
    QFETCH(QStringList, boxes);
    QFETCH(bool, deleted);
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    f.CheckBox_Loesche_sat_ohne_nachfragen->setChecked(withoutQuestion);
    f.CheckBox_info_nach_satloeschen->setChecked(report);
    if (answer)
        drv.modals.answerMessage(answer);
    f.deleteSatelliteRow(0, true);
    QCOMPARE(drv.boxes(), boxes);
    QCOMPARE(image::Image().SatelliteCount, deleted ? 2 : 3);
    if (deleted) {
        QCOMPARE(treeTexts(f),
                 (strings({"S1#0[11000 H S 27500=0, 11100 V S 27500=1]", "S2#1[12000 H S 27500=2]"})));
        QCOMPARE(channelTargets(), (strings({"K2:11000", "K3:11000", "K4:12000"})));
        QCOMPARE(f.Label_satcount->text(), u"2"_qs);
        QCOMPARE(int(image::Image().ImageCounts.NumSatellites), 2);
    }
    QVERIFY_IMAGE_INVARIANTS(image::Image());
}

void tst_SatelliteTree::moveSatelliteKeepsChannelsOnTheirTransponders() {
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    const QStringList targets = channelTargets();
    f.moveSatellite(0, 2); // the drop of row 0 onto row 2
    QCOMPARE(treeTexts(f), (strings({"S1#0[11000 H S 27500=0, 11100 V S 27500=1]", "S2#1[12000 H S 27500=2]",
                                     "S0#2[10700 H S 27500=3, 10800 V S 27500=4]"})));
    QCOMPARE(channelTargets(), targets);
    f.moveSatellite(1, 1); // onto itself: nothing
    f.moveSatellite(3, 0); // from no row: nothing
    QCOMPARE(tableFrequencies(), (QList<int>{11000, 11100, 12000, 10700, 10800}));
    QVERIFY_IMAGE_INVARIANTS(image::Image());
}

void tst_SatelliteTree::savedBytesAfterEdits() {
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    f.moveSatellite(2, 0);
    f.TreeView_satellites->setCurrentItem(treeNode(f, 1, 1)); // S0's 10800
    f.loescheTransponder1->trigger();
    const QStringList targets = channelTargets();

    const QString path = drv.path(u"saved.si"_qs);
    drv.modals.answerSave(path);
    f.Saveto1->trigger();
    QVERIFY(drv.boxes().isEmpty());
    QByteArray expected;
    QVERIFY(!image::serializeImage(image::Image(), expected));
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes, expected);

    // Read back: the same satellites in the new order, every channel on its transponder.
    image::SettingsImage back;
    QVERIFY(!image::parseImage(bytes, back));
    image::Image() = back;
    QCOMPARE(channelTargets(), targets);
    QCOMPARE(back.SatelliteCount, 3);
    QCOMPARE(image::SatelliteDisplayName(back.Satellites[1]), u"S2"_qs);
    QCOMPARE(int(back.Satellites[2].NumTransponders), 1);
    // Byte 20 of the second satellite slot is its transponder count.
    QCOMPARE(int(image::Byte(bytes.at(qsizetype(image::layout::kSatelliteOffset + 48 + 20)))), 1);
}

void tst_SatelliteTree::saveRefusesWhatWouldNotLoadBack() {
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    const QString path = drv.writeFile(u"old.si"_qs, "old");
    image::Image().Providers[1] = image::TProviderRecord{};
    drv.modals.answerSave(path);
    f.Saveto1->trigger();
    QCOMPARE(drv.boxes().size(), 1);
    QVERIFY2(drv.boxes()[0].contains(u"Provider 1 besteht nur aus Nullbytes"_qs), qPrintable(drv.boxes()[0]));
    QCOMPARE(readAll(path), QByteArray("old"));
    QVERIFY(!f.ImageSaved);
}

QTEST_MAIN(tst_SatelliteTree)
#include "tst_satellitetree.moc"
