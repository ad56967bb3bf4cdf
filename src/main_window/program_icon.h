#pragma once

#include <QIcon>

namespace quadrix {

// The program's icon, a white disc with a thin black outline, at every size
// the program carries.
class ProgramIcon {
  public:
    static QIcon Make();
};

}  // namespace quadrix
