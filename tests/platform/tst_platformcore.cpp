#include "platform/Conversions.h"
#include "platform/Cp1252.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/Rounding.h"

#include <QLocale>
#include <QtTest>

using namespace platform;

class TestPlatformCore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void roundHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("2.5") << 2.5 << qint64(2);
        QTest::newRow("3.5") << 3.5 << qint64(4);
        QTest::newRow("-2.5") << -2.5 << qint64(-2);
        QTest::newRow("0.5") << 0.5 << qint64(0);
        QTest::newRow("2.6") << 2.6 << qint64(3);
        QTest::newRow("50.5") << 50.5 << qint64(50);
    }
    void roundHalvesToEven() {
        QFETCH(double, value);
        QFETCH(qint64, rounded);
        QCOMPARE(Round(value), rounded);
        QCOMPARE(Trunc(-value), -static_cast<qint64>(value));
    }

    void strToInt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << QStringLiteral("123") << true << 123;
        QTest::newRow("leading blanks") << QStringLiteral("  -7") << true << -7;
        QTest::newRow("plus") << QStringLiteral("+5") << true << 5;
        QTest::newRow("hex") << QStringLiteral("$FF") << true << 255;
        QTest::newRow("hex all ones") << QStringLiteral("$FFFFFFFF") << true << -1;
        QTest::newRow("max") << QStringLiteral("2147483647") << true << 2147483647;
        QTest::newRow("overflow") << QStringLiteral("2147483648") << false << 0;
        QTest::newRow("empty") << QString() << false << 0;
        QTest::newRow("trailing blank") << QStringLiteral("12 ") << false << 0;
        QTest::newRow("letters") << QStringLiteral("12a") << false << 0;
        QTest::newRow("sign only") << QStringLiteral("-") << false << 0;
        QTest::newRow("decimal") << QStringLiteral("1,5") << false << 0;
    }
    void strToInt() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        if (valid) {
            QCOMPARE(StrToInt(text), value);
        } else {
            try {
                StrToInt(text);
                QFAIL("no error");
            } catch (const EConvertError& e) {
                QCOMPARE(e.Message(), QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
            }
            QCOMPARE(StrToIntDef(text, -99), -99);
        }
    }

    void strToFloat_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << QStringLiteral("1,5") << true << 1.5;
        QTest::newRow("blanks") << QStringLiteral(" 2 ") << true << 2.0;
        QTest::newRow("exponent") << QStringLiteral("1E3") << true << 1000.0;
        QTest::newRow("point is no separator") << QStringLiteral("1.5") << false << 0.0;
        QTest::newRow("group separator") << QStringLiteral("1.234,5") << false << 0.0;
        QTest::newRow("lone comma") << QStringLiteral(",") << false << 0.0;
        QTest::newRow("empty") << QString() << false << 0.0;
    }
    void strToFloat() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        if (valid) {
            QCOMPARE(StrToFloat(text), value);
            return;
        }
        try {
            StrToFloat(text);
            QFAIL("no error");
        } catch (const EConvertError& e) {
            QCOMPARE(e.Message(), QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
        }
    }

    void floatToStr_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer") << 1800.0 << QStringLiteral("1800");
        QTest::newRow("fraction") << 1.5 << QStringLiteral("1,5");
        QTest::newRow("negative") << -0.25 << QStringLiteral("-0,25");
        QTest::newRow("small fixed") << 0.00001 << QStringLiteral("0,00001");
        QTest::newRow("small scientific") << 0.0000015 << QStringLiteral("1,5E-6");
        QTest::newRow("large") << 1e20 << QStringLiteral("1E20");
        QTest::newRow("15 digits") << 123456789012345.0 << QStringLiteral("123456789012345");
        QTest::newRow("1E15") << 1e15 << QStringLiteral("1E15");
        QTest::newRow("third") << 1.0 / 3.0 << QStringLiteral("0,333333333333333");
        QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    }
    void floatToStr() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FloatToStr(value), text);
    }

    void cp1252RoundTrip() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = fromCp1252(all);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x9F), QChar(0x0178));
        QCOMPARE(text.at(0xE4), QChar(0xE4));
        QCOMPARE(toCp1252(text), all);
        QCOMPARE(toCp1252(QStringLiteral("a\u0416b")), QByteArray("a?b"));
    }

    void iniWindowsRules() {
        TIniFile ini{QString()};
        ini.parse(QByteArray("; comment\n[Lyngsat]\nURL1 = http://x/a.html?b=1,2;3%20 \n"
                             "q=\"quoted\"\nk=first\nk=second\n[other]\nurl1=no\n"));
        QCOMPARE(ini.ReadString(QStringLiteral("LYNGSAT"), QStringLiteral("url1"), QStringLiteral("d")),
                 QStringLiteral("http://x/a.html?b=1,2;3%20"));
        QCOMPARE(ini.ReadString(QStringLiteral("lyngsat"), QStringLiteral("q"), QString()), QStringLiteral("quoted"));
        QCOMPARE(ini.ReadString(QStringLiteral("lyngsat"), QStringLiteral("k"), QString()), QStringLiteral("first"));
        QCOMPARE(ini.ReadString(QStringLiteral("none"), QStringLiteral("k"), QStringLiteral("error")),
                 QStringLiteral("error"));
        TIniFile missing(QStringLiteral("/nonexistent/satellites.ini"));
        QCOMPARE(missing.ReadString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("error")),
                 QStringLiteral("error"));
    }

    void listIndexError() {
        try {
            checkListIndex(5, 5);
            QFAIL("no error");
        } catch (const EListError& e) {
            QCOMPARE(e.Message(), QStringLiteral("Listenindex überschreitet das Maximum (5)"));
        }
        checkListIndex(4, 5);
    }
};

QTEST_GUILESS_MAIN(TestPlatformCore)
#include "tst_platformcore.moc"
