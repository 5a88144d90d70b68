#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "polynomial/PolynomialValues.h"

namespace Curvesketcher {

// Writes the signed term of a value: the window hands its PlusOrMinus, so that every
// term of its equation goes through it.
using SignedTermWriter = std::function<std::string(double)>;

// The constant after x in a root factor, which reads as x minus the root: the signed
// term of 0 - root.
std::string RootTerm(double root, SignedTermWriter const& signed_term);

// The equation of the polynomial of the order index by the mode, from the values of
// the members that the order and mode show, every term after the leading coefficient
// and every root constant written by `signed_term`; empty for an order index outside
// 0 to 4.
std::string EquationText(std::int32_t order, std::int32_t mode, PolynomialValues const& values, SignedTermWriter const& signed_term);

}
