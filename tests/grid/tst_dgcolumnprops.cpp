// Column properties: what every setter reports, the exclusive flags, formatting, keys, editing flags and
// the editors the columns prepare.
#include "ColumnsGridFake.h"
#include "grid/DgColumnClasses.h"
#include "grid/DgColumns.h"
#include "grid/DgDisplays.h"
#include "platform/FormatFloat.h"

#include <QLocale>
#include <QtTest>
#include <functional>
#include <memory>

using namespace grid;
using namespace Qt::StringLiterals;
using namespace platform;

using Setter = std::function<void(TDgCustomColumn&)>;
Q_DECLARE_METATYPE(Setter)

namespace {

/// A column of the base class: no traits, no editor, no play.
class PlainColumn : public TDgCustomColumn {
protected:
    std::unique_ptr<TColumnDisplay> CreateDisplay() override {
        return std::make_unique<TTextColumnDisplay>(this);
    }
};

/// A column class that refuses to be the sort column.
class UnsortableColumn : public TDgTextColumn {
public:
    unsigned GetColumnTraits() const override { return TDgTextColumn::GetColumnTraits() | trait::NoSorting; }
};

/// A grid with two text columns whose notifications, subscriber notices included, land in one log.
struct TwoColumns {
    ColumnsGridFake grid;
    TDgColumns columns{&grid};
    TDgTextColumn* first = new TDgTextColumn;
    TDgTextColumn* second = new TDgTextColumn;

    TwoColumns() {
        columns.AddColumn(first);
        columns.AddColumn(second);
        second->AddSubscriber([this](TDgCustomColumn*, ColumnNotice notice) {
            grid.log << QStringLiteral("notice %1").arg(static_cast<int>(notice));
        });
        grid.take();
    }
};

template <class T> Setter on(std::function<void(T&)> f) {
    return [f](TDgCustomColumn& c) { f(dynamic_cast<T&>(c)); };
}

} // namespace

class TestDgColumnProps : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void settersReport_data();
    void settersReport();
    void fontSetterLeavesTheGridFont();
    void widthIsNeverBelowMinWidth();
    void sortedIsExclusive();
    void sortedIgnoredByUnsortableClass();
    void searchColumnIsExclusive();
    void outsideACollectionOnlyStores();
    void classDefaults();
    void formatValue_data();
    void formatValue();
    void formatFloat_data();
    void formatFloat();
    void isValidKey_data();
    void isValidKey();
    void columnFlags();
    void freedInplaceEditIsForgotten();
    void prepareTextEditor();
    void prepareNumberEditor();
    void partsAssign();
    void columnAssign();
    void subscribersCanLeave();
};

void TestDgColumnProps::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestDgColumnProps::cleanupTestCase() {
    QLocale::setDefault(QLocale::c());
}

