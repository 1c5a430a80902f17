// touchacc.exe: edits the edge switches, margins and compensations of one touch controller.
//   touchacc [-8] [-2] [-d]   (secondary family, second display, no controller)
#include "edgetool/entry.h"

// Declared by hand: program code keeps clear of the system headers.
extern "C" int __stdcall WinMain(void* hi, void* hip, char* cp, int num) {
    return touchacc::touchaccMain({hi, hip, cp, num});
}
