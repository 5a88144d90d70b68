#pragma once

// The arithmetic of the parabola y = a (x - h)^2 + k, every step a double in the
// order written, so that the window's numbers are the same on every machine.

struct ParabolaVertex {
    double h { 0.0 };
    double k { 0.0 };
};

// The vertex of y = a x^2 + b x + c: h = -b / (2a), k = ((a h) h + b h) + c. With
// a = 0 there is none: h comes out infinite or NaN, and k NaN.
ParabolaVertex PolynomialVertex(double a, double b, double c);

// a * (x - h)^2 + k.
double ParabolaValue(double a, double h, double k, double x);

// b x + c: the polynomial form's curve when a = 0 leaves it without a vertex.
double LineValue(double b, double c, double x);
