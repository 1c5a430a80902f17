#include "manager/artwork.h"

namespace touchman {

namespace {

using Drawing = const char* const[16];

// '.' background, 'k' black, 'w' white, 'b' navy, 'l' light blue, 'r' red, 'g' grey.
const Drawing sound = {
    "................", "..........b.....", ".........bb..b..", "........blb...b.",
    ".......bllb.b..b", "..bbbbbbllb..b.b", "..blllllllb..b.b", "..blllllllb..b.b",
    "..blllllllb..b.b", "..bbbbbbllb..b.b", ".......bllb.b..b", "........blb...b.",
    ".........bb..b..", "..........b.....", "................", "................",
};
const Drawing calibration = {
    "................", ".......r........", ".......r........", ".....rrrrr......",
    "....r..r..r.....", "...r...r...r....", "...r...r...r....", ".rrrrrrrrrrrrr..",
    "...r...r...r....", "...r...r...r....", "....r..r..r.....", ".....rrrrr......",
    ".......r........", ".......r........", "................", "................",
};
const Drawing edge = {
    "bbbbbbbbbbbbbbbb", "b......rr......b", "b.....rrrr.....b", "b......rr......b",
    "b..............b", "b.r..........r.b", "brr...gggg...rrb", "brr...gggg...rrb",
    "b.r..........r.b", "b..............b", "b......rr......b", "b.....rrrr.....b",
    "b......rr......b", "b..............b", "bbbbbbbbbbbbbbbb", "................",
};
const Drawing touchMode = {
    "................", "......kk........", ".....kwwk.......", ".....kwwk.......",
    ".....kwwkkk.....", ".....kwwkwwkk...", ".....kwwkwwkwk..", "..kk.kwwwwwwwwk.",
    ".kwwkkwwwwwwwwk.", ".kwwwkwwwwwwwwk.", "..kwwwwwwwwwwwk.", "...kwwwwwwwwwk..",
    "....kwwwwwwwk...", ".....kwwwwwk....", ".....kkkkkkk....", "................",
};
const Drawing doubleClick = {
    "................", ".....bbbbbb.....", "...bb......bb...", "..b...bbbb...b..",
    "..b..b....b..b..", ".b..b..rr..b..b.", ".b..b.rrrr.b..b.", ".b..b.rrrr.b..b.",
    ".b..b..rr..b..b.", "..b..b....b..b..", "..b...bbbb...b..", "...bb......bb...",
    ".....bbbbbb.....", "................", "................", "................",
};
const Drawing information = {
    "................", ".....bbbbbb.....", "...bbbbbbbbbb...", "..bbbbbwwbbbbb..",
    "..bbbbbwwbbbbb..", ".bbbbbbbbbbbbbb.", ".bbbbbwwwbbbbbb.", ".bbbbbbwwbbbbbb.",
    ".bbbbbbwwbbbbbb.", ".bbbbbbwwbbbbbb.", "..bbbbbwwbbbbb..", "..bbbbwwwwbbbb..",
    "...bbbbbbbbbb...", ".....bbbbbb.....", "................", "................",
};

const char* const* const drawings[topicCount] = {sound,     calibration, edge,
                                                 touchMode, doubleClick, information};

ui::Color colorOf(char dot, ui::Color background) {
    switch (dot) {
    case 'k': return ui::clBlack;
    case 'w': return ui::clWhite;
    case 'b': return ui::clNavy;
    case 'l': return ui::rgb(120, 170, 230);
    case 'r': return ui::rgb(200, 30, 30);
    case 'g': return ui::clGray;
    default: return background;
    }
}

// A horizontal blend from one colour to another.
void blend(ui::Picture& p, ui::Color from, ui::Color to) {
    auto part = [](ui::Color c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    for (int x = 0; x < p.width(); ++x) {
        auto mix = [&](int shift) {
            return part(from, shift) + (part(to, shift) - part(from, shift)) * x / p.width();
        };
        p.fillRect(x, 0, 1, p.height(), ui::rgb(mix(0), mix(8), mix(16)));
    }
}

void drawAt(ui::Picture& p, Topic topic, int left, int top, int scale, ui::Color background) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            p.fillRect(left + x * scale, top + y * scale, scale, scale,
                       colorOf(drawings[topic][y][x], background));
}

}  // namespace

ui::Picture topicPicture(Topic topic, int scale, ui::Color background) {
    ui::Picture p(16 * scale, 16 * scale, background);
    drawAt(p, topic, 0, 0, scale, background);
    return p;
}

ui::Picture headerMark() {
    ui::Picture p(300, 58);
    blend(p, ui::clNavy, ui::rgb(60, 120, 200));
    // Two touch panels side by side, a finger on the first.
    p.fillRect(150, 9, 62, 40, ui::clWhite);
    p.fillRect(154, 13, 54, 32, ui::rgb(40, 80, 150));
    p.fillRect(222, 13, 54, 32, ui::clWhite);
    p.fillRect(226, 17, 46, 24, ui::rgb(40, 80, 150));
    drawAt(p, topicTouchMode, 168, 14, 2, ui::rgb(40, 80, 150));
    p.fillRect(14, 22, 110, 4, ui::clWhite);
    p.fillRect(14, 32, 80, 4, ui::rgb(200, 220, 250));
    return p;
}

ui::Picture headerBanner() {
    ui::Picture p(300, 58);
    blend(p, ui::rgb(60, 120, 200), ui::clWhite);
    return p;
}

ui::Picture headerPanel() {
    ui::Picture p(190, 58, ui::clWhite);
    drawAt(p, topicEdge, 0, 5, 3, ui::clWhite);
    drawAt(p, topicDoubleClick, 60, 5, 3, ui::clWhite);
    drawAt(p, topicCalibration, 120, 5, 3, ui::clWhite);
    return p;
}

}  // namespace touchman