void TestDgColumnProps::settersReport_data() {
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QStringList>("expected");
    const QString appearance = QStringLiteral("change 1 6 -1");
    auto row = [](const char* name, Setter set, QStringList expected) {
        QTest::newRow(name) << set << expected;
    };
    row("Alignment", [](TDgCustomColumn& c) { c.SetAlignment(TAlignment::taCenter); },
        {u"notice 0"_s, appearance});
    row("BiDiMode", [](TDgCustomColumn& c) { c.SetBiDiMode(TBiDiMode::bdRightToLeft); }, {appearance});
    row("Color", [](TDgCustomColumn& c) { c.SetColor(clRed); }, {u"notice 2"_s, appearance});
    row("Cursor", [](TDgCustomColumn& c) { c.SetCursor(crHandPoint); }, {appearance});
    row("DrawingOptions", [](TDgCustomColumn& c) { c.SetDrawingOptions(TDrawingOptions::doCustom); },
        {u"notice 3"_s, appearance});
    row("InputCaption", [](TDgCustomColumn& c) { c.SetInputCaption(QStringLiteral("x")); }, {appearance});
    row("InputValue", [](TDgCustomColumn& c) { c.SetInputValue(QStringLiteral("x")); }, {u"change 1 1 -1"_s});
    row("SlideCaptionLocation",
        [](TDgCustomColumn& c) { c.SetSlideCaptionLocation(TSlideCatpionLocation::clLeft); }, {appearance});
    row("VerticalAlignment",
        [](TDgCustomColumn& c) { c.SetVerticalAlignment(TVerticalAlignment::taAlignTop); }, {appearance});
    row("SortKind", [](TDgCustomColumn& c) { c.SetSortKind(TSortKind::skDescending); }, {u"change 1 5 -1"_s});
    row("SortType", [](TDgCustomColumn& c) { c.SetSortType(TSortType::stNumeric); }, {u"change 1 5 -1"_s});
    row("ParentCellColor", [](TDgCustomColumn& c) { c.SetParentCellColor(true); }, {u"refresh 1 1"_s});
    row("WrapKind", [](TDgCustomColumn& c) { c.SetWrapKind(TWrapKind::wkWordWrap); }, {u"refresh 1 1"_s});
    row("SlideCaption", [](TDgCustomColumn& c) { c.SetSlideCaption(QStringLiteral("x")); },
        {u"refresh 1 0"_s});
    row("Visible", [](TDgCustomColumn& c) { c.SetVisible(false); }, {u"notice 6"_s, u"change 1 7 -1"_s});
    row("Visible unchanged", [](TDgCustomColumn& c) { c.SetVisible(true); }, {});
    row("Options", [](TDgCustomColumn& c) { c.SetOptions(c.Options() | TColumnOption::coEditing); },
        {appearance, u"notice 2"_s});
    // The column right of an 80-pixel one takes the rest of the 600 pixels.
    row("Options coAutoSize",
        [](TDgCustomColumn& c) { c.SetOptions(c.Options() | TColumnOption::coAutoSize); },
        {u"change 1 9 440"_s, appearance, u"notice 2"_s});
    row("Width", [](TDgCustomColumn& c) { c.SetWidth(100); }, {u"change 1 9 20"_s});
    row("Name", [](TDgCustomColumn& c) { c.SetName(QStringLiteral("Nr")); }, {u"notice 1"_s});
    row("Enabled, DefaultValue, MinWidth",
        [](TDgCustomColumn& c) {
            c.SetEnabled(false);
            c.SetDefaultValue(QStringLiteral("1"));
            c.SetMinWidth(4);
        },
        {});
    row("ParentFont", [](TDgCustomColumn& c) { c.SetParentFont(true); }, {});
    row("header Caption", [](TDgCustomColumn& c) { c.Header()->SetCaption(QStringLiteral("Fav 1")); },
        {u"notice 1"_s, u"refresh 1 0"_s});
    row("header Color", [](TDgCustomColumn& c) { c.Header()->SetColor(clYellow); }, {u"refresh 1 0"_s});
    row("header Alignment", [](TDgCustomColumn& c) { c.Header()->SetAlignment(TAlignment::taCenter); },
        {u"refresh 1 3"_s});
    row("header HideArrow", [](TDgCustomColumn& c) { c.Header()->SetHideArrow(false); }, {u"refresh 1 3"_s});
    row("header DisplayMode",
        [](TDgCustomColumn& c) { c.Header()->SetDisplayMode(TDisplayMode::dmImageOnly); }, {appearance});
    row("header Glyph",
        [](TDgCustomColumn& c) { c.Header()->SetGlyph(TBitmap(QImage(4, 4, QImage::Format_RGB32))); },
        {appearance});
    row("header Hint", [](TDgCustomColumn& c) { c.Header()->SetHint(QStringLiteral("x")); }, {});
    row("footer Alignment", [](TDgCustomColumn& c) { c.Footer()->SetAlignment(TAlignment::taRightJustify); },
        {u"refresh 1 2"_s});
    row("footer FormulaKind", [](TDgCustomColumn& c) { c.Footer()->SetFormulaKind(TFormulaKind::fkSum); },
        {appearance});
    row("footer TextAfter", [](TDgCustomColumn& c) { c.Footer()->SetTextAfter(QStringLiteral("x")); },
        {appearance});
    row("slide Left", [](TDgCustomColumn& c) { c.SlideBounds()->SetLeft(8); }, {u"change 1 3 -1"_s});
    row("slide Width unchanged", [](TDgCustomColumn& c) { c.SlideBounds()->SetWidth(80); }, {});
    row("slide Height", [](TDgCustomColumn& c) { c.SlideBounds()->SetHeight(20); }, {u"change 1 3 -1"_s});
    row("text TextAfter", on<TDgTextColumn>([](TDgTextColumn& c) { c.SetTextAfter(QStringLiteral("]")); }),
        {u"refresh 1 1"_s});
    row("text PasswordChar", on<TDgTextColumn>([](TDgTextColumn& c) { c.SetPasswordChar(QLatin1Char('*')); }),
        {u"refresh 1 1"_s});
    row("text MaxLength", on<TDgTextColumn>([](TDgTextColumn& c) { c.SetMaxLength(3); }), {u"refresh 1 1"_s});
}

