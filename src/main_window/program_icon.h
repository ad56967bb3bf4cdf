// The program's icon: a white disc with a thin black outline, at every size it carries.
#pragma once

#include <QIcon>

namespace quadrix {

QIcon ProgramIcon();

}  // namespace quadrix
