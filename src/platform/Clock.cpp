#include "platform/Clock.h"

#include <atomic>

namespace platform {
namespace {

std::int64_t SystemClock()
{
    return std::int64_t(::time(nullptr));
}

std::atomic<ClockFunction> g_clock{&SystemClock};

} // namespace

std::int64_t CurrentTime()
{
    return g_clock.load()();
}

void SetClock(ClockFunction clock)
{
    g_clock.store(clock ? clock : &SystemClock);
}

bool LocalCalendarTime(std::int64_t seconds, std::tm& out)
{
    const std::time_t t = std::time_t(seconds);
    if (std::int64_t(t) != seconds)
        return false;
    return ::localtime_r(&t, &out) != nullptr;
}

QString FormatLocaleTimeOfDay(const std::tm& time)
{
    char text[128];
    const size_t n = std::strftime(text, sizeof text, "%X", &time);
    if (n == 0)
        return {};
    return QString::fromLocal8Bit(text, qsizetype(n));
}

} // namespace platform
