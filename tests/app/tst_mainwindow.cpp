// The main window before and around a load: start form, screen fitting, refused files, renaming a
// favourite group, save-as and the backup rule.
#include "FormDriver.h"
#include "PixelProbe.h"
#include "SatelliteScenario.h"

#include "app/RadioGroup.h"
#include "grid/DgEdit.h"
#include "grid/DgGrid.h"
#include "image/ImageFile.h"
#include "image/Layout.h"
#include "widgets/ProgressCyl.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using image::layout::kImageSize;

class tst_MainWindow : public QObject {
    Q_OBJECT
private slots:
    void startWindow();
    void popupItemsInitialState();
    void radioGroupRunsClickHandler();

    void screenFitting_data();
    void screenFitting();
    void screenFittingUntickedMovesNothing();

    void refusedFileLoadsNothing_data();
    void refusedFileLoadsNothing();
    void cancelledOpenChangesNothing();

    void favRename_data();
    void favRename();
    void favRenameWithAlleChangesNothing();
    void favRenameCancelledChangesNothing();

    void backupRule_data();
    void backupRule();
    void failedSaveShowsErrorAndKeepsOldFile();
    void failedBackupShowsError();
    void beendenClosesAndWritesBackup();
    void aboutShowsModalWindowWithTitle();

    void gridsDrawNoLinesAndSixteenPixelRows_data();
    void gridsDrawNoLinesAndSixteenPixelRows();
};

void tst_MainWindow::startWindow() {
    FormDriver d;
    TForm1& f = *d.form;
    QCOMPARE(f.pos(), QPoint(400, 300));
    QCOMPARE(f.size(), QSize(450, 300));
    const QString title = f.windowTitle();
    QVERIFY(title.contains(QLatin1String("Quirnhagen")));
    QVERIFY(title.contains(QLatin1String("Pelmora")));
    QVERIFY(title.contains(QLatin1String("Korbix")));
    QVERIFY(!title.contains(QLatin1Char('\n')));
    QCOMPARE(f.font().pixelSize(), 11);

    QVERIFY(!f.menuBar()->isVisible());
    QVERIFY(!f.PageControl1->isVisible());
    QVERIFY(f.BitBtnLoad->isVisible());
    QCOMPARE(f.BitBtnLoad->text(), QStringLiteral("Load"));
    QCOMPARE(f.BitBtnLoad->geometry(), QRect(96, 80, 185, 105));
    QVERIFY(f.CheckBox_aufloesung_anpassung->isVisible());
    QVERIFY(f.CheckBox_aufloesung_anpassung->isChecked());
    QCOMPARE(f.CheckBox_aufloesung_anpassung->text(), QStringLiteral("anpassen an Bildschirmauflösung"));
    QVERIFY(!f.ProgressCyl_start->isVisible());
    QCOMPARE(f.ProgressCyl_start->geometry(), QRect(110, 240, 150, 22));
    QVERIFY(!f.ProgressBar1->isVisible());
    // The channel name's in-place editor waits hidden: yellow, borderless, 20 characters typed at most.
    QVERIFY(!f.DgEdit_channel->isVisible());
    QCOMPARE(f.DgEdit_channel->geometry(), QRect(664, 0, 121, 33));
    QCOMPARE(f.DgEdit_channel->MaxLength(), 20);
    QCOMPARE(f.DgEdit_channel->Color(), platform::clYellow);
    QVERIFY(f.DgEdit_channel->BorderStyle() == platform::TBorderStyle::bsNone);
    QVERIFY(!f.FileLoaded);
    QVERIFY(!f.ImageSaved);

    QStringList tabs;
    for (int i = 0; i < f.PageControl1->count(); ++i)
        tabs << f.PageControl1->tabText(i);
    QCOMPARE(tabs, (QStringList{QStringLiteral("Main"), QStringLiteral("Sat"),
                                QStringLiteral("Lyngsat-Parsing"), QStringLiteral("Lyngsat-Seiten")}));
    QCOMPARE(f.RadioGroup_fav->Items().size(), 10);
    QCOMPARE(f.RadioGroup_fav->item(0), QStringLiteral("alle"));
    QCOMPARE(f.RadioGroup_fav->ItemIndex(), 0);
    QVERIFY(f.RadioGroup_fav->isHidden());
    QVERIFY(f.ListBox_provider->isHidden());
    QCOMPARE(f.RadioGroup_filter->Items(),
             (QStringList{QStringLiteral("alle"), QStringLiteral("TV free"), QStringLiteral("Paytv"),
                          QStringLiteral("HD"), QStringLiteral("Radio")}));
    QCOMPARE(f.RadioGroup_tuner->Items(),
             (QStringList{QStringLiteral("beide"), QStringLiteral("Tuner 1"), QStringLiteral("Tuner2")}));
    QCOMPARE(f.Label_sendercount->text(), QStringLiteral("-----"));
    QCOMPARE(f.Label_satellit->text(), QStringLiteral("------"));
    QCOMPARE(f.DataGrid_channels->geometry(), QRect(280, 8, 945, 673));
    QCOMPARE(columnCaption(f.DataGrid_channels, 13), QStringLiteral("Fav1"));
    QCOMPARE(columnCaption(f.DataGrid_lyngsat_vergleich, 21), QStringLiteral("Fav9"));
    QVERIFY(!f.CheckBox_Loesche_sat_ohne_nachfragen->isChecked());
    QVERIFY(f.CheckBox_info_nach_satloeschen->isChecked());
}

