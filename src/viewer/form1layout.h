#pragma once

#include <array>

#include "glyphview/pagemaths.h"

// The window's fixed layout, in logical pixels (the design's twips divided by 15). Controls sit at
// absolute positions; resizing the window moves and resizes nothing.
namespace viewer::layout {

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kClientWidth = 887;   // 13305 twips
inline constexpr int kClientHeight = 468;  // 7020 twips

inline constexpr Rect kCommand1{4, 8, 89, 25};
inline constexpr Rect kCommand2{96, 8, 81, 25};
inline constexpr Rect kCommand3{180, 8, 81, 25};
inline constexpr Rect kCommand4{264, 8, 33, 25};
inline constexpr Rect kCommand5{300, 8, 33, 25};
inline constexpr Rect kPicture1{340, 8, 544, 425};
inline constexpr Rect kLabel2{4, 440, 229, 25};
// Labels that size themselves to their caption: only their top-left corner is fixed.
inline constexpr int kLabelLeft = 4;
inline constexpr int kUrlTop = 264;

// The picture's sunken border is 2 pixels on each side, leaving 540 x 421 to draw in.
inline constexpr int kPictureBorder = 2;
inline constexpr int kPictureInnerWidth = kPicture1.width - 2 * kPictureBorder;
inline constexpr int kPictureInnerHeight = kPicture1.height - 2 * kPictureBorder;
static_assert(kPictureInnerWidth == glyphview::kViewWidth &&
              kPictureInnerHeight == glyphview::kViewHeight);

// The thirteen header rows stack down from the top, 3 pixels apart: boxes 167 wide (2500 twips)
// and 25 high, but the lead-byte table's is 57 high, which moves the rows below it down by 32.
inline constexpr int kTextLeft = 164;
inline constexpr int kTextTop = 40;
inline constexpr int kTextWidth = 167;
inline constexpr int kTextHeight = 25;
inline constexpr int kTallTextHeight = 57;
inline constexpr int kTextGap = 3;
// A 17-pixel label on a 25-pixel box is centred 4 pixels down.
inline constexpr int kLabelBelowText = 4;

}  // namespace viewer::layout
