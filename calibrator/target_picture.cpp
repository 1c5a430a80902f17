#include "calibrator/target_picture.h"

#include "calibrator/target_places.h"

namespace touchcal {

namespace {

constexpr int ringWidth = 2;
constexpr int ringRadii[] = {6, 14, 22, 30};
constexpr int crossWidth = 2;

}  // namespace

ui::Picture targetPicture() {
    ui::Picture p(pictureSize, pictureSize, ui::clWhite);
    // The centre lies between pixels 31 and 32, where the target point is.
    const int twice = pictureSize - 1;
    for (int y = 0; y < pictureSize; ++y) {
        for (int x = 0; x < pictureSize; ++x) {
            const int dx = 2 * x - twice, dy = 2 * y - twice;
            const int d2 = dx * dx + dy * dy;
            for (int r : ringRadii) {
                const int inner = 2 * (r - ringWidth), outer = 2 * r;
                if (d2 >= inner * inner && d2 < outer * outer)
                    p.setPixel(x, y, ui::clBlue);
            }
        }
    }
    const int from = pictureSize / 2 - crossWidth / 2;
    p.fillRect(from, 0, crossWidth, pictureSize, ui::clBlue);
    p.fillRect(0, from, pictureSize, crossWidth, ui::clBlue);
    return p;
}

}  // namespace touchcal