void tst_MainWindow::popupItemsInitialState() {
    FormDriver d;
    TForm1& f = *d.form;
    struct Item {
        QAction* action;
        const char* caption;
        bool enabled;
    };
    const Item items[] = {
        {f.Saveto1, "Speichern unter ...", true},
        {f.Beenden1, "Beenden", true},
        {f.ber1, "Über...", true},
        {f.menuitem_loeschen, "löschen", true},
        {f.Drucken1, "Drucken...", true},
        {f.Verschieben1, "Verschieben...", false},
        {f.Favumbenennen1, "Fav umbenennen", false},
        {f.Transponderparameter_aendern, "Transponderparameter ändern", false},
        {f.neuerTransponder1, "neuer Transponder", false},
        {f.loescheTransponder1, "lösche Transponder", true},
        {f.loescheSatellit, "lösche Satellit", true},
        {f.loescheSatellit1, "lösche Satellit", true},
    };
    for (const Item& item : items) {
        QCOMPARE(item.action->text(), QString::fromUtf8(item.caption));
        QCOMPARE(item.action->isEnabled(), item.enabled);
    }
    QCOMPARE(f.File1->title(), QStringLiteral("Datei"));
    QCOMPARE(f.Hilfe1->title(), QStringLiteral("Hilfe"));
    for (QWidget* w : {static_cast<QWidget*>(f.RadioGroup_fav), static_cast<QWidget*>(f.TreeView_satellites),
                       static_cast<QWidget*>(f.DataGrid_channels), static_cast<QWidget*>(f.DataGrid_sats)})
        QCOMPARE(w->contextMenuPolicy(), Qt::CustomContextMenu);
}

void tst_MainWindow::radioGroupRunsClickHandler() {
    TRadioGroup group;
    group.resize(97, 185);
    group.setItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    group.show();
    int clicks = 0;
    group.OnClick = [&clicks] { ++clicks; };

    group.setItemIndex(1); // by code: the handler runs
    QCOMPARE(group.ItemIndex(), 1);
    QCOMPARE(clicks, 1);
    group.setItemIndex(1); // unchanged: no click
    QCOMPARE(clicks, 1);
    QTest::mouseClick(group.button(2), Qt::LeftButton);
    QCOMPARE(group.ItemIndex(), 2);
    QCOMPARE(clicks, 2);

    group.setItem(2, QStringLiteral("R&B")); // replaced in place, shown with its '&'
    QCOMPARE(group.item(2), QStringLiteral("R&B"));
    QCOMPARE(group.button(2)->text(), QStringLiteral("R&&B"));
    QCOMPARE(group.ItemIndex(), 2);
    group.setItemIndex(-1);
    QCOMPARE(group.ItemIndex(), -1);
    QVERIFY(!group.button(2)->isChecked());
    QCOMPARE(clicks, 2);
}

