#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The default text of a double: the shortest digits that read back as the same
// double, written without an exponent ("0", "1.85", "-4.95", "500000") unless the
// magnitude is 10^21 or more or below 10^-6 ("1e+21", "1e-07"); and "NaN",
// "Infinity", "-Infinity".
std::string Str(double value);

// To the nearest whole number, halfway cases away from zero.
double Round(double value);

double RuntimePow(double base, double exponent);

// Round to nearest, ties to even; saturates at the 32-bit limits; NaN gives 0.
std::int32_t RuntimeCvtReal64ToSInt32(double value);
// How many NaNs and infinities RuntimeCvtReal64ToSInt32 has been handed in this
// process. The windows must never hand it one, so a test can watch that it stays put.
std::uint64_t NonFiniteConversions();
double RuntimeCvtSInt32ToReal64(std::int32_t value);

std::string RuntimeAddString(std::string_view a, std::string_view b);
