#include "fuzz_input.h"

#include <algorithm>

namespace quadrix::fuzzing {

std::uint8_t FuzzInput::TakeByte() {
    return Exhausted() ? 0 : bytes_[position_++];
}

std::string FuzzInput::TakeRest() {
    const std::span<const std::uint8_t> rest = bytes_.subspan(std::min(position_, bytes_.size()));
    position_ = bytes_.size();
    return {rest.begin(), rest.end()};
}

}  // namespace quadrix::fuzzing
