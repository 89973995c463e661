#include "app/PrintDialog.h"

#include "app/MainWindow.h"
#include "app/RadioGroup.h"
#include "platform/Canvas.h"
#include "platform/Conversions.h"
#include "platform/Cp1252.h"
#include "platform/Exceptions.h"
#include "platform/Modals.h"
#include "platform/Printer.h"

#include <QLineEdit>
#include <QPushButton>

LazyDialog<TForm_drucken> Form_drucken;

namespace {

// Printer device units.
constexpr int kFirstLineY = 200;
constexpr int kLineStep = 90;
constexpr int kNumberX[] = {0, 1500, 3000};
constexpr int kNameX[] = {300, 1800, 3300};

void PrintLineNumber(platform::TCanvas& canvas, int x, int y, long long n) {
    canvas.TextOut(x, y, PrintLineNumberText(static_cast<int>(n)));
}

} // namespace

TForm_drucken::TForm_drucken(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Drucken"));
    setFont(platform::DefaultFont());
    setFixedSize(265, 177);

    RadioGroup_druckspalten = new TRadioGroup(this);
    RadioGroup_druckspalten->setTitle(QStringLiteral("Spalten"));
    RadioGroup_druckspalten->setGeometry(16, 16, 105, 89);
    RadioGroup_druckspalten->setItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    RadioGroup_druckspalten->setItemIndex(2);

    RadioGroup_seitenzahl = new TRadioGroup(this);
    RadioGroup_seitenzahl->setTitle(QStringLiteral("Seitenzahl"));
    RadioGroup_seitenzahl->setGeometry(136, 16, 113, 57);
    RadioGroup_seitenzahl->setItems({QStringLiteral("alle"), QStringLiteral("Anzahl")});
    RadioGroup_seitenzahl->setItemIndex(0);

    Edit_druckseitenzahl = new QLineEdit(QStringLiteral("1"), this);
    Edit_druckseitenzahl->setGeometry(136, 84, 113, 21);

    BitBtn_drucken = new QPushButton(QStringLiteral("Drucken"), this);
    BitBtn_drucken->setGeometry(16, 128, 105, 33);
    BitBtn_druckabbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn_druckabbrechen->setGeometry(136, 128, 113, 33);
    connect(BitBtn_drucken, &QPushButton::clicked, this, &TForm_drucken::BitBtn_druckenClick);
    connect(BitBtn_druckabbrechen, &QPushButton::clicked, this, &TForm_drucken::BitBtn_druckabbrechenClick);

    RowNames = [] { return Form1 ? Form1->channelGridNames() : QStringList(); };
}

void TForm_drucken::BitBtn_druckenClick() {
    const QStringList names = RowNames ? RowNames() : QStringList();
    const int columns = qBound(1, RadioGroup_druckspalten->ItemIndex() + 1, 3);
    long long limit = names.size();
    if (RadioGroup_seitenzahl->ItemIndex() == 1) {
        // Checked before the printer starts, so a bad count prints nothing.
        int pages = 0;
        try {
            pages = platform::StrToInt(Edit_druckseitenzahl->text());
        } catch (const platform::EConvertError&) {
            platform::modals().messageDlg(
                QStringLiteral("'%1' ist keine gültige Seitenzahl.").arg(Edit_druckseitenzahl->text()),
                platform::MsgDlgType::Warning, platform::mbOK);
            return;
        }
        limit = static_cast<long long>(pages) * columns * kPrintLinesPerColumn;
    }
    QString error;
    const std::unique_ptr<platform::PrintDocument> document = platform::printer().BeginDoc(error);
    if (!document) {
        platform::modals().messageDlg(error, platform::MsgDlgType::Warning, platform::mbOK);
        return;
    }
    PrintNumberedList(*document, names, columns, limit);
    document->EndDoc();
}

void TForm_drucken::BitBtn_druckabbrechenClick() {
    reject();
}

QString PrintLineNumberText(int n) {
    const int blanks = n < 10 ? 3 : n < 100 ? 2 : n < 1000 ? 1 : 0;
    return QString(blanks, QLatin1Char(' ')) + QString::number(n) + QLatin1Char(')');
}

void PrintNumberedList(platform::PrintDocument& document, const QStringList& names, int columns,
                       long long limit) {
    platform::TCanvas& canvas = document.Canvas();
    const long long count = names.size();
    const long long perPage = static_cast<long long>(columns) * kPrintLinesPerColumn;
    for (long long page = 0;; ++page) {
        int y = kFirstLineY;
        for (int line = 1; line <= kPrintLinesPerColumn; ++line) {
            for (int k = 0; k < columns; ++k) {
                const long long n = page * perPage + k * kPrintLinesPerColumn + line;
                if (n > count)
                    continue;
                PrintLineNumber(canvas, kNumberX[k], y, n);
                const QString name = names[static_cast<qsizetype>(n - 1)];
                canvas.TextOut(kNameX[k], y, platform::fromCp1252(platform::toCp1252(name)));
            }
            y += kLineStep;
        }
        // The rows covered so far include this page's.
        const long long covered = (page + 1) * perPage;
        if (covered >= limit || covered >= count)
            break;
        document.NewPage();
    }
}