void TestDgColumnProps::settersReport() {
    QFETCH(Setter, set);
    QFETCH(QStringList, expected);
    TwoColumns t;
    set(*t.second);
    QCOMPARE(t.grid.take(), expected);
}

void TestDgColumnProps::fontSetterLeavesTheGridFont() {
    TwoColumns t;
    t.grid.font.SetStyle(TFontStyle::fsItalic);
    t.second->SetParentFont(true);
    QCOMPARE(t.second->Font().Style(), TFontStyles(TFontStyle::fsItalic));
    QVERIFY(t.second->ParentFont());
    TFont bold;
    bold.SetStyle(TFontStyle::fsBold);
    t.second->SetFont(bold);
    QVERIFY(!t.second->ParentFont());
    QCOMPARE(t.second->cellFontStyle(), TFontStyles(TFontStyle::fsBold));
    QCOMPARE(t.grid.take(), QStringList{u"change 1 6 -1"_s});
}

void TestDgColumnProps::widthIsNeverBelowMinWidth() {
    TwoColumns t;
    t.second->SetWidth(3);
    QCOMPARE(t.second->Width(), 8);
    QCOMPARE(t.grid.take(), QStringList{u"change 1 9 -72"_s});
    QCOMPARE(t.second->Left(), 80);
}

void TestDgColumnProps::sortedIsExclusive() {
    TwoColumns t;
    t.first->SetSorted(true);
    QCOMPARE(t.grid.take(), QStringList{u"change 0 4 -1"_s});
    t.second->SetSorted(true);
    QCOMPARE(t.grid.take(), (QStringList{u"change 0 8 -1"_s, u"change 1 4 -1"_s}));
    QVERIFY(!t.first->Sorted());
    t.second->SetSorted(true);
    QCOMPARE(t.grid.take(), (QStringList{u"change 1 8 -1"_s, u"change 1 4 -1"_s}));
    t.second->SetSorted(false);
    QCOMPARE(t.grid.take(), QStringList{u"change 1 8 -1"_s});
    QVERIFY(!t.second->Sorted());
}

void TestDgColumnProps::sortedIgnoredByUnsortableClass() {
    ColumnsGridFake grid;
    TDgColumns columns(&grid);
    auto* sorted = new TDgTextColumn;
    auto* unsortable = new UnsortableColumn;
    columns.AddColumn(sorted);
    columns.AddColumn(unsortable);
    sorted->SetSorted(true);
    grid.take();
    unsortable->SetSorted(true);
    QVERIFY(!unsortable->Sorted());
    QVERIFY(sorted->Sorted());
    QVERIFY(grid.take().isEmpty());
}

void TestDgColumnProps::searchColumnIsExclusive() {
    TwoColumns t;
    auto* third = new TDgNumberColumn;
    t.columns.AddColumn(third);
    t.first->SetOptions(t.first->Options() | TColumnOption::coSearchColumn);
    third->SetOptions(third->Options() | TColumnOption::coSearchColumn);
    QVERIFY(!t.first->Options().testFlag(TColumnOption::coSearchColumn));
    QVERIFY(third->Options().testFlag(TColumnOption::coSearchColumn));
    // Other options of the column that lost the flag stay.
    QVERIFY(t.first->Options().testFlag(TColumnOption::coShowTextFitHint));
    t.grid.take();
    t.second->SetOptions(t.second->Options() | TColumnOption::coSearchColumn);
    QVERIFY(!third->Options().testFlag(TColumnOption::coSearchColumn));
    // Only the column whose setter ran reports.
    QCOMPARE(t.grid.take(), (QStringList{u"change 1 6 -1"_s, u"notice 2"_s}));
}