namespace {

// The fifteen controls the fitting changes, and whether it changes the height (else the top).
QList<QPair<QWidget*, bool>> fittedControls(TForm1& f) {
    return {{f.DataGrid_channels, true},
            {f.Label_sendercount, false},
            {f.ProgressBar1, false},
            {f.RadioGroup_tuner, false},
            {f.RadioGroup_filter, false},
            {f.Panel_suche, false},
            {f.Label_satellit, false},
            {f.Label_transp_count, false},
            {f.TreeView_satellites, true},
            {f.DataGrid_sats, true},
            {f.WebBrowser1, true},
            {f.DataGrid_lyngsat_vergleich, false},
            {f.DataGrid_lyngsat_sender, false},
            {f.DataGrid_lyngsat, true},
            {f.BitBtn_select_all_lyngsat_channels, false}};
}

QList<QRect> geometries(TForm1& f) {
    QList<QRect> out;
    for (const auto& [control, height] : fittedControls(f))
        out << control->geometry();
    return out;
}

} // namespace

void tst_MainWindow::screenFitting_data() {
    QTest::addColumn<int>("monitorHeight");
    QTest::addColumn<int>("d");
    QTest::newRow("1024 pixels") << 1024 << 224;
    QTest::newRow("768 pixels") << 768 << -32;
    QTest::newRow("800 pixels") << 800 << 0;
}

void tst_MainWindow::screenFitting() {
    QFETCH(int, monitorHeight);
    QFETCH(int, d);
    FormDriver drv;
    TForm1& f = *drv.form;
    platform::setMonitorHeightOverride(monitorHeight);
    const QList<QRect> before = geometries(f);

    drv.pressLoad(QString()); // cancelled: the fitting stays applied
    const QList<QRect> after = geometries(f);
    const auto controls = fittedControls(f);
    for (int i = 0; i < controls.size(); ++i) {
        const QRect expected =
            controls[i].second ? before[i].adjusted(0, 0, 0, d) : before[i].translated(0, d);
        QCOMPARE(after[i], expected);
    }
    QCOMPARE(f.DataGrid_channels->height(), 673 + d);
    QCOMPARE(f.Label_sendercount->y(), 682 + d);
    QVERIFY(f.screenFitted());

    drv.pressLoad(QString()); // a second press never fits again
    QCOMPARE(geometries(f), after);
    QVERIFY(!f.FileLoaded);
    QVERIFY(f.ProgressCyl_start->isVisible()); // shown before the dialog, as the load leaves it
}

void tst_MainWindow::screenFittingUntickedMovesNothing() {
    FormDriver drv;
    TForm1& f = *drv.form;
    platform::setMonitorHeightOverride(1024);
    f.CheckBox_aufloesung_anpassung->setChecked(false);
    const QList<QRect> before = geometries(f);
    drv.pressLoad(QString());
    QCOMPARE(geometries(f), before);
    QVERIFY(!f.screenFitted());
}

void tst_MainWindow::refusedFileLoadsNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray good = ImageFixture::typical().build();
    const QString wrongSize = QStringLiteral("Dateigröße paßt nicht ! muß 722992 bytes sein.");
    QTest::newRow("one byte short") << good.left(kImageSize - 1) << wrongSize;
    QTest::newRow("one byte over") << good + QByteArray(1, '\0') << wrongSize;
    QTest::newRow("empty file") << QByteArray() << wrongSize;

    ImageFixture tooMany = ImageFixture::typical();
    tooMany.countsOverride = image::TChannelCounts{3, 0, 20001, 100, {}};
    ImageFixture moreTvThanAll = ImageFixture::typical();
    moreTvThanAll.countsOverride = image::TChannelCounts{3, 0, 10, 11, {}};
    QTest::newRow("20001 channels") << tooMany.build() << QString();
    QTest::newRow("more TV than channels") << moreTvThanAll.build() << QString();
}

void tst_MainWindow::refusedFileLoadsNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    FormDriver drv;
    TForm1& f = *drv.form;
    const QString file = drv.writeFile(QStringLiteral("refused.si"), bytes);
    drv.pressLoad(file);

    QCOMPARE(drv.modals.shown().size(), 2); // the open dialog and one warning
    const ShownBox& box = drv.modals.shown().last();
    QCOMPARE(box.kind, ShownBox::Kind::MessageDlg);
    QCOMPARE(box.type, platform::MsgDlgType::Warning);
    QCOMPARE(box.buttons, unsigned(platform::mbCancel));
    if (!message.isEmpty())
        QCOMPARE(box.text, message);
    else
        QVERIFY(box.text.contains(QLatin1String("20000")));

    QVERIFY(!f.FileLoaded);
    QVERIFY(image::Image().HeaderBlocks[1] == image::TImageHeaderBlock{}); // not even the header taken
    QCOMPARE(image::Image().ChannelCount, 0);
    QCOMPARE(image::Image().SatelliteCount, 0);
    QCOMPARE(image::Image().TransponderCount, 0);
    QCOMPARE(image::Image().ProviderCount, 0);
    QCOMPARE(f.ListBox_provider->count(), 0);
    QCOMPARE(f.RadioGroup_fav->item(1), QStringLiteral("Fav1"));
    QVERIFY(f.BitBtnLoad->isVisible());
    QVERIFY(!f.PageControl1->isVisible());

    f.close();
    QVERIFY(!QFile::exists(drv.backupPath())); // nothing loaded: no backup
}

