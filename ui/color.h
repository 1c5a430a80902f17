#pragma once
// Colours as the kit's windows use them: plain RGB in the 0x00BBGGRR layout, or one of
// the system's colours, which the backend resolves when it paints.
#include <cstdint>

namespace ui {

using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

constexpr Color systemColorFlag = 0x80000000u;
constexpr Color systemColor(int index) { return systemColorFlag | static_cast<Color>(index); }
constexpr bool isSystemColor(Color c) { return (c & systemColorFlag) != 0; }
constexpr int systemColorIndex(Color c) { return static_cast<int>(c & 0xFF); }

constexpr Color clBlack = rgb(0, 0, 0);
constexpr Color clMaroon = rgb(128, 0, 0);
constexpr Color clGreen = rgb(0, 128, 0);
constexpr Color clNavy = rgb(0, 0, 128);
constexpr Color clGray = rgb(128, 128, 128);
constexpr Color clSilver = rgb(192, 192, 192);
constexpr Color clRed = rgb(255, 0, 0);
constexpr Color clBlue = rgb(0, 0, 255);
constexpr Color clWhite = rgb(255, 255, 255);

// The system colour indexes are those Windows gives them.
constexpr Color clWindow = systemColor(5);
constexpr Color clWindowText = systemColor(8);
constexpr Color clBtnFace = systemColor(15);
constexpr Color clBtnText = systemColor(18);

}  // namespace ui
