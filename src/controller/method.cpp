// The two calculation methods: bounds and names.
#include "controller/method.h"

#include "runtime/errors.h"

namespace quadrix {

Method MethodAt(Long index) {
    if (index < 1 || index > kMethodCount) {
        throw BoundsError();
    }
    return static_cast<Method>(index);
}

std::string_view MethodName(Method method) {
    return method == Method::kShooting ? "Pi per shoot" : "Pi per stripe";
}

}  // namespace quadrix