void tst_MainWindow::cancelledOpenChangesNothing() {
    FormDriver drv;
    TForm1& f = *drv.form;
    drv.pressLoad(QString());
    QCOMPARE(drv.modals.shown().size(), 1);
    QCOMPARE(drv.modals.shown().first().kind, ShownBox::Kind::Open);
    QVERIFY(!f.FileLoaded);
    QVERIFY(f.BitBtnLoad->isVisible());
    f.close();
    QVERIFY(!QFile::exists(drv.backupPath()));
}

void tst_MainWindow::favRename_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("record");
    // The 16 name bytes: the given ones, zero-padded.
    const auto name16 = [](const char* bytes, int n) {
        return QByteArray(bytes, n) + QByteArray(16 - n, '\0');
    };
    QTest::newRow("20 characters") << 3 << QStringLiteral("Abcdefghijklmnopqrst")
                                   << name16("Abcdefghijklmnop", 16);
    QTest::newRow("short name zero-filled") << 9 << QStringLiteral("Kino") << name16("Kino", 4);
    QTest::newRow("codes 1 to 25 become 0") << 1
                                            << QStringLiteral("A\x01"
                                                              "B\x19"
                                                              "C\x1A"
                                                              "D")
                                            << name16("A\0B\0C\x1A"
                                                      "D",
                                                      7);
    QTest::newRow("umlaut as one byte") << 5 << QStringLiteral("Größe")
                                        << name16("Gr\xF6\xDF"
                                                  "e",
                                                  5);
    QTest::newRow("empty name") << 2 << QString() << name16("", 0);
}

void tst_MainWindow::favRename() {
    QFETCH(int, group);
    QFETCH(QString, typed);
    QFETCH(QByteArray, record);
    FormDriver drv;
    TForm1& f = *drv.form;
    image::Image().FavGroups[group].GroupName.fill(0x55);
    const image::TFavGroupRecord before = image::Image().FavGroups[group];

    f.RadioGroup_fav->setItemIndex(group); // selecting a group enables the pop-up item
    QVERIFY(f.Favumbenennen1->isEnabled());
    QVERIFY(f.Verschieben1->isEnabled());
    drv.modals.answerInput(typed);
    f.Favumbenennen1->trigger();

    const ShownBox& box = drv.modals.shown().last();
    QCOMPARE(box.kind, ShownBox::Kind::Input);
    QCOMPARE(box.caption, QStringLiteral(" Favorit umbenennen ?"));
    QCOMPARE(box.text, QStringLiteral("Bitte den neuen Namen für die Favoritengruppe eingeben: "));
    QCOMPARE(f.RadioGroup_fav->item(group), typed);
    QCOMPARE(columnCaption(f.DataGrid_channels, 12 + group), typed.left(4));
    QCOMPARE(columnCaption(f.DataGrid_lyngsat_vergleich, 12 + group), typed.left(4));

    const image::TFavGroupRecord& after = image::Image().FavGroups[group];
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(after.GroupName.data()), 16), record);
    QVERIFY(after.Entries == before.Entries); // only the name changes
    QCOMPARE(after.NumMembers, before.NumMembers);
}

