// What the user has chosen in Windows' regional settings, as far as the program shows it.
#pragma once

#include <string>

namespace quadrix {

// The decimal separator of the user's own settings, in UTF-8; "" when Windows
// tells none. The C runtime's localeconv() knows only the locale's defaults.
std::string UserDecimalSeparator();

}  // namespace quadrix
