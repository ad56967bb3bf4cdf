// The errors the program raises.
#pragma once

#include <stdexcept>

namespace quadrix {

// Base of every error the program raises. An error abandons the operation in
// progress and everything that called it, up to the event handler.
class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A 32-bit Long result left its range.
class Overflow : public Error {
  public:
    Overflow() : Error("Overflow") {}
};

// Base of the floating-point faults.
class FloatingPointError : public Error {
  public:
    using Error::Error;
};

// A finite non-zero value divided by zero.
class DivisionByZero : public FloatingPointError {
  public:
    DivisionByZero() : FloatingPointError("Division by zero") {}
};

// An operation without a defined result, such as 0/0 or the root of a negative number.
class InvalidOperation : public FloatingPointError {
  public:
    InvalidOperation() : FloatingPointError("Invalid floating-point operation") {}
};

// A Double result too large for the type.
class FloatingPointOverflow : public FloatingPointError {
  public:
    FloatingPointOverflow() : FloatingPointError("Floating-point overflow") {}
};

// An index outside the bounds of a container.
class BoundsError : public Error {
  public:
    BoundsError() : Error("Subscript out of range") {}
};

// A text that spells no number was converted to one.
class ConversionError : public Error {
  public:
    ConversionError() : Error("Type mismatch") {}
};

}  // namespace quadrix
