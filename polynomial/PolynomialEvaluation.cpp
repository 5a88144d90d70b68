#include "polynomial/PolynomialEvaluation.h"

#include <cstddef>

namespace Curvesketcher {

namespace {

double Term(double value, double x, std::int32_t power)
{
    double term = value;
    for (std::int32_t i = 0; i < power; ++i)
        term = term * x;
    return term;
}

}

double EvaluatePolynomial(std::int32_t order, std::int32_t mode, PolynomialValues const& values, double x)
{
    if (!IsOrderIndex(order))
        return 0.0;
    std::int32_t const degree = order + 1;

    if (IsCoefficientMode(mode)) {
        double y = Term(values[0], x, degree);
        for (std::int32_t k = 1; k <= degree; ++k)
            y = y + Term(values[static_cast<std::size_t>(k)], x, degree - k);
        return y;
    }

    double y = x - values[0];
    for (std::int32_t k = 1; k < degree; ++k)
        y = y * (x - values[static_cast<std::size_t>(k)]);
    return y;
}

}
