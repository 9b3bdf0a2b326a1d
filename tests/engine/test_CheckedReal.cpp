// The failure rules of the engine's arithmetic.
#include "engine/clsCheckedReal.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

using Real = clsCheckedReal;

int32_t FailureOf(const std::function<Real()>& calculation)
{
    try {
        calculation();
    } catch (const Real::Failure& failure) {
        return failure.Number;
    }
    return 0;
}

TEST(CheckedReal, FailuresByKind)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        std::function<Real()> calculation;
        int32_t number;
    } cases[] = {
        {"0 / 0", [] { return Real(0) / 0; }, 6},
        {"1 / 0", [] { return Real(1) / 0; }, 11},
        {"-1 / 0", [] { return Real(-1) / 0; }, 11},
        {"overflowing product, stored", [] { return Real(1e200) * 1e200; }, 6},
        {"overflow hidden by a later division", [] { return Real(1) / (Real(1e200) * 1e200 * 2); }, 6},
        {"overflow cancelled in the same expression", [] { return Real(1e308) * 10 - Real(1e308) * 10; }, 6},
        {"overflowing quotient", [] { return Real(1e300) / 1e-300; }, 6},
        {"negative base, fractional exponent", [] { return Real::Pow(-8, 1.0 / 3); }, 5},
        {"negative base, whole exponent", [] { return Real::Pow(-2, 3); }, 0},
        {"0 to a negative power", [] { return Real::Pow(0, -1); }, 5},
        {"0 to the power 0", [] { return Real::Pow(0, 0); }, 0},
        {"overflowing power", [] { return Real::Pow(10, 400); }, 6},
        {"logarithm of 0", [] { return Real::Log(0); }, 5},
        {"logarithm of a negative number", [] { return Real::Log(-1); }, 5},
        {"root of a negative number", [] { return Real::Sqrt(-1e-300); }, 5},
        {"root of 0", [] { return Real::Sqrt(0); }, 0},
        {"overflowing exponential", [] { return Real::Exp(710); }, 6},
        {"exponential of an infinite input", [&infinity] { return Real::Exp(-infinity); }, 6},
        {"comparison with an overflowed value", [] { return Real(Real(1e200) * 1e200 < 1 ? 1 : 0); }, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FailureOf(c.calculation), c.number) << c.name;
}

TEST(CheckedReal, ValuesAreThoseOfDoubleArithmetic)
{
    const Real x = Real(0.1) + 0.2;
    EXPECT_EQ(x.Value(), 0.1 + 0.2);
    EXPECT_EQ(Real::Pow(2, 0.5).Value(), std::pow(2.0, 0.5));
    EXPECT_EQ((Real(3) * 0.7 - 1).Value(), 3 * 0.7 - 1);
    EXPECT_EQ((-Real(2.5)).Value(), -2.5);
}

}  // namespace
