// The state text an estimator shows.
#pragma once

#include <string>
#include <string_view>

#include "estimators/estimator_state.h"

namespace quadrix {

// An estimator's state text: one line per value, each a label padded to twelve
// characters so that all values start in the same column, lines joined by
// CR LF with none after the last.
class StateText {
  public:
    static std::string Describe(const ShootState& state);
    static std::string Describe(const StripeState& state);
    static std::string Describe(const EstimatorState& state);

  private:
    StateText& Line(std::string_view name, const std::string& value);

    std::string text_;
};

}  // namespace quadrix
