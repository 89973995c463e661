// Drives the real main window: "Load" with the mouse, what the window then shows, "Speichern unter ...",
// and the backup on close, comparing the written files byte by byte with the loaded image.
#include "FormDriver.h"

#include "app/RadioGroup.h"
#include "image/Layout.h"
#include "widgets/ProgressCyl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QtTest>

using namespace image::layout;

namespace {

/// The image with every region that the writer zero-fills by design set to zero: the gap after the
/// satellite slots, the unused channel and transponder records, the unused provider blocks and the tail.
QByteArray withZeroFilledRegions(QByteArray bytes, int channels, int transponders, int providers) {
    const auto zero = [&bytes](std::int64_t from, std::int64_t to) {
        std::fill(bytes.begin() + from, bytes.begin() + to, '\0');
    };
    zero(kSatelliteGapOffset, kChannelOffset);
    zero(kChannelOffset + channels * kChannelRecordSize, kFavGroupOffset);
    zero(kTransponderOffset + transponders * kTransponderRecordSize, kProviderOffset);
    zero(kProviderOffset + providers * kProviderRecordSize, kImageSize);
    return bytes;
}

void saveScreenshot(QWidget* window, const char* name) {
    const QByteArray dir = qgetenv("KANALEDITOR_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QTest::qWait(100); // let the window take its new geometry
    window->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QLatin1String(name)));
}

} // namespace

class tst_EndToEnd : public QObject {
    Q_OBJECT
private slots:
    void loadSaveAndBackup_data();
    void loadSaveAndBackup();
    void untouchedImageWithoutProvidersBacksUpItsOwnBytes();
};

void tst_EndToEnd::loadSaveAndBackup_data() {
    QTest::addColumn<bool>("dirty");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("comboItems");
    QTest::newRow("clean image, no satellites.ini") << false << QByteArray() << QStringList();
    QTest::newRow("dirty unused regions, satellites.ini")
        << true
        << QByteArray("[Satellites]\r\n1=Astra 19,2\xB0O\r\n2=\"Hotbird; 13\"\r\n3=Eutelsat "
                      "7%\r\n4=error\r\n5=x\r\n")
        << QStringList{QStringLiteral("Astra 19,2°O"), QStringLiteral("Hotbird; 13"),
                       QStringLiteral("Eutelsat 7%")};
}

