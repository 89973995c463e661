// The favourite-group move, provider choice and print dialogs, driven through the main window and the
// scripted modal seam; printing into a recording canvas and into a real PDF file.
#include "FormDriver.h"

#include "app/FavouriteMoveDialog.h"
#include "app/PrintDialog.h"
#include "app/ProviderDialog.h"
#include "app/RadioGroup.h"
#include "app/SatelliteSettingsDialog.h"
#include "app/TransponderDialog.h"
#include "app/modules/LoadedModules.h"
#include "image/Fields.h"
#include "image/ImageFile.h"
#include "platform/QtPrinter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

using namespace platform;

namespace {

QList<int> members(const image::TFavGroupRecord& group) {
    QList<int> out;
    for (int i = 0; i < group.NumMembers; ++i)
        out << group.Entries[static_cast<std::size_t>(i)];
    return out;
}

/// The result a form closed with, as QDialog::exec returns it.
int resultOf(QDialog* form) {
    return form->result() == QDialog::Accepted ? mrOk : mrCancel;
}

/// A printer whose documents record every text as "page x y text", or that fails with an error.
class RecordingPrinter final : public Printer, public PrintDocument, public TCanvas {
public:
    RecordingPrinter() { setPrinter(this); }
    ~RecordingPrinter() override { setPrinter(nullptr); }
    QStringList texts;
    int documents = 0, pages = 0, ended = 0;

    std::unique_ptr<PrintDocument> BeginDoc(QString&) override {
        ++documents;
        pages = 1;
        return std::unique_ptr<PrintDocument>(new Handle(*this));
    }
    TCanvas& Canvas() override { return *this; }
    void NewPage() override { ++pages; }
    void EndDoc() override { ++ended; }
    void TextOut(int x, int y, const QString& text) override {
        texts << u"%1 %2 %3 %4"_qs.arg(pages - 1).arg(x).arg(y).arg(text);
    }

private:
    struct Handle final : PrintDocument {
        explicit Handle(RecordingPrinter& p) : owner(p) {}
        RecordingPrinter& owner;
        TCanvas& Canvas() override { return owner; }
        void NewPage() override { owner.NewPage(); }
        void EndDoc() override { owner.EndDoc(); }
    };
};

QStringList channelNames(int n) {
    QStringList names;
    for (int i = 1; i <= n; ++i)
        names << u"Sender %1"_qs.arg(i);
    return names;
}

/// Sets up the print dialog: names, columns (1..3), "alle" (pages null) or "Anzahl" with the text.
void setUpPrint(const QStringList& names, int columns, const QString& pages) {
    Form_drucken->RowNames = [names] { return names; };
    Form_drucken->RadioGroup_druckspalten->setItemIndex(columns - 1);
    Form_drucken->RadioGroup_seitenzahl->setItemIndex(pages.isNull() ? 0 : 1);
    Form_drucken->Edit_druckseitenzahl->setText(pages);
}

QStringList texts(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* text : list)
        out << QString::fromUtf8(text);
    return out;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setResolution(600);
    return printer;
}

} // namespace

class tst_SmallDialogs : public QObject {
    Q_OBJECT
private slots:
    void dialogsMadeOnFirstUse();
    void favMove_data();
    void favMove();
    void favMoveRefusals();
    void providerChoice_data();
    void providerChoice();
    void providerCancel_data();
    void providerCancel();
    void printLayout_data();
    void printLayout();
    void printRefusals_data();
    void printRefusals();
    void printFromPopupStaysOpen();
    void printToPdf();
};

