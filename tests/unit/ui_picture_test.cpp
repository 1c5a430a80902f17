// Pictures: drawing and reading BMP files.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ui/ui.h"

namespace {

// A 2 x 2, 24-bit, bottom-up BMP: bottom row red, white; top row blue, black.
std::vector<std::uint8_t> twoByTwo() {
    std::vector<std::uint8_t> b = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
        16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0,
        0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0, 0,
    };
    return b;
}

TEST(UiPicture, ReadsAnUncompressedBmp) {
    ui::Picture p = ui::Picture::fromBmp(twoByTwo());
    ASSERT_EQ(p.width(), 2);
    ASSERT_EQ(p.height(), 2);
    EXPECT_EQ(p.pixel(0, 0), ui::clBlue);
    EXPECT_EQ(p.pixel(1, 0), ui::clBlack);
    EXPECT_EQ(p.pixel(0, 1), ui::clRed);
    EXPECT_EQ(p.pixel(1, 1), ui::clWhite);
}

TEST(UiPicture, RefusesWhatItCannotRead) {
    std::vector<std::uint8_t> shortFile = twoByTwo();
    shortFile.resize(60);
    std::vector<std::uint8_t> paletted = twoByTwo();
    paletted[28] = 8;
    for (const auto& bytes : {std::vector<std::uint8_t>{'B', 'M'}, shortFile, paletted}) {
        EXPECT_THROW(ui::Picture::fromBmp(bytes), ui::Exception);
    }
}

TEST(UiPicture, DrawingStaysInsideThePicture) {
    ui::Picture p(4, 3, ui::clWhite);
    p.fillRect(2, 1, 5, 5, ui::clNavy);
    EXPECT_EQ(p.pixel(1, 1), ui::clWhite);
    EXPECT_EQ(p.pixel(3, 2), ui::clNavy);
    EXPECT_EQ(p.pixels().size(), 12u);
}

TEST(UiPicture, AutoSizedImageTakesThePicturesSize) {
    ui::Form f("TPictures");
    auto* image = f.add<ui::Image>(&f, "Image1", 5, 5, 10, 10);
    image->setAutoSize(true);
    image->setPicture(ui::Picture(64, 64));
    EXPECT_EQ(image->width(), 64);
    EXPECT_EQ(image->height(), 64);
}

}  // namespace
