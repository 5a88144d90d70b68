#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The default text of a double: the shortest decimal text that reads back as the
// same double ("0", "1.85", "-4.95"), and "NaN", "Infinity", "-Infinity".
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
