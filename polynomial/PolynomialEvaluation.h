#pragma once

#include <cstdint>

#include "polynomial/PolynomialValues.h"

namespace Curvesketcher {

// y at x of the polynomial of the order index by the mode. By coefficients each term
// multiplies its value by x once per power, from the left, and the terms are added
// from the highest power down; by roots the factors x - root are multiplied in turn
// from the first root. No power function is used, so every result is exactly that
// sequence of double operations. An order index outside 0 to 4 has no polynomial
// and gives 0, the curve of the empty equation.
double EvaluatePolynomial(std::int32_t order, std::int32_t mode, PolynomialValues const& values, double x);

}
