#include "ui/picture.h"

#include <cstdio>

#include "ui/exception.h"
#include "platform/host.h"

namespace ui {

Picture::Picture(int width, int height, Color fill)
    : m_width(width > 0 ? width : 0),
      m_height(height > 0 ? height : 0),
      m_pixels(static_cast<std::size_t>(m_width) * m_height, fill) {}

Color Picture::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return clBlack;
    return m_pixels[static_cast<std::size_t>(y) * m_width + x];
}

void Picture::setPixel(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    m_pixels[static_cast<std::size_t>(y) * m_width + x] = c;
}

void Picture::fillRect(int left, int top, int width, int height, Color c) {
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) setPixel(x, y, c);
    }
}

namespace {

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return v;
}

}  // namespace

Picture Picture::fromBmp(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
        throw Exception("Bitmap image is not valid");
    }
    std::uint32_t offset = le(bytes, 10, 4);
    int width = static_cast<std::int32_t>(le(bytes, 18, 4));
    int height = static_cast<std::int32_t>(le(bytes, 22, 4));
    int bits = static_cast<int>(le(bytes, 28, 2));
    std::uint32_t compression = le(bytes, 30, 4);
    bool bottomUp = height > 0;
    if (height < 0) height = -height;
    // BI_BITFIELDS is allowed for 32 bits when it names the usual masks; the layout is read
    // as B, G, R, unused either way.
    if ((bits != 24 && bits != 32) || (compression != 0 && compression != 3) || width <= 0 ||
        height <= 0 || width > 4096 || height > 4096) {
        throw Exception("Bitmap image is not valid");
    }
    std::size_t bytesPerPixel = static_cast<std::size_t>(bits) / 8;
    std::size_t stride = (static_cast<std::size_t>(width) * bytesPerPixel + 3) & ~std::size_t{3};
    if (offset + stride * static_cast<std::size_t>(height) > bytes.size()) {
        throw Exception("Bitmap image is not valid");
    }
    Picture p(width, height);
    for (int row = 0; row < height; ++row) {
        int y = bottomUp ? height - 1 - row : row;
        std::size_t at = offset + stride * static_cast<std::size_t>(row);
        for (int x = 0; x < width; ++x, at += bytesPerPixel) {
            p.setPixel(x, y, rgb(bytes[at + 2], bytes[at + 1], bytes[at]));
        }
    }
    return p;
}

Picture Picture::load(const std::string& path) {
    platform::File f = platform::host().openFile(path, "rb");
    if (!f) throw Exception("Cannot open file \"" + path + "\"");
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + n);
    return fromBmp(bytes);
}

}  // namespace ui
