// Time stamps, spans and their texts.
#include "engine/DateTime.h"
#include "platform/Clock.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <clocale>
#include <cstdlib>
#include <ctime>

namespace {

CTimeSpan Seconds(double seconds)
{
    return {seconds / 86400.0, DateTimeStatus::valid};
}

std::int64_t FixedClock()
{
    return 1700000000;
}
std::int64_t BrokenClock()
{
    return std::int64_t(1) << 62; // far beyond any calendar year
}

} // namespace

class TestDateTime : public QObject
{
    Q_OBJECT
public:
    explicit TestDateTime(const TestHome&) {}

private slots:
    void initTestCase()
    {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        std::setlocale(LC_ALL, "C");
    }
    void cleanup() { platform::SetClock(nullptr); }

    void durationTexts_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << QString();
        QTest::newRow("under half a second") << 0.49 << QString();
        QTest::newRow("half a second rounds up") << 0.5 << QStringLiteral("1 Second");
        QTest::newRow("59.6 seconds") << 59.6 << QStringLiteral("1 Minute");
        QTest::newRow("three minutes") << 180.0 << QStringLiteral("3 Minutes");
        QTest::newRow("65 seconds") << 65.0 << QStringLiteral("1 Minute 5 Seconds");
        QTest::newRow("2 hours 5 seconds") << 7205.0 << QStringLiteral("2 Hours 5 Seconds");
        QTest::newRow("one of each") << 90061.0 << QStringLiteral("1 Day 1 Hour 1 Minute 1 Second");
        QTest::newRow("two days") << 172800.0 << QStringLiteral("2 Days");
        QTest::newRow("negative") << -65.0 << QString();
    }
    void durationTexts()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(FormatDuration(Seconds(seconds)), text);
    }

    void spanOfOneDayAndSubtraction()
    {
        const CTimeSpan day = MakeSpan(1, 0, 0, 0);
        QCOMPARE(day.m_span, 1.0);
        // 30 December 1899, 06:00 minus one day is 29 December 1899, 06:00, written -1.25.
        const CTimeStamp stamp = SubtractSpan({0.25, DateTimeStatus::invalid}, day);
        QCOMPARE(stamp.m_date, -1.25);
        QCOMPARE(stamp.m_status, DateTimeStatus::valid);
        CalendarTime t;
        QVERIFY(DateToCalendar(-1.25, t));
        QCOMPARE(t.year, 1899);
        QCOMPARE(t.month, 12);
        QCOMPARE(t.day, 29);
        QCOMPARE(t.hour, 6);
        double date = 0;
        QVERIFY(CalendarToDate({1899, 12, 29, 6, 0, 0}, date));
        QCOMPARE(date, -1.25);
        QVERIFY(
            IsEarlier({-1.25, DateTimeStatus::valid}, {-1.5, DateTimeStatus::valid})); // 06:00 before 12:00
        QCOMPARE(FormatDuration(Difference({-1.5, DateTimeStatus::valid}, {-1.25, DateTimeStatus::valid})),
                 QStringLiteral("6 Hours"));
        QVERIFY(!CalendarToDate({2023, 2, 29, 0, 0, 0}, date));
        QVERIFY(!CalendarToDate({99, 1, 1, 0, 0, 0}, date));
    }

    void stampsRoundTripThroughTheCalendar()
    {
        for (std::int64_t seconds = -2208988800LL; seconds < 4102444800LL; seconds += 7777777) {
            const CTimeStamp stamp = TimeStampFromSeconds(seconds);
            QCOMPARE(stamp.m_status, DateTimeStatus::valid);
            std::tm utc{};
            const std::time_t t = std::time_t(seconds);
            gmtime_r(&t, &utc);
            CalendarTime back;
            QVERIFY(DateToCalendar(stamp.m_date, back));
            QCOMPARE(back.year, utc.tm_year + 1900);
            QCOMPARE(back.hour, utc.tm_hour);
            QCOMPARE(back.second, utc.tm_sec);
        }
    }

    void stampsOfOneSecondAreEqual()
    {
        platform::SetClock(&FixedClock);
        const CTimeStamp a = CurrentTimeStamp();
        const CTimeStamp b = CurrentTimeStamp();
        QVERIFY(!IsEarlier(a, b));
        QVERIFY(!IsEarlier(b, a));
        QCOMPARE(FormatDuration(Difference(b, a)), QString());
        QCOMPARE(FormatTimeOfDay(a), QStringLiteral("22:13:20"));
    }

    void runOverMidnight()
    {
        const std::int64_t midnight = 1700006400; // 2023-11-15 00:00:00 UTC
        const CTimeStamp start = TimeStampFromSeconds(midnight - 10);
        const CTimeStamp stop = TimeStampFromSeconds(midnight + 20);
        QVERIFY(IsEarlier(start, stop));
        QCOMPARE(FormatTimeOfDay(start), QStringLiteral("23:59:50"));
        QCOMPARE(FormatTimeOfDay(stop), QStringLiteral("00:00:20"));
        QCOMPARE(FormatDuration(Difference(stop, start)), QStringLiteral("30 Seconds"));
    }

    void invalidAndNullStamps()
    {
        platform::SetClock(&BrokenClock);
        const CTimeStamp broken = CurrentTimeStamp();
        QCOMPARE(broken.m_status, DateTimeStatus::invalid);
        QCOMPARE(FormatTimeOfDay(broken), QStringLiteral("Invalid DateTime"));
        const CTimeStamp good = TimeStampFromSeconds(1700000000);
        QVERIFY(!IsEarlier(broken, good));
        QVERIFY(!IsEarlier(good, broken));
        QCOMPARE(FormatTimeOfDay({0.5, DateTimeStatus::null}), QString());
        QCOMPARE(Difference({3615898.0, DateTimeStatus::valid}, {0, DateTimeStatus::valid}).m_status,
                 DateTimeStatus::invalid);
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestDateTime)
#include "tst_datetime.moc"
