// Checked arithmetic on Doubles that raises the program's floating-point errors.
#include "runtime/double_arithmetic.h"

#include <cmath>

#include "runtime/errors.h"

namespace quadrix {
namespace {

double Checked(double result) {
    if (std::isnan(result)) {
        throw InvalidOperation();
    }
    if (std::isinf(result)) {
        throw FloatingPointOverflow();
    }
    return result;
}

}  // namespace

double DoubleAdd(double a, double b) {
    return Checked(a + b);
}

double DoubleSub(double a, double b) {
    return Checked(a - b);
}

double DoubleMul(double a, double b) {
    return Checked(a * b);
}

double DoubleDiv(double a, double b) {
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a)) {
            throw InvalidOperation();
        }
        throw DivisionByZero();
    }
    return Checked(a / b);
}

double DoubleSqrt(double a) {
    if (a < 0.0) {
        throw InvalidOperation();
    }
    return Checked(std::sqrt(a));
}

}  // namespace quadrix
