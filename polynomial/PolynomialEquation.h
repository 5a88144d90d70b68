#pragma once

#include <cstdint>
#include <string>

#include "polynomial/PolynomialValues.h"

namespace Curvesketcher {

// The constant after x in a root factor, which reads as x minus the root: the signed
// term (SignedTerm) of 0 - root.
std::string RootTerm(double root);

// The equation of the polynomial of the order index by the mode, from the values of
// the members that the order and mode show; empty for an order index outside 0 to 4.
std::string EquationText(std::int32_t order, std::int32_t mode, PolynomialValues const& values);

}