void tst_MainWindow::favRenameWithAlleChangesNothing() {
    FormDriver drv;
    TForm1& f = *drv.form;
    f.RadioGroup_fav->setItemIndex(4);
    f.RadioGroup_fav->setItemIndex(0); // "alle"
    QVERIFY(!f.Verschieben1->isEnabled());
    const auto before = image::Image().FavGroups;
    const QStringList items = f.RadioGroup_fav->Items();
    drv.modals.answerInput(QStringLiteral("Neu"));
    f.Favumbenennen1->trigger();
    QVERIFY(drv.modals.shown().isEmpty()); // not even asked
    QCOMPARE(f.RadioGroup_fav->Items(), items);
    QVERIFY(image::Image().FavGroups == before);
    for (int g = 1; g <= 9; ++g)
        QCOMPARE(columnCaption(f.DataGrid_channels, 12 + g), QStringLiteral("Fav%1").arg(g));
}

void tst_MainWindow::favRenameCancelledChangesNothing() {
    FormDriver drv;
    TForm1& f = *drv.form;
    f.RadioGroup_fav->setItemIndex(2);
    const image::TFavGroupRecord before = image::Image().FavGroups[2];
    drv.modals.answerInput(std::nullopt);
    f.Favumbenennen1->trigger();
    QCOMPARE(f.RadioGroup_fav->item(2), QStringLiteral("Fav2"));
    QCOMPARE(columnCaption(f.DataGrid_channels, 14), QStringLiteral("Fav2"));
    QVERIFY(image::Image().FavGroups[2] == before);
}

void tst_MainWindow::backupRule_data() {
    QTest::addColumn<QString>("saveAnswer"); // empty: no save-as; "-": cancelled; else a file name
    QTest::addColumn<double>("minutesToClose");
    QTest::addColumn<bool>("backup");
    QTest::newRow("never saved") << QString() << 0.0 << true;
    QTest::newRow("saved, closed after 1.4 minutes") << QStringLiteral("saved.si") << 1.4 << false;
    QTest::newRow("saved, closed after 1.6 minutes") << QStringLiteral("saved.si") << 1.6 << true;
    QTest::newRow("save cancelled, closed at once") << QStringLiteral("-") << 0.0 << true;
}

void tst_MainWindow::backupRule() {
    QFETCH(QString, saveAnswer);
    QFETCH(double, minutesToClose);
    QFETCH(bool, backup);
    FormDriver drv;
    TForm1& f = *drv.form;
    drv.pressLoad(drv.writeFile(QStringLiteral("image.si"), ImageFixture::typical().build()));
    QVERIFY(f.FileLoaded);

    if (!saveAnswer.isEmpty()) {
        drv.modals.answerSave(saveAnswer == QLatin1String("-") ? QString() : drv.path(saveAnswer));
        f.Saveto1->trigger();
        QCOMPARE(f.ImageSaved, saveAnswer != QLatin1String("-"));
    }
    drv.env.advanceMinutes(minutesToClose);
    f.close();
    QCOMPARE(QFile::exists(drv.backupPath()), backup);
    QVERIFY(drv.boxes().isEmpty());
}

void tst_MainWindow::failedSaveShowsErrorAndKeepsOldFile() {
    FormDriver drv;
    TForm1& f = *drv.form;
    drv.pressLoad(drv.writeFile(QStringLiteral("image.si"), ImageFixture::typical().build()));
    // The target is a directory: the write fails and nothing counts as saved.
    QVERIFY(QDir(drv.dir.path()).mkdir(QStringLiteral("adir")));
    drv.modals.answerSave(drv.path(QStringLiteral("adir")));
    f.Saveto1->trigger();
    QCOMPARE(drv.modals.shown().last().kind, ShownBox::Kind::Error);
    QVERIFY(QFileInfo(drv.path(QStringLiteral("adir"))).isDir());
    QVERIFY(!f.ImageSaved);

    // An oversized table is refused without touching the existing file.
    const QString target = drv.writeFile(QStringLiteral("old.si"), QByteArray("old contents"));
    image::Image().ChannelCount = image::layout::kMaxChannels + 1;
    drv.modals.answerSave(target);
    f.Saveto1->trigger();
    QCOMPARE(drv.modals.shown().last().kind, ShownBox::Kind::Error);
    QCOMPARE(readAll(target), QByteArray("old contents"));
    QVERIFY(!f.ImageSaved);
    image::Image().ChannelCount = 10;

    f.close(); // no save was written, so the backup is due at once
    QVERIFY(QFile::exists(drv.backupPath()));
}

