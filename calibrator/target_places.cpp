#include "calibrator/target_places.h"

namespace touchcal {

namespace {

// The controller's own calibration expects each target where the product of size and
// factor falls in 64-bit-mantissa arithmetic, truncated once after the whole-number terms:
// rounding the product to double first moves a target (800 wide: 671 instead of 670).
int scaled(int size, double factor, int whole) {
    const long double exact = static_cast<long double>(size) * static_cast<long double>(factor);
    return static_cast<int>(exact + static_cast<long double>(whole));
}

// The picture is centred on the 20 x 20 square whose top-left corner is the target point.
constexpr int toPicture = 10 - pictureSize / 2;

}  // namespace

Place cornerPlace(int step, int width, int height) {
    const int left = step == 0 ? scaled(width, 0.118, toPicture)
                               : scaled(width, 0.87, toPicture - 3);
    const int top = step == 2 ? scaled(height, 0.11, toPicture) : scaled(height, 0.862, toPicture);
    return {left, top};
}

Place finalPlace(int width, int height) { return {(width - pictureSize) / 2, height / 3}; }

}  // namespace touchcal