void TestDgColumnProps::outsideACollectionOnlyStores() {
    TDgTextColumn column;
    column.SetWidth(3);
    column.SetPosition(4);
    column.SetSorted(true);
    column.SetVisible(false);
    column.SetOptions(column.Options() | TColumnOption::coSearchColumn | TColumnOption::coAutoSize);
    column.Header()->SetCaption(QStringLiteral("x"));
    QCOMPARE(column.Width(), 8);
    QCOMPARE(column.Position(), 4);
    QVERIFY(column.Sorted());
    QCOMPARE(column.Index(), -1);
    QCOMPARE(column.ClientLeft(), 0);
    QCOMPARE(column.NextColumn(), &column);
}

void TestDgColumnProps::classDefaults() {
    TDgTextColumn text;
    QCOMPARE(text.GetColumnTraits(), 42u);
    QCOMPARE(text.ColumnKind(), std::uint8_t(8));
    QCOMPARE(text.Options().toInt(), 9230);
    QCOMPARE(text.Alignment(), TAlignment::taLeftJustify);
    QCOMPARE(text.Play(), nullptr);
    QVERIFY(dynamic_cast<TTextColumnDisplay*>(text.Display()));
    QVERIFY(qobject_cast<TDgEdit*>(text.Editor()));
    QVERIFY(text.Editor()->isHidden());

    TDgNumberColumn number;
    QCOMPARE(number.GetColumnTraits(), 42u);
    QCOMPARE(number.ColumnKind(), std::uint8_t(4));
    QCOMPARE(number.Options().toInt(), 1038);
    QCOMPARE(number.Alignment(), TAlignment::taRightJustify);
    QCOMPARE(number.DefaultValue(), QStringLiteral("0"));
    QCOMPARE(number.SortType(), TSortType::stNumeric);
    QCOMPARE(number.EditOptions(), TDgNumberEditOptions(TDgNumberEditOption::eoAllowFloat));
    QCOMPARE(number.Increment(), 1.0);
    QVERIFY(number.SpinButtons());
    QVERIFY(dynamic_cast<TNumberColumnDisplay*>(number.Display()));
    QVERIFY(qobject_cast<TDgSpinEdit*>(number.Editor()));

    TDgCheckBoxColumn check;
    QCOMPARE(check.GetColumnTraits(), 10u);
    QCOMPARE(check.ColumnKind(), std::uint8_t(1));
    QCOMPARE(check.SortType(), TSortType::stBoolean);
    QCOMPARE(check.Editor(), nullptr);
    QVERIFY(dynamic_cast<TCheckBoxColumnPlay*>(check.Play()));
    QVERIFY(dynamic_cast<TCheckBoxColumnDisplay*>(check.Display()));
}

void TestDgColumnProps::formatValue_data() {
    QTest::addColumn<Setter>("setUp");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    using Text = TDgTextColumn;
    using Number = TDgNumberColumn;
    auto text = [](std::function<void(Text&)> f) { return on<Text>(f); };
    auto number = [](std::function<void(Number&)> f) { return on<Number>(f); };
    const double negativeZero = -0.0;
    QTest::newRow("text plain") << text([](Text&) {}) << 0.0 << u"ab"_s << u"ab"_s;
    QTest::newRow("text before and after") << text([](Text& c) {
        c.SetTextBefore(QStringLiteral("["));
        c.SetTextAfter(QStringLiteral("]"));
    }) << 0.0 << u"ab"_s << u"[ab]"_s;
    QTest::newRow("text: password hides before and after too") << text([](Text& c) {
        c.SetTextBefore(QStringLiteral("["));
        c.SetTextAfter(QStringLiteral("]"));
        c.SetPasswordChar(QLatin1Char('*'));
    }) << 0.0 << u"ab"_s << u"****"_s;
    QTest::newRow("text: password, empty value")
        << text([](Text& c) { c.SetPasswordChar(QLatin1Char('*')); }) << 0.0 << u""_s << u""_s;
    QTest::newRow("number without mask") << number([](Number&) {}) << 2.5 << u"2,5"_s << u"2,5"_s;
    QTest::newRow("number mask 0.00")
        << number([](Number& c) { c.SetFormatMask(QStringLiteral("0.00")); }) << 2.5 << u""_s << u"2,50"_s;
    QTest::newRow("number mask groups")
        << number([](Number& c) { c.SetFormatMask(QStringLiteral("#,##0.00")); }) << 1234.5 << u""_s
        << u"1.234,50"_s;
    QTest::newRow("number before and after") << number([](Number& c) {
        c.SetTextBefore(QStringLiteral("ca. "));
        c.SetTextAfter(QStringLiteral(" MHz"));
    }) << 12.5 << u""_s << u"ca. 12,5 MHz"_s;
    auto hidden = [](Number& c) {
        c.SetHideWhenEmpty(true);
        c.SetEmptyCaption(QStringLiteral("-"));
        c.SetTextAfter(QStringLiteral(" MHz"));
    };
    QTest::newRow("number hidden when 0") << number(hidden) << 0.0 << u"0"_s << u"-"_s;
    QTest::newRow("number hidden when -0") << number(hidden) << negativeZero << u"0"_s << u"-"_s;
    QTest::newRow("number not hidden when 3") << number(hidden) << 3.0 << u"3"_s << u"3 MHz"_s;
    QTest::newRow("number 0 shown without HideWhenEmpty") << number([](Number&) {}) << 0.0 << u""_s << u"0"_s;
    QTest::newRow("number: precision takes no part")
        << number([](Number& c) { c.SetPrecision(3); }) << 0.1 << u""_s << u"0,1"_s;
}