void tst_MainWindow::failedBackupShowsError() {
    FormDriver drv;
    TForm1& f = *drv.form;
    drv.pressLoad(drv.writeFile(QStringLiteral("image.si"), ImageFixture::typical().build()));
    drv.env.setCurrentDirectory(drv.path(QStringLiteral("gone")));
    f.close();
    QCOMPARE(drv.modals.shown().last().kind, ShownBox::Kind::Error);
    QVERIFY(!QFile::exists(drv.backupPath()));
}

void tst_MainWindow::beendenClosesAndWritesBackup() {
    FormDriver drv;
    TForm1& f = *drv.form;
    drv.pressLoad(drv.writeFile(QStringLiteral("image.si"), ImageFixture::typical().build()));
    f.Beenden1->trigger();
    QVERIFY(!f.isVisible());
    QVERIFY(drv.modals.shown().size() == 1); // nothing asked
    QVERIFY(QFile::exists(drv.backupPath()));
}

void tst_MainWindow::aboutShowsModalWindowWithTitle() {
    FormDriver drv;
    TForm1& f = *drv.form;
    QString shownTitle;
    drv.modals.answerForm([&shownTitle](QDialog* form) {
        shownTitle = form->windowTitle();
        return int(platform::mrOk);
    });
    f.ber1->trigger();
    QCOMPARE(drv.modals.shown().size(), 1);
    QCOMPARE(drv.modals.shown().first().kind, ShownBox::Kind::Form);
    QCOMPARE(shownTitle, f.windowTitle());
}

void tst_MainWindow::gridsDrawNoLinesAndSixteenPixelRows_data() {
    using grid::TGridOption;
    QTest::addColumn<int>("which");
    QTest::addColumn<unsigned>("options");
    QTest::addColumn<int>("column"); // one the list stripes
    const grid::TGridOptions plain = TGridOption::goHeader | TGridOption::goSelectFullRow;
    const grid::TGridOptions multi = plain | TGridOption::goMultiSelect;
    QTest::newRow("channels") << 0 << unsigned(multi.toInt()) << 0;
    QTest::newRow("satellites") << 1 << unsigned(plain.toInt()) << 0;
    QTest::newRow("web transponders") << 2 << unsigned(plain.toInt()) << 1;
    QTest::newRow("web channels") << 3 << unsigned(plain.toInt()) << 3;
    QTest::newRow("comparison") << 4 << unsigned(multi.toInt()) << 0;
}

void tst_MainWindow::gridsDrawNoLinesAndSixteenPixelRows() {
    QFETCH(int, which);
    QFETCH(unsigned, options);
    QFETCH(int, column);
    FormDriver drv;
    loadScenario(drv, ImageFixture::typical());
    TForm1& f = *drv.form;
    f.DataGrid_lyngsat->AddRow(4);
    f.DataGrid_lyngsat_sender->AddRow(4);
    for (int i = 1; i <= 4; ++i)
        f.AddComparisonRow(i, image::Image().Channels[i].TransponderIndex + 1);
    grid::TDataGrid* g =
        QList<grid::TDataGrid*>{f.DataGrid_channels, f.DataGrid_sats, f.DataGrid_lyngsat,
                                f.DataGrid_lyngsat_sender, f.DataGrid_lyngsat_vergleich}[which];
    QCOMPARE(unsigned(g->Options().toInt()), options);
    QVERIFY(g->RowCount() >= 3);
    QWidget* tab = g;
    while (f.PageControl1->indexOf(tab) < 0)
        tab = tab->parentWidget();
    f.PageControl1->setCurrentWidget(tab);
    g->SetGridLinesColor(0xFF00FF); // a colour nothing else in the lists uses

    // Even rows are striped; each stripe starts two rows below the one before.
    const QImage picture = g->viewport()->grab().toImage();
    platform::TRect cell;
    g->GetCellRect(column, 0, cell);
    const int x = cell.Right - 6;
    QList<int> stripeStarts;
    for (int y = 1; y < picture.height(); ++y)
        if (pixelprobe::at(picture, x, y) == 0xDDECEE && pixelprobe::at(picture, x, y - 1) != 0xDDECEE)
            stripeStarts << y;
    QVERIFY(stripeStarts.size() >= 2);
    for (int i = 1; i < stripeStarts.size(); ++i)
        QCOMPARE(stripeStarts[i] - stripeStarts[i - 1], 32);
    int linePixels = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            linePixels += pixelprobe::at(picture, x, y) == 0xFF00FF;
    QCOMPARE(linePixels, 0);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
