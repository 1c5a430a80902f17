#pragma once
// A small bitmap held as RGB pixels: the picture of an image control or the glyph of a
// bitmap button. Programs draw their artwork into one or read it from a BMP file.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/color.h"

namespace ui {

class Picture {
public:
    Picture() = default;
    Picture(int width, int height, Color fill = clWhite);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool empty() const { return m_width == 0 || m_height == 0; }

    // Pixels outside the picture read as black and are not written.
    Color pixel(int x, int y) const;
    void setPixel(int x, int y, Color c);
    void fillRect(int left, int top, int width, int height, Color c);
    // Rows from the top, each left to right.
    const std::vector<Color>& pixels() const { return m_pixels; }

    // An uncompressed 24- or 32-bit BMP file's content; throws ui::Exception otherwise.
    static Picture fromBmp(const std::vector<std::uint8_t>& bytes);
    // Reads a BMP file through the host.
    static Picture load(const std::string& path);

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Color> m_pixels;
};

}  // namespace ui
