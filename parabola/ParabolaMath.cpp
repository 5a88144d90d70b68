#include "parabola/ParabolaMath.h"

#include "framework/Numbers.h"

ParabolaVertex PolynomialVertex(double a, double b, double c)
{
    double const n = -b;
    double const d = 2.0 * a;
    double const h = n / d;
    double p = a * h;
    p = p * h;
    double const q = b * h;
    double const s = p + q;
    return { h, s + c };
}

double ParabolaValue(double a, double h, double k, double x)
{
    double const d = x - h;
    double const p = RuntimePow(d, 2.0);
    double const m = a * p;
    return m + k;
}

double LineValue(double b, double c, double x)
{
    double const m = b * x;
    return m + c;
}
