// `imgSplitter`: the invisible grip between the tree and the panel area. Reports mouse
// press, move and release with the mouse x inside the grip (pixels).
#pragma once

#include <QWidget>

namespace rse {

class SplitterGrip : public QWidget {
    Q_OBJECT

  public:
    explicit SplitterGrip(QWidget* parent);

  signals:
    void pressed(int x);
    void moved(int x);
    void released(int x);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace rse
