#pragma once
// The calibration target the window shows.
#include "ui/picture.h"

namespace touchcal {

// 64 x 64: concentric blue rings crossed by a blue cross, on white.
ui::Picture targetPicture();

}  // namespace touchcal