// The start makes no dialog; each one appears with its first use, once, and goes with its owner.
void tst_SmallDialogs::dialogsMadeOnFirstUse() {
    QList<QDialog*> made;
    {
        FormDriver drv;
        QVERIFY(drv.form->findChildren<QDialog*>().isEmpty());
        made = {Form_satsettings, Form_favs, Form_transponder, Form_drucken, Form_provider};
        QCOMPARE(drv.form->findChildren<QDialog*>().size(), 5);
        QCOMPARE(Form_favs.get(), made[1]);
        QCOMPARE(&*Form_provider, made[4]);
        QCOMPARE(Form_drucken->parentWidget(), drv.form.get());
        QCOMPARE(drv.form->findChildren<QDialog*>().size(), 5);
    }
    QVERIFY(!Form_favs.get() && !Form_transponder.get());
    auto owner = std::make_unique<QWidget>();
    CreateDialogs(owner.get());
    QVERIFY(Form_satsettings.get());
    owner.reset();
    QVERIFY(!Form_satsettings.get());
    ForgetDialogs();
}
void tst_SmallDialogs::favMove_data() {
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("t");
    QTest::addColumn<QList<int>>("order"); // the group formerly at each place 1..9 after the move
    QTest::newRow("2 to 5") << 2 << 5 << QList<int>{1, 3, 4, 5, 2, 6, 7, 8, 9};
    QTest::newRow("7 to 1") << 7 << 1 << QList<int>{7, 1, 2, 3, 4, 5, 6, 8, 9};
    QTest::newRow("same place") << 4 << 4 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
}

void tst_SmallDialogs::favMove() {
    QFETCH(int, s);
    QFETCH(int, t);
    QFETCH(QList<int>, order);
    FormDriver drv;
    TForm1& f = *drv.form;
    QStringList names = u"Nachrichten Sport Kinder Musik Filme Doku Regional Ausland Radio"_qs.split(u' ');
    ImageFixture fixture = ImageFixture::typical();
    fixture.favGroups.clear();
    for (int g = 1; g <= 9; ++g)
        fixture.favGroups.push_back(ImageFixture::favGroup(names[g - 1], {g - 1, g % 10}));
    drv.pressLoad(drv.writeFile(u"groups.si"_qs, fixture.build()));
    QVERIFY(f.FileLoaded);
    const auto before = std::make_unique<image::SettingsImage>(image::Image());

    // The moved group's radio item holds a name longer than its record: the item keeps all of it.
    names[s - 1] = u"Lange Gruppe Nummer %1"_qs.arg(s);
    f.RadioGroup_fav->setItemIndex(s);
    drv.modals.answerInput(names[s - 1]);
    f.Favumbenennen1->trigger();

    QStringList targets;
    QString label;
    drv.modals.answerForm([&](QDialog* form) -> int {
        auto* favs = qobject_cast<TForm_favs*>(form);
        form->show();
        targets = favs->RadioGroup_fav_Verschieben_ziel->Items();
        label = favs->Label_fav_verschieben_startfav->text();
        favs->RadioGroup_fav_Verschieben_ziel->button(t - 1)->click();
        QTest::mouseClick(favs->BitBtn_fav_verschieben, Qt::LeftButton);
        return resultOf(form);
    });
    f.Verschieben1->trigger();
    QCOMPARE(drv.modals.shown().last().form, Form_favs.get());
    QCOMPARE(targets, names);
    QCOMPARE(label, u"Favorit "_qs + names[s - 1] + u"  verschieben ?"_qs);
    QVERIFY(!Form_favs->isVisible());
    QCOMPARE(Form_favs->result(), int(QDialog::Accepted));

    const image::SettingsImage& img = image::Image();
    for (int g = 1; g <= 9; ++g) {
        const QString name = names[order[g - 1] - 1];
        QCOMPARE(f.RadioGroup_fav->item(g), name);
        QCOMPARE(columnCaption(f.DataGrid_channels, 12 + g), name.left(4));
        QCOMPARE(columnCaption(f.DataGrid_lyngsat_vergleich, 12 + g), name.left(4));
        QCOMPARE(image::FavGroupDisplayName(img.FavGroups[g]), name.left(16));
        QCOMPARE(members(img.FavGroups[g]), members(before->FavGroups[order[g - 1]]));
    }

    // Saved and read again, the groups stand in their new order with their members.
    drv.modals.answerSave(drv.path(u"saved.si"_qs));
    f.Saveto1->trigger();
    auto reloaded = std::make_unique<image::SettingsImage>();
    QVERIFY(!image::readImageFile(drv.path(u"saved.si"_qs), *reloaded));
    QVERIFY(reloaded->FavGroups == img.FavGroups);
}

