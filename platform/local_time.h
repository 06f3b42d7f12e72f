#pragma once
// The local time as ISO 8601 with the offset from UTC.

#include <ctime>
#include <string>

namespace kestrel {

// For example 2026-12-07T12:34:56+09:00.
std::string localTimeWithOffset(std::time_t when);

}  // namespace kestrel
