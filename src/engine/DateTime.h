#pragma once

#include <QString>
#include <cstdint>

// Time stamps and spans of a search run. A stamp is a day count since 30 December 1899, 00:00 local
// time, whose fraction is the time of day; before that date the whole days count backwards while the
// fraction still counts forwards (-1.25 is 29 December 1899, 06:00). Arithmetic works on the
// "linear" value, which counts forwards throughout.
enum class DateTimeStatus
{
    valid = 0,
    invalid = 1,
    null = 2
};

struct CTimeStamp
{
    double m_date = 0.0;
    DateTimeStatus m_status = DateTimeStatus::valid;
};

struct CTimeSpan
{
    double m_span = 0.0; // signed length in days
    DateTimeStatus m_status = DateTimeStatus::valid;
};

// A calendar record with whole seconds.
struct CalendarTime
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Calendar record -> day count; false for a record outside the years 100 to 9999 or not a real date.
bool CalendarToDate(const CalendarTime& time, double& date);
// Day count -> calendar record, rounded to the second; false outside the years 100 to 9999.
bool DateToCalendar(double date, CalendarTime& time);

double LinearValue(double date);
double DateFromLinear(double linear);

CTimeSpan MakeSpan(int days, int hours, int minutes, int seconds);

// The current time, from the platform clock, in whole seconds.
CTimeStamp CurrentTimeStamp();
// The stamp of a moment given in seconds since the epoch, in local time.
CTimeStamp TimeStampFromSeconds(std::int64_t seconds);

CTimeStamp SubtractSpan(const CTimeStamp& stamp, const CTimeSpan& span);
bool IsEarlier(const CTimeStamp& a, const CTimeStamp& b);
CTimeSpan Difference(const CTimeStamp& a, const CTimeStamp& b);

// The time of day alone in the user's locale format; "Invalid DateTime" for an invalid stamp.
QString FormatTimeOfDay(const CTimeStamp& stamp);
// "1 Day 2 Hours 3 Minutes 4 Seconds", rounded to the second; empty for spans below half a second.
QString FormatDuration(const CTimeSpan& span);
