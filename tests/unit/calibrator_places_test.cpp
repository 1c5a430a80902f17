// Where the targets go, what the picture looks like, and which monitor a run uses.
#include <gtest/gtest.h>

#include <vector>

#include "calibrator/monitor_choice.h"
#include "calibrator/target_picture.h"
#include "calibrator/target_places.h"

namespace touchcal {
namespace {

TEST(CalibratorPlaces, PictureCornersForMonitorSizes) {
    struct Case {
        int w, h;
        Place lowerLeft, lowerRight, upperRight, last;
    };
    const Case cases[] = {
        {1024, 768, {98, 640}, {865, 640}, {865, 62}, {480, 256}},
        // The product rounded to double would give 671 for the right-hand targets.
        {800, 600, {72, 495}, {670, 495}, {670, 44}, {368, 200}},
        {1920, 1080, {204, 908}, {1645, 908}, {1645, 96}, {928, 360}},
        // 1000 x 0.118 is just below 118 in the double constant.
        {1000, 1000, {95, 839}, {844, 839}, {844, 88}, {468, 333}},
        {1280, 1024, {129, 860}, {1088, 860}, {1088, 90}, {608, 341}},
        {1366, 768, {139, 640}, {1163, 640}, {1163, 62}, {651, 256}},
        {640, 480, {53, 391}, {531, 391}, {531, 30}, {288, 160}},
        // Negative places truncate toward zero.
        {100, 100, {-10, 64}, {61, 64}, {61, -10}, {18, 33}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
        const auto show = [](Place p) {
            return std::to_string(p.left) + "," + std::to_string(p.top);
        };
        EXPECT_EQ(show(cornerPlace(0, c.w, c.h)), show(c.lowerLeft));
        EXPECT_EQ(show(cornerPlace(1, c.w, c.h)), show(c.lowerRight));
        EXPECT_EQ(show(cornerPlace(2, c.w, c.h)), show(c.upperRight));
        EXPECT_EQ(show(finalPlace(c.w, c.h)), show(c.last));
    }
}

TEST(CalibratorPlaces, PictureIsBlueRingsAndCrossOnWhite) {
    const ui::Picture p = targetPicture();
    ASSERT_EQ(p.width(), 64);
    ASSERT_EQ(p.height(), 64);
    // The cross through the middle, both ways, edge to edge.
    for (int i : {0, 10, 40, 63}) {
        EXPECT_EQ(p.pixel(31, i), ui::clBlue) << i;
        EXPECT_EQ(p.pixel(i, 32), ui::clBlue) << i;
    }
    // Along a diagonal from the centre: white and blue alternate, ring after ring.
    int rings = 0;
    bool blue = false;
    for (int d = 0; d < 32; ++d) {
        const bool now = p.pixel(32 + d, 32 + d) == ui::clBlue;
        if (now && !blue)
            ++rings;
        blue = now;
    }
    EXPECT_GE(rings, 3);
    EXPECT_EQ(p.pixel(0, 0), ui::clWhite);
    EXPECT_EQ(p.pixel(63, 63), ui::clWhite);
    for (ui::Color c : p.pixels())
        EXPECT_TRUE(c == ui::clBlue || c == ui::clWhite);
}

TEST(CalibratorMonitors, WalkFindsTheMonitorTheFlagAsksFor) {
    using platform::Monitor;
    const Monitor a{0, 0, 1024, 768, true, 1}, b{1024, 0, 800, 600, false, 2};
    const Monitor bPrimary{1024, 0, 800, 600, true, 2}, aSecond{0, 0, 1024, 768, false, 1};
    struct Case {
        const char* what;
        std::vector<Monitor> monitors;
        int second, index;
    };
    const Case cases[] = {
        {"one monitor", {a}, 0, 0},
        {"one monitor, -2 has no effect", {a}, 1, 0},
        {"primary first", {a, b}, 0, 0},
        {"primary first, -2", {a, b}, 1, 1},
        {"primary listed second", {aSecond, bPrimary}, 0, 1},
        {"primary listed second, -2", {aSecond, bPrimary}, 1, 0},
        {"three, -2: the first non-primary", {a, b, b}, 1, 1},
        {"none primary: index 0", {aSecond, b}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(chooseMonitor(c.monitors, c.second), c.index);
    }
}

TEST(CalibratorMonitors, AnIndexThatDoesNotExistMeansThePrimary) {
    using platform::Monitor;
    const std::vector<Monitor> two{{0, 0, 1024, 768, false, 1}, {1024, 0, 800, 600, true, 2}};
    EXPECT_EQ(monitorAt(two, 0).number, 1);
    EXPECT_EQ(monitorAt(two, 1).number, 2);
    EXPECT_EQ(monitorAt(two, 2).number, 2);
    EXPECT_EQ(monitorAt(two, -1).number, 2);
    EXPECT_EQ(monitorAt({{0, 0, 1024, 768, true, 7}}, 1).number, 7);
    EXPECT_EQ(monitorAt({}, 0).width, 0);
}

}  // namespace
}  // namespace touchcal
