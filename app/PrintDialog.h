#pragma once

#include "app/LazyDialog.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QLineEdit;
class QPushButton;
class TRadioGroup;

namespace platform {
class PrintDocument;
}

/// The dialog that prints the names of the channel view. Made on first use and reused for every
/// opening; it keeps its settings between uses.
class TForm_drucken : public QDialog {
    Q_OBJECT
public:
    explicit TForm_drucken(QWidget* parent = nullptr);

    TRadioGroup* RadioGroup_druckspalten = nullptr; // "Spalten": 1, 2, 3 names side by side
    TRadioGroup* RadioGroup_seitenzahl = nullptr;   // "Seitenzahl": "alle" or "Anzahl"
    QLineEdit* Edit_druckseitenzahl = nullptr;      // pages printed at most with "Anzahl"
    QPushButton* BitBtn_drucken = nullptr;
    QPushButton* BitBtn_druckabbrechen = nullptr;

    /// The names printed, in row order. The main window's channel view unless a test puts others here.
    std::function<QStringList()> RowNames;

    /// Prints the list on the printer; the dialog stays open.
    void BitBtn_druckenClick();
    void BitBtn_druckabbrechenClick();
};

/// Rows printed per column.
inline constexpr int kPrintLinesPerColumn = 70;

/// The number of row n as printed: right-aligned by blanks to four places, then ")".
QString PrintLineNumberText(int n);

/// Prints names as a numbered list, columns side by side, 70 rows a column, page after page while rows
/// remain, stopping after the page whose rows reach limit (a limit of 0 or less prints one page).
/// Names are printed as 8-bit text.
void PrintNumberedList(platform::PrintDocument& document, const QStringList& names, int columns,
                       long long limit);

/// The one instance, made on first use once ProgramMain has set its owner.
extern LazyDialog<TForm_drucken> Form_drucken;
