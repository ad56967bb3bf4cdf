#pragma once

#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

#include "runtime/random_source.h"

namespace quadrix::testing {

// Yields the scripted values in order and counts how many were drawn.
class ScriptedRandomSource : public RandomSource {
  public:
    explicit ScriptedRandomSource(std::vector<double> values) : values_(std::move(values)) {}

    double Next() override {
        if (drawn_ >= values_.size()) {
            throw std::logic_error("script exhausted");
        }
        return values_[drawn_++];
    }

    std::size_t Drawn() const { return drawn_; }

  private:
    std::vector<double> values_;
    std::size_t drawn_ = 0;
};

}  // namespace quadrix::testing
