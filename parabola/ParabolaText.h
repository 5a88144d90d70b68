#pragma once

#include <string>
#include <string_view>

// The texts of the parabola window's labels.

// "a = 1.5": a value label, the parameter's name and the number text of its value.
std::string ParameterText(std::string_view name, double value);

// y = a * (x - h) ^ 2 + k, written with the blanks of its fixed pieces:
// "y = 1.5 * (x  + 2) ^ 2  + 0" for a = 1.5, h = -2, k = 0.
std::string VertexFormEquation(double a, double h, double k);

// y = a x^2 + b x + c: "y = 1 * x^2  - 2 * x + 1" for a = 1, b = -2, c = 1.
std::string PolynomialFormEquation(double a, double b, double c);
