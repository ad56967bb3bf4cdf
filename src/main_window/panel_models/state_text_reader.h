#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quadrix {

// Reads the numbers back out of an estimator's state text, whose lines are a
// label, a colon, blanks and a value ("PiAbove:    3.14350989153902"). The
// values are the 15-digit texts of the numbers, with the locale's separator.
class StateTextReader {
  public:
    StateTextReader(std::string_view text, std::string_view separator);

    // The value of the line with that label; none if no line has it or its value
    // is no plain number.
    std::optional<double> Value(std::string_view label) const;

  private:
    std::string text_;
    std::string separator_;
};

}  // namespace quadrix
