#pragma once

#include <QString>
#include <cstdint>
#include <ctime>

// The system clock and local calendar time, with a seam so tests can set the time.
namespace platform {

using ClockFunction = std::int64_t (*)();

// Seconds since the epoch, from the installed clock (the system clock unless a test set one).
std::int64_t CurrentTime();
// Installs a clock; nullptr restores the system clock.
void SetClock(ClockFunction clock);

// Local calendar time of `seconds`; false when it cannot be converted.
bool LocalCalendarTime(std::int64_t seconds, std::tm& out);

// The time of day alone in the user's locale format (the C library's "%X"); empty on failure.
QString FormatLocaleTimeOfDay(const std::tm& time);

} // namespace platform
