// `imgSplitter`: the invisible grip between the tree and the panel area, with the drag bar
// `picSplitter` it shows while the user drags it. Holds the splitter position (twips from the
// window's left edge); a drag ends with `dropped` at the bar's position, kept away from both
// edges of the window.
#pragma once

#include <QWidget>

#include "layout/window_layout.h"

namespace rse {

class SplitterGrip : public QWidget {
    Q_OBJECT

  public:
    // The drag bar is made a sibling of the grip, in `parent`.
    explicit SplitterGrip(QWidget* parent);

    int Position() const { return position_; }
    void SetPosition(int twips) { position_ = twips; }

  signals:
    // The user let go of the bar at this splitter position (twips).
    void dropped(int twips);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QWidget* bar_;  // `picSplitter`
    int position_ = layout::kSplitterMin;
    bool moving_ = false;
    int barLeft_ = 0;
};

}  // namespace rse
