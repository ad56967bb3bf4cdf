// The two calculation methods: bounds and names.
#include "controller/method.h"

#include <stdexcept>
#include <string>

namespace quadrix {

Method MethodAt(Long index) {
    if (index < 1 || index > kMethodCount) {
        throw std::out_of_range("method index " + std::to_string(index) + " outside 1.." +
                                std::to_string(kMethodCount));
    }
    return static_cast<Method>(index);
}

std::string_view MethodName(Method method) {
    return method == Method::kShooting ? "Pi per shoot" : "Pi per stripe";
}

}  // namespace quadrix
