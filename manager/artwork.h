#pragma once
// The manager's own artwork, drawn in code: the topic pictures of the touch tabs (glyphs
// of the picture buttons and pictures on the setting panels) and the header pictures.
#include "manager/touch_page.h"
#include "ui/ui.h"

namespace touchman {

// The topic's 16 x 16 drawing, each dot scale x scale pixels. On a glyph the bottom left
// pixel marks the see-through colour.
ui::Picture topicPicture(Topic topic, int scale, ui::Color background);

// Header pictures: the maker's mark (Image1), a banner (Image2) and a touch panel (Image3).
ui::Picture headerMark();
ui::Picture headerBanner();
ui::Picture headerPanel();

}  // namespace touchman
