// The two calculation methods: one identity for their index, count, name and tab.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "runtime/long_arithmetic.h"

namespace quadrix {

// A calculation method, valued by its 1-based index: the tabs, the estimators,
// the running flags and the pages all count the methods this way.
enum class Method : Long { kShooting = 1, kStripes = 2 };

inline constexpr Long kMethodCount = 2;
inline constexpr std::array<Method, kMethodCount> kMethods = {Method::kShooting, Method::kStripes};

constexpr Long IndexOf(Method method) {
    return static_cast<Long>(method);
}

// The method's element in a container of kMethodCount elements.
constexpr std::size_t SlotOf(Method method) {
    return static_cast<std::size_t>(IndexOf(method) - 1);
}

// The method with that 1-based index; outside 1..kMethodCount a BoundsError.
Method MethodAt(Long index);

// What the method's tab says: "Pi per shoot", "Pi per stripe".
std::string_view MethodName(Method method);

// A tab strip counts its tabs from 0, the methods count from 1.
constexpr int TabPositionOf(Method method) {
    return static_cast<int>(SlotOf(method));
}
constexpr Long MethodIndexOfTab(int position) {
    return static_cast<Long>(position) + 1;
}

}  // namespace quadrix
