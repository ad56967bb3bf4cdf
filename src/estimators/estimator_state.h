// The state of either kind of estimator.
#pragma once

#include <variant>

#include "estimators/shoot_state.h"
#include "estimators/stripe_state.h"

namespace quadrix {

// The state of either kind of estimator, as data.
using EstimatorState = std::variant<ShootState, StripeState>;

}  // namespace quadrix
