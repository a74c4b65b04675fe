// Twips of a design turned into pixels through the user's font, as dialog units do: the
// designs are drawn for a reference font, and a larger font widens and heightens them in
// proportion to its average character width and its line height. A smaller font keeps them
// as designed, so nothing ever shrinks below the design.
#pragma once

#include "layout/window_layout.h"

namespace rse::layout {

// What the layout needs to know about a font, in logical pixels.
struct FontMetrics {
    int alphabetWidth = 0;  // the advance of the 52 letters a..z and A..Z written in a row
    int lineHeight = 0;     // ascent plus descent
    bool operator==(const FontMetrics&) const = default;
};

// The font the designs are drawn for: the toolkit's default "Sans Serif" at 9 points on a
// 96 dpi screen (Noto Sans 9), which the editor shows without a desktop theme.
inline constexpr FontMetrics kReferenceFont{363, 17};
inline constexpr double kReferencePointSize = 9.0;

// Pixels per design pixel (15 twips) along each axis; never below 1.
class FontUnits {
  public:
    FontUnits() = default;
    // The units of `font` for a design drawn for `reference`. A font or reference without
    // size (zero metrics) counts as the reference.
    explicit FontUnits(const FontMetrics& font, const FontMetrics& reference = kReferenceFont);

    double XFactor() const { return x_; }
    double YFactor() const { return y_; }

    // Twips of the design to the nearest pixel, and pixels back to twips of the design.
    int X(int twips) const;
    int Y(int twips) const;
    int TwipsX(int pixels) const;
    int TwipsY(int pixels) const;
    // A rectangle (place and size each to the nearest pixel) or a frame of the design.
    Rect Pixels(const Rect& twips) const;
    Frame Pixels(const Frame& twips) const;
    // The size of a window designed as `pixels` at the reference font.
    Size ScaledPixels(Size pixels) const;

    bool operator==(const FontUnits&) const = default;

  private:
    double x_ = 1.0;
    double y_ = 1.0;
};

}  // namespace rse::layout
