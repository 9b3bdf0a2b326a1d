#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <type_traits>

// A double whose arithmetic fails the way the scenario calculation must: a division by zero,
// a power, logarithm or root outside its domain, or any result that is not finite ends the
// calculation with the number and description users know for that failure, instead of
// carrying an infinity or NaN into the results. The failure is thrown as Failure and caught by
// the engine's entry point, so every quantity of a calculation is a clsCheckedReal.
//
// Sums, differences and products are Pending: an infinity or NaN they make can only grow
// through further sums and products, so it is checked once, where the value is stored, compared,
// divided or handed to a function, and never gets past the expression that made it.
class clsCheckedReal {
public:
    struct Failure {
        int32_t Number;
        const char* Description;
    };
    static constexpr Failure InvalidArgument{5, "Invalid procedure call or argument"};
    static constexpr Failure Overflow{6, "Overflow"};
    static constexpr Failure DivisionByZero{11, "Division by zero"};

    class Pending {
    public:
        constexpr explicit Pending(double v) : value(v) {}
        double Value() const { return Finite(value).value; }
        double value;
    };

    // Implicit, so that constants and record fields enter the formulas as they are written.
    constexpr clsCheckedReal(double v = 0) : value(v) {}
    clsCheckedReal(Pending pending) : value(Finite(pending.value).value) {}
    constexpr double Value() const { return value; }

    [[noreturn]] static void Raise(const Failure& failure);

    // 0 / 0 is an overflow, any other number divided by 0 a division by zero.
    friend clsCheckedReal operator/(clsCheckedReal a, clsCheckedReal b)
    {
        if (b.value == 0)
            Raise(a.value == 0 ? Overflow : DivisionByZero);
        return Finite(a.value / b.value);
    }

    friend bool operator==(clsCheckedReal a, clsCheckedReal b) { return a.value == b.value; }
    friend bool operator!=(clsCheckedReal a, clsCheckedReal b) { return a.value != b.value; }
    friend bool operator<(clsCheckedReal a, clsCheckedReal b) { return a.value < b.value; }
    friend bool operator<=(clsCheckedReal a, clsCheckedReal b) { return a.value <= b.value; }
    friend bool operator>(clsCheckedReal a, clsCheckedReal b) { return a.value > b.value; }
    friend bool operator>=(clsCheckedReal a, clsCheckedReal b) { return a.value >= b.value; }

    // A negative base needs a whole exponent, and 0 has no negative power.
    static clsCheckedReal Pow(clsCheckedReal base, clsCheckedReal exponent)
    {
        const double x = Finite(base.value).value;
        const double y = Finite(exponent.value).value;
        if ((x < 0 && y != std::trunc(y)) || (x == 0 && y < 0))
            Raise(InvalidArgument);
        // +0 to any positive power is +0: a fire without wind or without a crown costs no call.
        if (x == 0 && y > 0 && !std::signbit(x))
            return 0.0;
        return Finite(std::pow(x, y));
    }
    static clsCheckedReal Exp(clsCheckedReal x) { return Finite(std::exp(Finite(x.value).value)); }
    static clsCheckedReal Log(clsCheckedReal x)
    {
        if (!(Finite(x.value).value > 0))
            Raise(InvalidArgument);
        return std::log(x.value);
    }
    static clsCheckedReal Sqrt(clsCheckedReal x)
    {
        if (Finite(x.value).value < 0)
            Raise(InvalidArgument);
        return std::sqrt(x.value);
    }
    static clsCheckedReal Sin(clsCheckedReal x) { return std::sin(Finite(x.value).value); }
    static clsCheckedReal Cos(clsCheckedReal x) { return std::cos(Finite(x.value).value); }

private:
    static clsCheckedReal Finite(double v)
    {
        if (!std::isfinite(v))
            Raise(Overflow);
        return v;
    }

    double value;
};

namespace CheckedRealOperators {

template <class T>
concept Checked = std::same_as<T, clsCheckedReal> || std::same_as<T, clsCheckedReal::Pending>;
template <class T>
concept Operand = Checked<T> || std::is_arithmetic_v<T>;
template <class A, class B>
concept Operands = Operand<A> && Operand<B> && (Checked<A> || Checked<B>);

constexpr double Raw(clsCheckedReal x) { return x.Value(); }
constexpr double Raw(clsCheckedReal::Pending x) { return x.value; }
constexpr double Raw(double x) { return x; }

}  // namespace CheckedRealOperators

template <class A, class B>
    requires CheckedRealOperators::Operands<A, B>
constexpr clsCheckedReal::Pending operator+(A a, B b)
{
    return clsCheckedReal::Pending(CheckedRealOperators::Raw(a) + CheckedRealOperators::Raw(b));
}

template <class A, class B>
    requires CheckedRealOperators::Operands<A, B>
constexpr clsCheckedReal::Pending operator-(A a, B b)
{
    return clsCheckedReal::Pending(CheckedRealOperators::Raw(a) - CheckedRealOperators::Raw(b));
}

template <class A, class B>
    requires CheckedRealOperators::Operands<A, B>
constexpr clsCheckedReal::Pending operator*(A a, B b)
{
    return clsCheckedReal::Pending(CheckedRealOperators::Raw(a) * CheckedRealOperators::Raw(b));
}

template <CheckedRealOperators::Checked A>
constexpr clsCheckedReal::Pending operator-(A a)
{
    return clsCheckedReal::Pending(-CheckedRealOperators::Raw(a));
}
