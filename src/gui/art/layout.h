#pragma once
// Where every control of the main window sits, in pixels of the fixed 759 x 528
// client area. The background artwork paints its panels behind these places.
// Places the users' manuals give in twips (15 twips a pixel) are converted here once.

#include <QRect>
#include <QSize>

namespace tw::layout {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

inline constexpr QSize kClientSize{759, 528};

// Title, tempo and start option, above the score list.
inline constexpr QRect kTitleCaption{12, 14, 38, 24};
inline constexpr QRect kTitle{52, 14, 196, 24};
inline constexpr QRect kTempoCaption{12, 46, 46, 24};
inline constexpr QRect kTempo{60, 46, 64, 24};
inline constexpr QRect kPlayStartFrame{132, 42, 116, 38};   // `Picture1`

// Column headings and the score list.
inline constexpr QRect kHeadingNo{14, 86, 30, 16};     // `lblRow1` "No"
inline constexpr QRect kHeadingOct{50, 86, 30, 16};    // `lblRow2` "Oct"
inline constexpr QRect kHeadingPitch{76, 86, 40, 16};  // `Label1` "音階"
inline constexpr QRect kHeadingLength{150, 86, 40, 16};// `Label2` "長さ"
inline constexpr QRect kScoreList{12, 104, 236, 412};

// The keyboard: 15 white keys (F to F, two octaves) and 10 black keys.
inline constexpr QRect kKeyboard{256, 16, 330, 104};
inline constexpr QSize kWhiteKey{22, 104};
inline constexpr QSize kBlackKey{14, 64};

// Length buttons (8) and rest buttons (5), one row each.
inline constexpr QSize kEntryButton{36, 36};
inline constexpr int kEntryButtonStep = 40;
inline constexpr QRect kLengthRow{256, 132, 8 * kEntryButtonStep, 36};
inline constexpr QRect kRestRow{256, 176, 5 * kEntryButtonStep, 36};

// Toolbar images.
inline constexpr QSize kToolImage{48, 48};
inline constexpr QRect kNew{603, 16, 48, 48};
inline constexpr QRect kSent{655, 16, 48, 48};
inline constexpr QRect kEnd{707, 16, 48, 48};
inline constexpr QRect kPlay{603, 72, 48, 48};
inline constexpr QRect kInsert{655, 72, 48, 48};
inline constexpr QRect kDel{707, 72, 48, 48};
inline constexpr QRect kCopy{603, 128, 48, 48};
inline constexpr QRect kPaste{655, 128, 48, 48};
inline constexpr QRect kUndo{707, 128, 48, 48};
inline constexpr QRect kOpen{619, 356, 48, 48};
inline constexpr QRect kSave{687, 356, 48, 48};

// Smoke above Open and Save while they are held down.
inline constexpr QRect kSmoke1 = fromTwips(9380, 4800, 510, 495);   // `imgKemuri1`
inline constexpr QRect kSmoke2 = fromTwips(10400, 4800, 510, 495);  // `imgKemuri2`

// The decorative scene.
inline constexpr QRect kCheese = fromTwips(5640, 3480, 375, 255);   // hot spot of the frame animation
inline constexpr QRect kAnime = fromTwips(7260, 4920, 1230, 1395);  // the animated picture, 82 x 93
inline constexpr QRect kApple = fromTwips(5160, 5160, 255, 255);    // hot spot of the fall
inline constexpr int kFallLeft = 6360;                              // `imgFall`, twips
inline constexpr int kFallStartTop = 7020;
inline constexpr QSize kFallSize{495 / kTwipsPerPixel, 555 / kTwipsPerPixel};

} // namespace tw::layout
