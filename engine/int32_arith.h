#pragma once
// Signed 32-bit arithmetic without undefined behaviour. The damage arithmetic is
// on 32-bit integers; values come from typed text and settings, so sums and
// products can leave the 32-bit range. They wrap around as two's-complement
// 32-bit arithmetic does (computed in 64 bits, then reduced modulo 2^32), so
// ordinary values give exactly the plain 32-bit results. Floating-point values
// are truncated toward zero and clamped to the 32-bit range; NaN gives 0.

#include <cmath>
#include <cstdint>

namespace kestrel {

constexpr std::int32_t wrap32(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

constexpr std::int32_t add32(std::int32_t a, std::int32_t b) { return wrap32(static_cast<std::int64_t>(a) + b); }

constexpr std::int32_t sub32(std::int32_t a, std::int32_t b) { return wrap32(static_cast<std::int64_t>(a) - b); }

constexpr std::int32_t mul32(std::int32_t a, std::int32_t b) { return wrap32(static_cast<std::int64_t>(a) * b); }

// a / b truncating toward zero; INT32_MIN / -1 wraps, division by zero gives 0.
constexpr std::int32_t div32(std::int32_t a, std::int32_t b)
{
    return b == 0 ? 0 : wrap32(static_cast<std::int64_t>(a) / b);
}

inline std::int32_t truncToInt32(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483648.0) {
        return INT32_MAX;
    }
    if (value <= -2147483649.0) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace kestrel
