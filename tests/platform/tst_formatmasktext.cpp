// Edit-mask text formatting under German settings: literals inserted or matched, empty places, case,
// escapes, separators and the three mask fields.
#include "platform/FormatMaskText.h"

#include <QLocale>
#include <QtTest>

using namespace platform;

class TestFormatMaskText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void formatMaskText_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        // Literals inserted between the data characters ('0' in the second field).
        QTest::newRow("postcode inserted") << "00-000;0"
                                           << "12345"
                                           << "12-345";
        QTest::newRow("phone inserted") << "(000) 000;0;_"
                                        << "123456"
                                        << "(123) 456";
        QTest::newRow("short value: blanks last") << "0000;0"
                                                  << "12"
                                                  << "12  ";
        QTest::newRow("short value with '!': blanks first") << "!9999;0"
                                                            << "12"
                                                            << "  12";
        QTest::newRow("'!' anywhere") << "99-99!;0"
                                      << "123"
                                      << " 1-23";
        QTest::newRow("own blank character") << "000-000;0;*"
                                             << "1234"
                                             << "123-4**";
        QTest::newRow("long value cut") << "000;0"
                                        << "123456"
                                        << "123";
        QTest::newRow("empty value") << "00-00;0"
                                     << ""
                                     << "  -  ";
        // The value carries the literals (default and '1'): matched and passed over, or put in.
        QTest::newRow("literals carried") << "00-000;1"
                                          << "12-345"
                                          << "12-345";
        QTest::newRow("literals missing from value") << "00-000;1"
                                                     << "12345"
                                                     << "12-345";
        QTest::newRow("no second field carries literals") << "00-000"
                                                          << "12-345"
                                                          << "12-345";
        QTest::newRow("literal differs: taken as data") << "00-00"
                                                        << "12x34"
                                                        << "12-x3";
        QTest::newRow("carried, '!' right-aligns the data") << "!99-99"
                                                            << "12-3"
                                                            << " 1-23";
        // Case, escapes and separators.
        QTest::newRow("upper") << ">LLL;0"
                               << "abc"
                               << "ABC";
        QTest::newRow("lower then upper") << "<ll>ll;0"
                                          << "ABcd"
                                          << "abCD";
        QTest::newRow("'<>' ends case conversion") << ">l<>l;0"
                                                   << "ab"
                                                   << "Ab";
        QTest::newRow("umlauts upper-cased")
            << ">ccc;0" << QString::fromUtf8("äöü") << QString::fromUtf8("ÄÖÜ");
        QTest::newRow("escaped placeholder is a literal") << "\\00;0"
                                                          << "5"
                                                          << "05";
        QTest::newRow("escaped semicolon stays in the picture") << "0\\;0;0"
                                                                << "12"
                                                                << "1;2";
        QTest::newRow("date separator of the locale") << "00/00/0000;0"
                                                      << "24122026"
                                                      << "24.12.2026";
        QTest::newRow("time separator of the locale") << "00:00;0"
                                                      << "1230"
                                                      << "12:30";
        QTest::newRow("underscore is a blank") << "00_00;0"
                                               << "1234"
                                               << "12 34";
        QTest::newRow("characters are not checked") << "000;0"
                                                    << "a1b"
                                                    << "a1b";
        QTest::newRow("text before and after") << "Nr. 000 Stk;0"
                                               << "42"
                                               << "Nr. 42  Stk";
        // Pictures without places.
        QTest::newRow("no places: value unchanged") << "---;0"
                                                    << "abc"
                                                    << "abc";
        QTest::newRow("empty picture") << ";0;_"
                                       << "abc"
                                       << "abc";
    }
    void formatMaskText() {
        QFETCH(QString, mask);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QCOMPARE(FormatMaskText(mask, value), text);
    }
};

QTEST_GUILESS_MAIN(TestFormatMaskText)
#include "tst_formatmasktext.moc"
