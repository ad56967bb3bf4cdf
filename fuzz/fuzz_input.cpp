#include "fuzz_input.h"

namespace quadrix::fuzzing {

std::uint8_t FuzzInput::TakeByte() {
    if (Exhausted()) {
        return 0;
    }
    return bytes_[position_++];
}

std::string FuzzInput::TakeRest() {
    if (Exhausted()) {
        return {};
    }
    const std::span<const std::uint8_t> rest = bytes_.subspan(position_);
    position_ = bytes_.size();
    return {rest.begin(), rest.end()};
}

}  // namespace quadrix::fuzzing
