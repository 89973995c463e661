// Date, time and boolean texts and the checked rounding, under German settings.
#include "ScriptedModals.h"
#include "platform/DateTimeText.h"
#include "platform/Exceptions.h"
#include "platform/ValueText.h"

#include <QLocale>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace platform;

class TestValueText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void formatsOfTheLocale() {
        QCOMPARE(ShortDateFormat(), QStringLiteral("dd.MM.yyyy"));
        QCOMPARE(LongTimeFormat(), QStringLiteral("HH:mm:ss"));
    }

    void dateTimeToStr_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("date only") << 45000.0 << QStringLiteral("15.03.2023");
        QTest::newRow("noon") << 45000.5 << QStringLiteral("15.03.2023 12:00:00");
        QTest::newRow("zero") << 0.0 << QStringLiteral("30.12.1899");
        QTest::newRow("time on day zero") << 0.5 << QStringLiteral("30.12.1899 12:00:00");
        QTest::newRow("before 1899: time counts forward") << -1.25 << QStringLiteral("29.12.1899 06:00:00");
        QTest::newRow("half a second is midnight")
            << 45000.0 + 500.0 / 86400000.0 << QStringLiteral("15.03.2023");
        QTest::newRow("year 1") << -693593.0 << QStringLiteral("01.01.0001");
        QTest::newRow("noon of year 1's first day") << -693593.5 << QStringLiteral("01.01.0001 12:00:00");
        QTest::newRow("last second") << 2958465.0 + 86399.0 / 86400.0
                                     << QStringLiteral("31.12.9999 23:59:59");
    }
    void dateTimeToStr() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(DateTimeToStr(value), text);
    }

    void dateTimeToStrOutOfRange_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("year 10000") << 2958466.0
                                    << QStringLiteral(
                                           "'2958466' ist keine gültige Datums- und Uhrzeitangabe");
        QTest::newRow("the evening before year 1")
            << -693594.25 << QStringLiteral("'-693594,25' ist keine gültige Datums- und Uhrzeitangabe");
        QTest::newRow("before year 1")
            << -693594.0 << QStringLiteral("'-693594' ist keine gültige Datums- und Uhrzeitangabe");
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN()
                             << QStringLiteral("'NAN' ist keine gültige Datums- und Uhrzeitangabe");
    }
    void dateTimeToStrOutOfRange() {
        QFETCH(double, value);
        QFETCH(QString, message);
        try {
            DateTimeToStr(value);
            QFAIL("no error");
        } catch (const EConvertError& e) {
            QCOMPARE(e.Message(), message);
        }
    }

    void strToDateTime_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        const double today = 46000; // 09.12.2025, the fake clock
        QTest::newRow("date") << QStringLiteral("15.03.2023") << true << 45000.0;
        QTest::newRow("single digits") << QStringLiteral("5.1.2023") << true << 44931.0;
        QTest::newRow("blanks around") << QStringLiteral("  15.03.2023  ") << true << 45000.0;
        QTest::newRow("date and time") << QStringLiteral("15.03.2023 12:00") << true << 45000.5;
        QTest::newRow("seconds and milliseconds")
            << QStringLiteral("15.03.2023 12:30:15.500") << true << 45000.0 + (45015.5 / 86400.0);
        QTest::newRow("two numbers: this year") << QStringLiteral("09.12") << true << today;
        QTest::newRow("two-digit year, this century") << QStringLiteral("15.03.23") << true << 45000.0;
        QTest::newRow("two-digit year 75 is 1975") << QStringLiteral("15.03.75") << true << 27468.0;
        QTest::newRow("two-digit year 74 is 2074") << QStringLiteral("15.03.74") << true << 63628.0;
        QTest::newRow("time only") << QStringLiteral("12:30") << true << 12.5 / 24.0;
        QTest::newRow("an hour alone") << QStringLiteral("7") << true << 7.0 / 24.0;
        QTest::newRow("PM") << QStringLiteral("1:30 PM") << true << 13.5 / 24.0;
        QTest::newRow("12 AM is midnight") << QStringLiteral("12 am") << true << 0.0;
        QTest::newRow("13 PM") << QStringLiteral("13 PM") << false << 0.0;
        QTest::newRow("31 February") << QStringLiteral("31.02.2023") << false << 0.0;
        QTest::newRow("hour 24") << QStringLiteral("24:00") << false << 0.0;
        QTest::newRow("minute 60") << QStringLiteral("15.03.2023 10:60") << false << 0.0;
        QTest::newRow("trailing text") << QStringLiteral("15.03.2023 x") << false << 0.0;
        QTest::newRow("dangling separator") << QStringLiteral("15.03.") << false << 0.0;
        QTest::newRow("slashes") << QStringLiteral("15/03/2023") << false << 0.0;
        QTest::newRow("empty") << QString() << false << 0.0;
        QTest::newRow("word") << QStringLiteral("heute") << false << 0.0;
    }
    void strToDateTime() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        FakeEnvironment env;
        env.setNow(46000.75);
        if (ok) {
            QCOMPARE(StrToDateTime(text), value);
            QCOMPARE(StrToDateTimeDef(text, -5), value);
        } else {
            QCOMPARE(StrToDateTimeDef(text, -5), -5.0);
            try {
                StrToDateTime(text);
                QFAIL("no error");
            } catch (const EConvertError& e) {
                QCOMPARE(e.Message(),
                         QStringLiteral("'%1' ist keine gültige Datums- und Uhrzeitangabe").arg(text));
            }
        }
    }

    void textRoundTrip() {
        for (double v : {45000.0, 45000.75, 0.25, -700.5, 2958465.0, -693593.0, -693593.5}) {
            QCOMPARE(StrToDateTime(DateTimeToStr(v)), v);
        }
    }

    void dateIsTodayAtMidnight() {
        FakeEnvironment env;
        env.setNow(46000.99);
        QCOMPARE(Date(), 46000.0);
    }

    void strToBool_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("value");
        QTest::newRow("1") << QStringLiteral("1") << true << true;
        QTest::newRow("0") << QStringLiteral("0") << true << false;
        QTest::newRow("-3") << QStringLiteral("-3") << true << true;
        QTest::newRow("0,0 is a zero") << QStringLiteral("0,0") << true << false;
        QTest::newRow("2,5") << QStringLiteral("2,5") << true << true;
        QTest::newRow("True") << QStringLiteral("True") << true << true;
        QTest::newRow("TRUE") << QStringLiteral("TRUE") << true << true;
        QTest::newRow("false") << QStringLiteral("false") << true << false;
        QTest::newRow("yes") << QStringLiteral("yes") << false << false;
        QTest::newRow("2.5 with a point") << QStringLiteral("2.5") << false << false;
        QTest::newRow("empty") << QString() << false << false;
    }
    void strToBool() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(bool, value);
        if (ok) {
            QCOMPARE(StrToBool(text), value);
            return;
        }
        try {
            StrToBool(text);
            QFAIL("no error");
        } catch (const EConvertError& e) {
            QCOMPARE(e.Message(), QStringLiteral("'%1' ist kein gültiger boolescher Wert").arg(text));
        }
    }

    void boolToStr() {
        QCOMPARE(BoolToStr(true), QStringLiteral("True"));
        QCOMPARE(BoolToStr(false), QStringLiteral("False"));
    }

    void roundToInt_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("result");
        QTest::newRow("2.5") << 2.5 << true << 2;
        QTest::newRow("3.5") << 3.5 << true << 4;
        QTest::newRow("-2.5") << -2.5 << true << -2;
        QTest::newRow("largest") << 2147483647.4 << true << 2147483647;
        QTest::newRow("smallest") << -2147483648.5 << true << int(-2147483648LL);
        QTest::newRow("one past the largest") << 2147483647.5 << false << 0;
        QTest::newRow("1E10") << 1e10 << false << 0;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false << 0;
        QTest::newRow("infinity") << -std::numeric_limits<double>::infinity() << false << 0;
    }
    void roundToInt() {
        QFETCH(double, value);
        QFETCH(bool, ok);
        QFETCH(int, result);
        if (ok) {
            QCOMPARE(RoundToInt(value), result);
            return;
        }
        try {
            RoundToInt(value);
            QFAIL("no error");
        } catch (const ERangeError& e) {
            QCOMPARE(e.Message(), QStringLiteral("Fehler bei Bereichsprüfung"));
        }
    }

    void systemText() {
        QCOMPARE(SystemText(QStringLiteral("Straße €")), QStringLiteral("Straße €"));
        QCOMPARE(SystemText(QStringLiteral("1\u0662")), QStringLiteral("1?"));
    }
};

QTEST_GUILESS_MAIN(TestValueText)
#include "tst_valuetext.moc"
