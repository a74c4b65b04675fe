#include "layout/font_units.h"

#include <algorithm>
#include <cmath>

namespace rse::layout {

namespace {

double Factor(int font, int reference) {
    if (font <= 0 || reference <= 0) return 1.0;
    return std::max(1.0, static_cast<double>(font) / reference);
}

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

FontUnits::FontUnits(const FontMetrics& font, const FontMetrics& reference)
    : x_(Factor(font.alphabetWidth, reference.alphabetWidth)),
      y_(Factor(font.lineHeight, reference.lineHeight)) {}

int FontUnits::X(int twips) const {
    return Round(twips * x_ / kTwipsPerPixel);
}

int FontUnits::Y(int twips) const {
    return Round(twips * y_ / kTwipsPerPixel);
}

int FontUnits::TwipsX(int pixels) const {
    return Round(pixels * kTwipsPerPixel / x_);
}

int FontUnits::TwipsY(int pixels) const {
    return Round(pixels * kTwipsPerPixel / y_);
}

Rect FontUnits::Pixels(const Rect& r) const {
    return {X(r.left), Y(r.top), X(r.width), Y(r.height)};
}

Frame FontUnits::Pixels(const Frame& f) const {
    const auto line = [this](const Line& l) { return Line{X(l.x1), Y(l.y1), X(l.x2), Y(l.y2)}; };
    return {line(f.top), line(f.bottom), line(f.left), line(f.right)};
}

Size FontUnits::ScaledPixels(Size pixels) const {
    return {Round(pixels.width * x_), Round(pixels.height * y_)};
}

}  // namespace rse::layout
