#include "parabola/SignedTerm.h"

#include "framework/Numbers.h"

std::string SignedTerm(double value)
{
    if (value < 0.0)
        return " - " + Str(-value);
    return " + " + Str(value);
}