void TestDgColumnProps::formatValue() {
    QFETCH(Setter, setUp);
    QFETCH(double, number);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    std::unique_ptr<TDgCustomColumn> column;
    if (QByteArray(QTest::currentDataTag()).startsWith("text"))
        column = std::make_unique<TDgTextColumn>();
    else
        column = std::make_unique<TDgNumberColumn>();
    setUp(*column);
    TCellInfo info;
    info.AsFloat = number;
    info.AsString = text;
    QString shown = QStringLiteral("unchanged");
    column->FormatValue(info, shown);
    QCOMPARE(shown, expected);
}

void TestDgColumnProps::formatFloat_data() {
    QTest::addColumn<QString>("mask");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("halves away from zero") << u"0.00"_s << 0.125 << u"0,13"_s;
    QTest::newRow("negative") << u"0.0"_s << -3.25 << u"-3,3"_s;
    QTest::newRow("rounds to zero: no sign") << u"0.0"_s << -0.01 << u"0,0"_s;
    QTest::newRow("optional digits") << u"#.##"_s << 0.5 << u",5"_s;
    QTest::newRow("optional digits dropped") << u"0.##"_s << 2.0 << u"2"_s;
    QTest::newRow("groups") << u"#,##0"_s << 1234567.0 << u"1.234.567"_s;
    QTest::newRow("leading zeros") << u"000"_s << 7.0 << u"007"_s;
    QTest::newRow("more digits than places") << u"0"_s << 12345.0 << u"12345"_s;
    QTest::newRow("scientific") << u"0.00E+00"_s << 12345.0 << u"1,23E+04"_s;
    QTest::newRow("scientific, negative exponent") << u"0.0E-00"_s << 0.000123 << u"1,2E-04"_s;
    QTest::newRow("sections positive") << u"0;(0);'null'"_s << 5.0 << u"5"_s;
    QTest::newRow("sections negative") << u"0;(0);'null'"_s << -5.0 << u"(5)"_s;
    QTest::newRow("sections zero") << u"0;(0);'null'"_s << 0.0 << u"null"_s;
    QTest::newRow("quoted text") << u"\"Nr. \"0"_s << 7.0 << u"Nr. 7"_s;
    QTest::newRow("literal suffix") << u"0.0 MHz"_s << 12.5 << u"12,5 MHz"_s;
    QTest::newRow("empty mask") << u""_s << 1e20 << u"1E20"_s;
    QTest::newRow("placeholder after the exponent reads past the digits")
        << u"0E+0 00"_s << 5.0 << u"5E+0 "_s;
}

void TestDgColumnProps::formatFloat() {
    QFETCH(QString, mask);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatFloat(mask, value), expected);
}

