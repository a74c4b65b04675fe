// Four thin lines drawn around a rectangle (a frame made of `lin?T`, `lin?B`, `lin?L`, `lin?R`).
#pragma once

#include <array>

#include <QFrame>
#include <QString>

#include "layout/font_units.h"

namespace rse {

class FrameLines {
  public:
    // Creates the lines as children of `parent`, named prefix + "T", "B", "L" and "R".
    FrameLines(QWidget* parent, const QString& prefix);

    // Places the lines (twips of the design, in the parent's coordinates).
    void Place(const layout::Frame& frame, const layout::FontUnits& units);
    QFrame* Line(int i) const { return lines_[static_cast<std::size_t>(i)]; }

  private:
    std::array<QFrame*, 4> lines_{};
};

}  // namespace rse
