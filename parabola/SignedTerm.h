#pragma once

#include <string>

// A term of an equation after its leading coefficient: " + " and the number text of
// the value when the value is not less than zero (a zero of either sign and NaN
// included), else " - " and the number text of its magnitude.
std::string SignedTerm(double value);