void TestDgColumnProps::isValidKey_data() {
    QTest::addColumn<bool>("numberColumn");
    QTest::addColumn<int>("options");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<bool>("valid");
    const int floatOnly = TDgNumberEditOptions(TDgNumberEditOption::eoAllowFloat).toInt();
    const int signs = (TDgNumberEditOption::eoAllowFloat | TDgNumberEditOption::eoAllowSigns).toInt();
    const int all = TDgNumberEditOptions(TDgNumberEditOption::eoAllowAll).toInt();
    QTest::newRow("number digit") << true << floatOnly << QChar(u'7') << true;
    QTest::newRow("number decimal comma") << true << floatOnly << QChar(u',') << true;
    QTest::newRow("number point is no separator") << true << floatOnly << QChar(u'.') << false;
    QTest::newRow("number minus refused") << true << floatOnly << QChar(u'-') << false;
    QTest::newRow("number plus refused") << true << floatOnly << QChar(u'+') << false;
    QTest::newRow("number minus with signs") << true << signs << QChar(u'-') << true;
    QTest::newRow("number comma without float") << true << 0 << QChar(u',') << false;
    QTest::newRow("number letter, even eoAllowAll") << true << all << QChar(u'a') << false;
    QTest::newRow("text space refused") << false << 0 << QChar(u' ') << false;
    QTest::newRow("text tab refused") << false << 0 << QChar(u'\t') << false;
    QTest::newRow("text exclamation") << false << 0 << QChar(u'!') << true;
    QTest::newRow("text umlaut") << false << 0 << QChar(u'ä') << true;
    QTest::newRow("text euro sign") << false << 0 << QChar(0x20AC) << true;
}

void TestDgColumnProps::isValidKey() {
    QFETCH(bool, numberColumn);
    QFETCH(int, options);
    QFETCH(QChar, key);
    QFETCH(bool, valid);
    if (numberColumn) {
        TDgNumberColumn column;
        column.SetEditOptions(TDgNumberEditOptions::fromInt(options));
        QCOMPARE(column.IsValidKey(key), valid);
    } else {
        QCOMPARE(TDgTextColumn().IsValidKey(key), valid);
    }
}

void TestDgColumnProps::columnFlags() {
    TDgTextColumn text;
    QCOMPARE(text.GetColumnFlags(), TColumnFlags(TColumnFlag::cfInput));
    text.SetOptions(text.Options() | TColumnOption::coEditing);
    QCOMPARE(text.GetColumnFlags(), TColumnFlag::cfEditing | TColumnFlag::cfInput);
    text.SetEnabled(false);
    QCOMPARE(text.GetColumnFlags(), TColumnFlags());

    PlainColumn plain;
    plain.SetOptions(plain.Options() | TColumnOption::coEditing);
    QCOMPARE(plain.GetColumnFlags(), TColumnFlags());
    TDgEdit edit;
    plain.SetInplaceEdit(&edit);
    QCOMPARE(plain.GetColumnFlags(), TColumnFlag::cfEditing | TColumnFlag::cfInput);
}

void TestDgColumnProps::freedInplaceEditIsForgotten() {
    PlainColumn plain;
    auto* edit = new TDgEdit;
    plain.SetInplaceEdit(edit);
    QCOMPARE(plain.InplaceEdit(), edit);
    delete edit;
    QCOMPARE(plain.InplaceEdit(), nullptr);
    QCOMPARE(plain.GetColumnFlags(), TColumnFlags());
}

void TestDgColumnProps::prepareTextEditor() {
    TDgTextColumn column;
    column.SetAlignment(TAlignment::taCenter);
    column.SetMaxLength(5);
    column.SetPasswordChar(QLatin1Char('*'));
    column.PrepareEditor();
    TDgCustomEdit* editor = column.Editor();
    QVERIFY(editor->InplaceFlag);
    QCOMPARE(editor->Alignment(), TAlignment::taCenter);
    QCOMPARE(editor->BorderStyle(), TBorderStyle::bsNone);
    QCOMPARE(editor->BorderWidth(), 0);
    QCOMPARE(editor->EditMargins()->Left(), 1);
    QCOMPARE(editor->MaxLength(), 5);
    QCOMPARE(editor->PasswordChar(), QLatin1Char('*'));
}

