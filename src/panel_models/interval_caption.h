// The caption line under a method's drawing: an interval for pi and the digits it settles.
#pragma once

#include <string>
#include <string_view>

namespace quadrix {

// The interval for pi and the digits of pi it already settles, those both of
// its ends share:
//   "95%: [3.132, 3.149]  π = 3.1…"  or  "[2.49, 3.49]  no digit sure yet"
// Each end is shown cut two places after the shared digits, so the place where
// the ends part is always visible.
//
// The label goes in front of the interval; the separator replaces "." in the
// numbers, and with "," the ends are parted by "; " instead of ", ".
std::string IntervalCaption(std::string_view label, double lower, double upper,
                            std::string_view separator);

}  // namespace quadrix
