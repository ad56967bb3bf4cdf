#pragma once

#include <string>
#include <string_view>

namespace quadrix {

// Builds an estimator's state text: one line per value, each a label padded to
// twelve characters so that all values start in the same column, lines joined
// by CR LF with none after the last.
class StateText {
  public:
    StateText& Line(std::string_view name, const std::string& value);
    std::string Text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace quadrix