void TestDgColumnProps::prepareNumberEditor() {
    TDgNumberColumn column;
    column.SetEditOptions(TDgNumberEditOption::eoAllowFloat | TDgNumberEditOption::eoAllowSigns);
    column.SetIncrement(0.5);
    column.SetMin(1);
    column.SetMax(9);
    column.SetSpinButtons(false);
    column.SetPrecision(2);
    column.PrepareEditor();
    auto* spin = qobject_cast<TDgSpinEdit*>(column.Editor());
    QVERIFY(spin);
    QCOMPARE(spin->Alignment(), TAlignment::taRightJustify);
    QCOMPARE(spin->Options(), TDgNumberEditOption::eoAllowFloat | TDgNumberEditOption::eoAllowSigns);
    QCOMPARE(spin->Increment(), 0.5);
    QCOMPARE(spin->Min(), 1.0);
    QCOMPARE(spin->Max(), 9.0);
    QVERIFY(!spin->SpinButtons());
    column.UpdateEditor();
    QCOMPARE(spin->Precision(), 2);
}

void TestDgColumnProps::partsAssign() {
    TDgTextColumn a;
    TDgTextColumn b;
    a.Footer()->SetCaption(QStringLiteral("Summe"));
    a.Footer()->SetTextAfter(QStringLiteral("after"));
    a.Footer()->SetTextBefore(QStringLiteral("before"));
    a.Footer()->SetFormulaKind(TFormulaKind::fkSum);
    a.Footer()->SetFormatMaskKind(TFormatMaskKind::mkFloat);
    b.SetFooter(*a.Footer());
    QCOMPARE(b.Footer()->TextAfter(), QStringLiteral("after"));
    QCOMPARE(b.Footer()->TextBefore(), QStringLiteral("before"));
    QCOMPARE(b.Footer()->FormulaKind(), TFormulaKind::fkSum);
    QCOMPARE(b.Footer()->Caption(), QString());
    QCOMPARE(b.Footer()->FormatMaskKind(), TFormatMaskKind::mkText);

    a.Header()->SetCaption(QStringLiteral("Name"));
    a.Header()->SetHint(QStringLiteral("Hinweis"));
    a.Header()->SetHideArrow(false);
    b.SetHeader(*a.Header());
    QCOMPARE(b.Header()->Caption(), QStringLiteral("Name"));
    QCOMPARE(b.Header()->Hint(), QStringLiteral("Hinweis"));
    QVERIFY(b.Header()->HideArrow());

    // Across kinds only the common part is taken.
    b.Header()->Assign(*a.Footer());
    QCOMPARE(b.Header()->Caption(), QStringLiteral("Summe"));
    QCOMPARE(b.Header()->Color(), clWindow);
    QCOMPARE(b.Header()->Hint(), QStringLiteral("Hinweis"));

    a.SlideBounds()->SetLeft(3);
    a.SlideBounds()->SetHeight(30);
    b.SetSlideBounds(*a.SlideBounds());
    QCOMPARE(b.SlideRect(), TRect(3, 8, 83, 38));
}

void TestDgColumnProps::columnAssign() {
    TwoColumns t;
    TDgTextColumn source;
    source.SetWidth(120);
    source.SetTextAfter(QStringLiteral("]"));
    source.SetMaxLength(4);
    source.SetVisible(false);
    source.SetInputValue(QStringLiteral("x"));
    source.SetPosition(0);
    t.second->Assign(source);
    QCOMPARE(t.second->Width(), 120);
    QCOMPARE(t.second->TextAfter(), QStringLiteral("]"));
    QCOMPARE(t.second->MaxLength(), 4);
    QVERIFY(!t.second->Visible());
    QCOMPARE(t.second->Position(), 0);
    QCOMPARE(t.columns.PositionItem(0), t.second);

    TDgNumberColumn number;
    number.Assign(source);
    QCOMPARE(number.Width(), 120);
}

void TestDgColumnProps::subscribersCanLeave() {
    TDgTextColumn column;
    QList<int> heard;
    const int id = column.AddSubscriber([&](TDgCustomColumn* c, ColumnNotice n) {
        QCOMPARE(c, &column);
        heard << static_cast<int>(n);
    });
    column.SetName(QStringLiteral("a"));
    column.SetName(QStringLiteral("a"));
    column.SetVisible(false);
    column.RemoveSubscriber(id);
    column.SetColor(clRed);
    QCOMPARE(heard, (QList<int>{1, 6}));
}

QTEST_MAIN(TestDgColumnProps)
#include "tst_dgcolumnprops.moc"
