// Checked arithmetic on Doubles that raises the program's floating-point errors.
#pragma once

namespace quadrix {

// Checked Double arithmetic on finite operands. A result that overflows raises
// FloatingPointOverflow, a finite non-zero value divided by zero raises
// DivisionByZero, and an undefined result (0/0, root of a negative number)
// raises InvalidOperation.
double DoubleAdd(double a, double b);
double DoubleSub(double a, double b);
double DoubleMul(double a, double b);
double DoubleDiv(double a, double b);
double DoubleSqrt(double a);

}  // namespace quadrix