void tst_SmallDialogs::favMoveRefusals() {
    FormDriver drv;
    TForm1& f = *drv.form;
    for (int g = 1; g <= 9; ++g)
        image::StoreName(image::Image().FavGroups[g].GroupName, u"G%1"_qs.arg(g));
    const auto groups = image::Image().FavGroups;
    const QStringList items = f.RadioGroup_fav->Items();

    // No target chosen: the message, and the dialog stays open.
    f.RadioGroup_fav->setItemIndex(3);
    bool stayedOpen = false;
    drv.modals.answerForm([&](QDialog* form) -> int {
        form->show();
        QTest::mouseClick(Form_favs->BitBtn_fav_verschieben, Qt::LeftButton);
        stayedOpen = form->isVisible();
        form->close();
        return resultOf(form);
    });
    f.Verschieben1->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(drv.modals.shown()[1].type, MsgDlgType::Warning);
    QCOMPARE(drv.modals.shown()[1].buttons, unsigned(mbOK));

    // "alle": the command opens nothing, and the dialog opened anyway refuses and closes.
    f.RadioGroup_fav->setItemIndex(0);
    f.Verschieben1Click();
    QCOMPARE(drv.modals.shown().size(), 2);
    Form_favs->show();
    Form_favs->RadioGroup_fav_Verschieben_ziel->setItemIndex(4);
    QTest::mouseClick(Form_favs->BitBtn_fav_verschieben, Qt::LeftButton);
    QVERIFY(!Form_favs->isVisible());
    QCOMPARE(Form_favs->result(), int(QDialog::Rejected));

    QCOMPARE(drv.modals.texts(), (QStringList{u"Fehler! Zielfavgruppe auswählen."_qs,
                                              u"Fehler! Keine Favoritengruppe zum Verschieben gewählt."_qs}));
    QCOMPARE(f.RadioGroup_fav->Items(), items);
    QVERIFY(image::Image().FavGroups == groups);
    QCOMPARE(columnCaption(f.DataGrid_channels, 13), u"Fav1"_qs);
}

void tst_SmallDialogs::providerChoice_data() {
    QTest::addColumn<int>("mode"); // -1: none chosen
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QStringList>("radioItems");
    QTest::addColumn<int>("radioIndex");
    QTest::addColumn<bool>("radioModeEnabled");
    QTest::addColumn<int>("comboIndex");
    QTest::addColumn<int>("providerCount");
    QTest::addColumn<QString>("refusal"); // empty: accepted

    const QStringList beta{u"Beta"_qs};
    const QString choose = u"Bitte Provider auswählen !"_qs;
    QTest::newRow("no mode") << -1 << "Neu" << beta << 0 << true << 1 << 3 << "Bitte Auswahl treffen!";
    QTest::newRow("Neu, empty") << 0 << "" << beta << 0 << true << 1 << 3 << "Bitte Provider eingeben !";
    QTest::newRow("Neu, NUL characters only")
        << 0 << QString(3, QChar(0)) << beta << 0 << true << 1 << 3 << "Bitte Provider eingeben !";
    QTest::newRow("Neu") << 0 << "Delta" << beta << 0 << true << 1 << 3 << "";
    QTest::newRow("Neu, 462 providers") << 0 << "Delta" << beta << 0 << true << 1 << 462 << "";
    QTest::newRow("Neu, 463 providers: image full")
        << 0 << "Delta" << beta << 0 << true << 1 << 463 << u"Zuviele Provider ! "_qs + choose;
    QTest::newRow("Aus Radiogroup") << 1 << "" << beta << 0 << true << -1 << 3 << "";
    QTest::newRow("Aus Radiogroup, nothing chosen") << 1 << "" << beta << -1 << true << 1 << 3 << choose;
    QTest::newRow("Aus Radiogroup, disabled") << 1 << "" << beta << 0 << false << 1 << 3 << choose;
    QTest::newRow("Aus Radiogroup, name not listed")
        << 1 << "" << QStringList{u"Omega"_qs} << 0 << true << 1 << 3 << choose;
    QTest::newRow("Aus Combobox") << 2 << "" << beta << -1 << true << 2 << 3 << "";
    QTest::newRow("Aus Combobox, nothing chosen") << 2 << "Delta" << beta << 0 << true << -1 << 3 << choose;
}