void tst_EndToEnd::loadSaveAndBackup() {
    QFETCH(bool, dirty);
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, comboItems);
    FormDriver drv;
    TForm1& f = *drv.form;
    saveScreenshot(&f, "start-window.png");

    ImageFixture fixture = ImageFixture::typical();
    fixture.dirtyUnusedRegions = dirty;
    const QByteArray original = fixture.build();
    const QString imagePath = drv.writeFile(QStringLiteral("receiver.si"), original);
    if (!ini.isEmpty())
        drv.writeFile(QStringLiteral("satellites.ini"), ini);

    drv.pressLoad(imagePath);
    QVERIFY2(drv.boxes().isEmpty(), qPrintable(drv.boxes().join(QLatin1Char('\n'))));
    QVERIFY(f.FileLoaded);
    QCOMPARE(f.ImageFileName, imagePath);

    // The working form.
    QVERIFY(f.PageControl1->isVisible());
    QVERIFY(f.isMaximized());
    QVERIFY(f.menuBar()->isVisible());
    QVERIFY(!f.BitBtnLoad->isVisible());
    QVERIFY(!f.CheckBox_aufloesung_anpassung->isVisible());
    QVERIFY(!f.ProgressCyl_start->isVisible());
    QCOMPARE(f.ProgressCyl_start->Position(), 100);
    QVERIFY(!f.ListBuilding);
    QVERIFY(f.SortedByNumber && f.ChannelDragEnabled && f.ViewUnsorted);
    QCOMPARE(f.ChannelSortColumn, 11);

    // The provider list, the favourite groups and the counters.
    QVERIFY(f.ListBox_provider->isVisible());
    QStringList providers;
    for (int i = 0; i < f.ListBox_provider->count(); ++i)
        providers << f.ListBox_provider->item(i)->text();
    QCOMPARE(providers,
             (QStringList{QStringLiteral("ARD"), QStringLiteral("ProSiebenSat.1"), QStringLiteral("BBC")}));
    QVERIFY(f.RadioGroup_fav->isVisible());
    const QStringList groups{QStringLiteral("alle"),    QStringLiteral("Nachrichten"),
                             QStringLiteral("Sport"),   QStringLiteral("Kinder"),
                             QStringLiteral("Musik"),   QStringLiteral("Film"),
                             QStringLiteral("Doku"),    QStringLiteral("Regional"),
                             QStringLiteral("Ausland"), QStringLiteral("Radio")};
    QCOMPARE(f.RadioGroup_fav->Items(), groups);
    QCOMPARE(f.RadioGroup_fav->ItemIndex(), 0);
    for (int g = 1; g <= 9; ++g) {
        QCOMPARE(columnCaption(f.DataGrid_channels, 12 + g), groups[g].left(4));
        QCOMPARE(columnCaption(f.DataGrid_lyngsat_vergleich, 12 + g), groups[g].left(4));
    }
    QCOMPARE(f.Label_satcount->text(), QStringLiteral("3"));
    QCOMPARE(f.Label_tvcount->text(), QStringLiteral("7"));
    QCOMPARE(f.Label_radiocount->text(), QStringLiteral("3"));
    QCOMPARE(f.Label_sendercount->text(), QStringLiteral("10"));
    QCOMPARE(f.Label_providercount->text(), QStringLiteral("3"));
    QCOMPARE(image::Image().ChannelCount, 10);
    QCOMPARE(image::Image().TransponderCount, 6);

    // satellites.ini fills the satellite box of the import tab, or the box is hidden.
    QStringList combo;
    for (int i = 0; i < f.ComboBox_lyngsat->count(); ++i)
        combo << f.ComboBox_lyngsat->itemText(i);
    QCOMPARE(combo, comboItems);
    QCOMPARE(f.ComboBox_lyngsat->isHidden(), ini.isEmpty());
    QCOMPARE(f.CheckBox_satellites_combo_lyngsat->isHidden(), ini.isEmpty());
    QCOMPARE(f.ComboBox_lyngsat->currentIndex(), ini.isEmpty() ? -1 : 0);
    QCOMPARE(bool(f.SatellitesIni), !ini.isEmpty());
    saveScreenshot(&f, "loaded-window.png");

    // Saved unchanged: byte for byte the original, but for the zero-filled regions.
    const QByteArray expected = withZeroFilledRegions(original, 10, 6, 3);
    QVERIFY(!dirty || expected != original);
    const QString savedPath = drv.path(QStringLiteral("saved.si"));
    drv.modals.answerSave(savedPath);
    f.File1->actions().first()->trigger();
    QVERIFY(f.ImageSaved);
    QCOMPARE(readAll(savedPath), expected);

    // Closed two minutes after the save: the backup is written into the current directory.
    drv.env.advanceMinutes(2);
    QVERIFY(f.close());
    QVERIFY(drv.boxes().isEmpty());
    QCOMPARE(readAll(drv.backupPath()), expected);
}

void tst_EndToEnd::untouchedImageWithoutProvidersBacksUpItsOwnBytes() {
    // A receiver that never had a provider list: every channel names provider 0.
    ImageFixture fixture = ImageFixture::typical();
    fixture.providerBlocks.clear();
    for (auto& channel : fixture.channels)
        channel.ProviderIndex = 0;
    const QByteArray original = fixture.build();
    FormDriver drv;
    drv.pressLoad(drv.writeFile(QStringLiteral("receiver.si"), original));
    QVERIFY(drv.form->FileLoaded);
    QVERIFY(drv.form->close());
    QVERIFY(drv.boxes().isEmpty());
    QCOMPARE(readAll(drv.backupPath()), withZeroFilledRegions(original, 10, 6, 0));
}

QTEST_MAIN(tst_EndToEnd)
#include "tst_endtoend.moc"
