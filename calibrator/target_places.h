#pragma once
// Where the target picture goes on a monitor of a given size, relative to the monitor.

namespace touchcal {

constexpr int pictureSize = 64;

struct Place {
    int left = 0;
    int top = 0;
    bool operator==(const Place& o) const { return left == o.left && top == o.top; }
};

// The picture's top-left corner at corner target `step` (0 lower left, 1 lower right,
// 2 upper right) on a width x height monitor.
Place cornerPlace(int step, int width, int height);
// The final target: the middle of the upper third.
Place finalPlace(int width, int height);

}  // namespace touchcal
