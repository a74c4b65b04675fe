#include "ui/widgets/frame_lines.h"

#include <algorithm>

namespace rse {

FrameLines::FrameLines(QWidget* parent, const QString& prefix) {
    static const char* const kSuffix[4] = {"T", "B", "L", "R"};
    for (int i = 0; i < 4; ++i) {
        auto* line = new QFrame(parent);
        line->setObjectName(prefix + QLatin1String(kSuffix[i]));
        line->setFrameShape(QFrame::NoFrame);
        line->setAutoFillBackground(true);
        line->setBackgroundRole(QPalette::Dark);
        lines_[static_cast<std::size_t>(i)] = line;
    }
}

void FrameLines::Place(const layout::Frame& frame, const layout::FontUnits& units) {
    const layout::Frame px = units.Pixels(frame);
    const layout::Line lines[4] = {px.top, px.bottom, px.left, px.right};
    for (int i = 0; i < 4; ++i) {
        const layout::Line& l = lines[i];
        const int x1 = std::min(l.x1, l.x2);
        const int x2 = std::max(l.x1, l.x2);
        const int y1 = std::min(l.y1, l.y2);
        const int y2 = std::max(l.y1, l.y2);
        lines_[static_cast<std::size_t>(i)]->setGeometry(x1, y1, std::max(1, x2 - x1 + 1),
                                                         std::max(1, y2 - y1 + 1));
    }
}

}  // namespace rse
