#include "platform/local_time.h"

#include <cstdio>
#include <cstdlib>

namespace kestrel {

namespace {

bool localAndUtc(std::time_t when, std::tm& local, std::tm& utc)
{
#ifdef _WIN32
    return localtime_s(&local, &when) == 0 && gmtime_s(&utc, &when) == 0;
#else
    return localtime_r(&when, &local) != nullptr && gmtime_r(&when, &utc) != nullptr;
#endif
}

// Minutes since 1970-01-01 of a broken-down time read as UTC.
long long minutesOf(const std::tm& t)
{
    // Days from the civil date (the proleptic Gregorian calendar).
    long long y = static_cast<long long>(t.tm_year) + 1900;
    const long long m = t.tm_mon + 1;
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + t.tm_mday - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long days = era * 146097 + doe - 719468;
    return (days * 24 + t.tm_hour) * 60 + t.tm_min;
}

}  // namespace

std::string localTimeWithOffset(std::time_t when)
{
    std::tm local{};
    std::tm utc{};
    if (!localAndUtc(when, local, utc))
        return {};
    const long long offset = minutesOf(local) - minutesOf(utc);
    const char sign = offset < 0 ? '-' : '+';
    const int magnitude = static_cast<int>(std::llabs(offset) % (100 * 60));
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, sign, magnitude / 60, magnitude % 60);
    return text;
}

}  // namespace kestrel