void tst_SmallDialogs::providerChoice() {
    QFETCH(int, mode);
    QFETCH(QString, edit);
    QFETCH(QStringList, radioItems);
    QFETCH(int, radioIndex);
    QFETCH(bool, radioModeEnabled);
    QFETCH(int, comboIndex);
    QFETCH(int, providerCount);
    QFETCH(QString, refusal);
    FormDriver drv;
    const QStringList providers{u"Alpha"_qs, u"Beta"_qs, u"Gamma"_qs};
    drv.form->ListBox_provider->addItems(providers);
    image::Image().ProviderCount = providerCount;

    // Filled as the import fills it.
    TForm_provider& p = *Form_provider;
    p.RadioGroup_auswahl_Provider->setItemIndex(mode);
    p.Edit_provider->setText(edit);
    p.RadioGroup_provider->setItems(radioItems);
    p.RadioGroup_provider->setItemIndex(radioIndex);
    p.RadioGroup_auswahl_Provider->button(1)->setEnabled(radioModeEnabled);
    p.ComboBox_provider_lyngsat->addItems(providers);
    p.ComboBox_provider_lyngsat->setCurrentIndex(comboIndex);
    ProviderDialogOk = 0;

    bool openAfterClick = false;
    drv.modals.answerForm([&](QDialog* form) -> int {
        form->show();
        QTest::mouseClick(p.BitBtn_provider_uebernehmen, Qt::LeftButton);
        openAfterClick = form->isVisible();
        if (openAfterClick)
            QTest::mouseClick(p.BitBtn_abbrechen, Qt::LeftButton);
        return resultOf(form);
    });
    const int result = drv.modals.showModal(&p);

    QCOMPARE(drv.modals.texts(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
    QCOMPARE(openAfterClick, !refusal.isEmpty());
    QCOMPARE(result, refusal.isEmpty() ? int(mrOk) : int(mrCancel));
    QCOMPARE(ProviderDialogOk, std::uint8_t(refusal.isEmpty() ? 1 : 0));
    QCOMPARE(p.RadioGroup_auswahl_Provider->ItemIndex(), mode); // what the caller reads
    if (!refusal.isEmpty()) {
        QCOMPARE(drv.modals.shown()[1].type, MsgDlgType::Information);
        QCOMPARE(drv.modals.shown()[1].buttons, unsigned(mbOK));
    }
}

void tst_SmallDialogs::providerCancel_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Abbrechen") << 0;
    QTest::newRow("window's close button") << 1;
    QTest::newRow("Esc") << 2;
}

void tst_SmallDialogs::providerCancel() {
    QFETCH(int, how);
    FormDriver drv;
    TForm_provider& p = *Form_provider;
    QCOMPARE(p.BitBtn_provider_uebernehmen->text(), u"Provider übernehmen\r\n(und Channels einfügen)"_qs);
    p.RadioGroup_auswahl_Provider->setItemIndex(0);
    p.Edit_provider->setText(u"Delta"_qs);
    // First an accepted choice; the flag it set must not survive a cancel of the next opening.
    drv.modals.answerForm([&](QDialog* form) -> int {
        form->show();
        QTest::mouseClick(p.BitBtn_provider_uebernehmen, Qt::LeftButton);
        return resultOf(form);
    });
    drv.modals.answerForm([&](QDialog* form) -> int {
        form->show();
        if (how == 0)
            QTest::mouseClick(p.BitBtn_abbrechen, Qt::LeftButton);
        else if (how == 1)
            form->close();
        else
            QTest::keyClick(form, Qt::Key_Escape);
        return resultOf(form);
    });
    QCOMPARE(drv.modals.showModal(&p), int(mrOk));
    QCOMPARE(ProviderDialogOk, std::uint8_t{1});
    QCOMPARE(drv.modals.showModal(&p), int(mrCancel));
    QVERIFY(!p.isVisible());
    QCOMPARE(ProviderDialogOk, std::uint8_t{0});
    QVERIFY(drv.modals.texts().isEmpty());
}

void tst_SmallDialogs::printLayout_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("pages"); // null: "alle"
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<int>("printedRows");
    QTest::addColumn<QStringList>("texts"); // some of the texts printed: "page x y text"

    QTest::newRow("150 x 3, alle: one page")
        << 150 << 3 << QString() << 1 << 150
        << texts({"0 0 200    1)", "0 300 200 Sender 1", "0 0 920    9)", "0 0 1010   10)", "0 0 6410   70)",
                  "0 1500 200   71)", "0 1800 200 Sender 71", "0 1500 2810  100)", "0 3000 200  141)",
                  "0 3300 200 Sender 141", "0 3000 1010  150)"});
    QTest::newRow("150 x 1, Anzahl 2: rows 1-140")
        << 150 << 1 << u"2"_qs << 2 << 140
        << texts({"0 0 6410   70)", "1 0 200   71)", "1 300 6410 Sender 140"});
    QTest::newRow("150 x 2, alle: page 2 holds 141-150")
        << 150 << 2 << QString() << 2 << 150
        << texts({"0 1500 6410  140)", "1 0 200  141)", "1 0 1010  150)"});
    QTest::newRow("Anzahl 0: one page") << 150 << 1 << u"0"_qs << 1 << 70 << texts({"0 0 6410   70)"});
    QTest::newRow("Anzahl -2: one page") << 150 << 3 << u"-2"_qs << 1 << 150 << QStringList();
    QTest::newRow("Anzahl beyond the rows") << 150 << 1 << u"5"_qs << 3 << 150 << texts({"2 0 200  141)"});
    QTest::newRow("rows fill the page: no empty page")
        << 210 << 3 << QString() << 1 << 210 << texts({"0 3000 6410  210)"});
    QTest::newRow("1000 rows") << 1000 << 1 << QString() << 15 << 1000 << texts({"14 0 1910 1000)"});
    QTest::newRow("8-bit names") << 0 << 3 << QString() << 1 << 3
                                 << texts({"0 300 200 Größe €", "0 300 290 ?mega ??", "0 0 380    3)"});
}

