// touchcal.exe: calibrates one touch controller with four touches on a full-screen target.
//   touchcal [-d] [-t] [-s] [-f] [-8] [-2] [-i]
#include "calibrator/entry.h"

// Declared by hand: program code keeps clear of the system headers.
extern "C" int __stdcall WinMain(void* hi, void* hip, char* cp, int num) {
    return touchcal::touchcalMain({hi, hip, cp, num});
}
