#include "engine/DateTime.h"

#include "platform/Clock.h"

#include <QCoreApplication>

#include <cmath>
#include <ctime>

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm), and back.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + std::int64_t(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(std::int64_t(yoe) + era * 400 + (month <= 2));
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

const std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30); // day 0 of the count
constexpr double kHalfSecond = 0.5 / 86400.0;
constexpr double kLargestSpan = 3615897.0;

} // namespace

double LinearValue(double date)
{
    if (date >= 0)
        return date;
    const double whole = std::ceil(date);
    return whole - (date - whole);
}

double DateFromLinear(double linear)
{
    if (linear >= 0)
        return linear;
    const double whole = std::floor(linear);
    return whole + (whole - linear);
}

bool CalendarToDate(const CalendarTime& t, double& date)
{
    if (t.year < 100 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > DaysInMonth(t.year, t.month) || t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 ||
        t.second < 0 || t.second > 59)
        return false;
    const std::int64_t days = DaysFromCivil(t.year, unsigned(t.month), unsigned(t.day)) - kEpochOffset;
    const double fraction = double(t.hour * 3600 + t.minute * 60 + t.second) / 86400.0;
    date = DateFromLinear(double(days) + fraction);
    return true;
}

bool DateToCalendar(double date, CalendarTime& t)
{
    if (!std::isfinite(date) || date < -657434.0 || date >= 2958466.0)
        return false;
    const double linear = LinearValue(date);
    std::int64_t days = std::int64_t(std::floor(linear));
    std::int64_t seconds = std::llround((linear - double(days)) * 86400.0);
    if (seconds >= 86400) {
        ++days;
        seconds -= 86400;
    }
    CivilFromDays(days + kEpochOffset, t.year, t.month, t.day);
    t.hour = int(seconds / 3600);
    t.minute = int(seconds / 60 % 60);
    t.second = int(seconds % 60);
    return t.year >= 100 && t.year <= 9999;
}

CTimeSpan MakeSpan(int days, int hours, int minutes, int seconds)
{
    return {days + hours / 24.0 + minutes / 1440.0 + seconds / 86400.0, DateTimeStatus::valid};
}

CTimeStamp TimeStampFromSeconds(std::int64_t seconds)
{
    std::tm local{};
    if (!platform::LocalCalendarTime(seconds, local))
        return {0.0, DateTimeStatus::invalid};
    CalendarTime record;
    record.year = local.tm_year + 1900;
    record.month = local.tm_mon + 1;
    record.day = local.tm_mday;
    record.hour = local.tm_hour;
    record.minute = local.tm_min;
    record.second = local.tm_sec;
    double date = 0.0;
    CalendarTime back;
    if (!CalendarToDate(record, date) || !DateToCalendar(date, back) || back.year != record.year ||
        back.month != record.month || back.day != record.day || back.hour != record.hour ||
        back.minute != record.minute || back.second != record.second)
        return {date, DateTimeStatus::invalid};
    return {date, DateTimeStatus::valid};
}

CTimeStamp CurrentTimeStamp()
{
    return TimeStampFromSeconds(platform::CurrentTime());
}

CTimeStamp SubtractSpan(const CTimeStamp& stamp, const CTimeSpan& span)
{
    return {DateFromLinear(LinearValue(stamp.m_date) - span.m_span), DateTimeStatus::valid};
}

bool IsEarlier(const CTimeStamp& a, const CTimeStamp& b)
{
    if (a.m_status != DateTimeStatus::valid || b.m_status != DateTimeStatus::valid)
        return false;
    return LinearValue(a.m_date) < LinearValue(b.m_date);
}

CTimeSpan Difference(const CTimeStamp& a, const CTimeStamp& b)
{
    const double span = LinearValue(a.m_date) - LinearValue(b.m_date);
    const bool valid = span >= -kLargestSpan && span <= kLargestSpan;
    return {span, valid ? DateTimeStatus::valid : DateTimeStatus::invalid};
}

QString FormatTimeOfDay(const CTimeStamp& stamp)
{
    const QString invalid = QCoreApplication::translate("DateTime", "Invalid DateTime");
    if (stamp.m_status == DateTimeStatus::null)
        return {};
    CalendarTime t;
    if (stamp.m_status != DateTimeStatus::valid || !DateToCalendar(stamp.m_date, t))
        return invalid;
    std::tm local{};
    local.tm_year = t.year - 1900;
    local.tm_mon = t.month - 1;
    local.tm_mday = t.day;
    local.tm_hour = t.hour;
    local.tm_min = t.minute;
    local.tm_sec = t.second;
    local.tm_isdst = -1;
    const QString text = platform::FormatLocaleTimeOfDay(local);
    return text.isEmpty() ? invalid : text;
}

QString FormatDuration(const CTimeSpan& span)
{
    const double x = span.m_span >= 0 ? span.m_span + kHalfSecond : span.m_span - kHalfSecond;
    if (!std::isfinite(x) || x <= 0 || x > 1e12)
        return {}; // negative spans have no positive part; absurd ones are no duration
    const long long parts[4] = {
        static_cast<long long>(x),
        static_cast<long long>(x * 24) % 24,
        static_cast<long long>(x * 1440) % 60,
        static_cast<long long>(x * 86400) % 60,
    };
    static constexpr const char* kSingular[4] = {
        QT_TRANSLATE_NOOP("DateTime", "%1 Day "), QT_TRANSLATE_NOOP("DateTime", "%1 Hour "),
        QT_TRANSLATE_NOOP("DateTime", "%1 Minute "), QT_TRANSLATE_NOOP("DateTime", "%1 Second")};
    static constexpr const char* kPlural[4] = {
        QT_TRANSLATE_NOOP("DateTime", "%1 Days "), QT_TRANSLATE_NOOP("DateTime", "%1 Hours "),
        QT_TRANSLATE_NOOP("DateTime", "%1 Minutes "), QT_TRANSLATE_NOOP("DateTime", "%1 Seconds")};
    QString text;
    for (int i = 0; i < 4; ++i) {
        if (parts[i] > 0)
            text += QCoreApplication::translate("DateTime", parts[i] == 1 ? kSingular[i] : kPlural[i])
                        .arg(parts[i]);
    }
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}