void tst_SmallDialogs::printLayout() {
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QString, pages);
    QFETCH(int, pageCount);
    QFETCH(int, printedRows);
    QFETCH(QStringList, texts);
    FormDriver drv;
    RecordingPrinter printer;
    QStringList names = channelNames(rows);
    if (rows == 0)
        names = {u"Größe €"_qs, u"Ωmega ТВ"_qs, QString()};
    setUpPrint(names, 1, pages);
    Form_drucken->RadioGroup_druckspalten->button(columns - 1)->click();
    QTest::mouseClick(Form_drucken->BitBtn_drucken, Qt::LeftButton);

    QVERIFY(drv.modals.texts().isEmpty());
    QCOMPARE(printer.documents, 1);
    QCOMPARE(printer.ended, 1);
    QCOMPARE(printer.pages, pageCount);
    QCOMPARE(printer.texts.size(), 2 * printedRows); // a number and a name per row
    for (const QString& text : texts)
        QVERIFY2(printer.texts.contains(text), qPrintable(text));
}

void tst_SmallDialogs::printRefusals_data() {
    QTest::addColumn<QString>("pages");
    // "recording", "none" (no default printer), "unwritable", "module" (the program's, no printer set up
    // here), "nomodule" (the print module missing)
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const char* pages, const char* printer, const char* message) {
        QTest::newRow(name) << (pages ? QString::fromUtf8(pages) : QString()) << QString::fromUtf8(printer)
                            << QString::fromUtf8(message);
    };
    row("page count no number", "zwei", "recording", "'zwei' ist keine gültige Seitenzahl.");
    row("page count empty", "", "recording", "'' ist keine gültige Seitenzahl.");
    row("page count too large", "99999999999", "recording", "'99999999999' ist keine gültige Seitenzahl.");
    row("no default printer", nullptr, "none", "Kein Drucker vorhanden.");
    row("printer cannot start", nullptr, "unwritable", "Der Drucker konnte nicht gestartet werden.");
    row("print module, no printer", nullptr, "module", "Kein Drucker vorhanden.");
    row("print module missing", nullptr, "nomodule",
        "Das Druckmodul konnte nicht geladen werden, es kann nicht gedruckt werden.\n");
}

void tst_SmallDialogs::printRefusals() {
    QFETCH(QString, pages);
    QFETCH(QString, printer);
    QFETCH(QString, message);
    FormDriver drv;
    RecordingPrinter recording;
    const QString unwritable = drv.path(u"missing/dir/list.pdf"_qs);
    QtPrinter none([] { return std::unique_ptr<QPrinter>(); });
    QtPrinter failing([unwritable] { return pdfPrinter(unwritable); });
    ModulePrinter module(QStringLiteral(MODULE_DIR));
    ModulePrinter noModule(QStringLiteral(MODULE_DIR "/kein-ordner"));
    if (printer == QLatin1String("module") && !QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a default printer is set up here");
    const QHash<QString, Printer*> printers{{u"none"_qs, &none},
                                            {u"unwritable"_qs, &failing},
                                            {u"module"_qs, &module},
                                            {u"nomodule"_qs, &noModule}};
    if (printer != QLatin1String("recording"))
        setPrinter(printers.value(printer));

    setUpPrint(channelNames(20), 1, pages);
    Form_drucken->show();
    QTest::mouseClick(Form_drucken->BitBtn_drucken, Qt::LeftButton);
    setPrinter(nullptr);
    QCOMPARE(drv.modals.texts().size(), 1);
    if (printer == QLatin1String("nomodule"))
        QVERIFY2(drv.modals.texts().first().startsWith(message), qPrintable(drv.modals.texts().first()));
    else
        QCOMPARE(drv.modals.texts().first(), message);
    QCOMPARE(drv.modals.shown().first().buttons, unsigned(mbOK));
    QCOMPARE(recording.documents, 0);
    QVERIFY(!QFile::exists(unwritable));
    QVERIFY(Form_drucken->isVisible());
}

void tst_SmallDialogs::printFromPopupStaysOpen() {
    FormDriver drv;
    RecordingPrinter printer;
    TForm_drucken& d = *Form_drucken;
    QCOMPARE(d.RadioGroup_druckspalten->ItemIndex(), 2); // "3"
    QCOMPARE(d.RadioGroup_seitenzahl->ItemIndex(), 0);   // "alle"
    d.RowNames = [] { return channelNames(3); };
    bool openAfterPrinting = false;
    drv.modals.answerForm([&](QDialog* form) -> int {
        form->show();
        QTest::mouseClick(d.BitBtn_drucken, Qt::LeftButton);
        QTest::mouseClick(d.BitBtn_drucken, Qt::LeftButton);
        openAfterPrinting = form->isVisible();
        QTest::mouseClick(d.BitBtn_druckabbrechen, Qt::LeftButton);
        return resultOf(form);
    });
    drv.form->Drucken1->trigger();
    QCOMPARE(drv.modals.shown().last().form, &d);
    QVERIFY(openAfterPrinting);
    QVERIFY(!d.isVisible());
    QCOMPARE(printer.documents, 2);
    QCOMPARE(printer.texts.size(), 2 * 6);
}

void tst_SmallDialogs::printToPdf() {
    FormDriver drv;
    const QString pdf = drv.path(u"liste.pdf"_qs);
    QtPrinter toPdf([pdf] { return pdfPrinter(pdf); });
    setPrinter(&toPdf);
    setUpPrint(channelNames(150), 1, QString());
    QTest::mouseClick(Form_drucken->BitBtn_drucken, Qt::LeftButton);
    setPrinter(nullptr);

    QVERIFY(drv.modals.texts().isEmpty());
    const QByteArray bytes = readAll(pdf);
    QVERIFY(bytes.startsWith("%PDF"));
    // 70 + 70 + 10 rows: three pages.
    QCOMPARE(QString::fromLatin1(bytes).count(QRegularExpression(u"/Type\\s*/Page(?!s)"_qs)), 3);
}

QTEST_MAIN(tst_SmallDialogs)
#include "tst_smalldialogs.moc"
