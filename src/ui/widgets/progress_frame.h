// The progress of the transfer dialog: a sunken box that a blue bar fills from the left,
// drawn by hand. Assistive technology sees it as a progress indicator with its value.
#pragma once

#include <QFrame>

class QLabel;

namespace rse {

class ProgressFrame : public QFrame {
    Q_OBJECT

  public:
    explicit ProgressFrame(QWidget* parent);

    // Moves the bar to `percent` (kept within 0..100).
    void SetValue(int percent);
    int Value() const { return value_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlaceBar();

    QLabel* bar_;
    int value_ = 0;
};

}  // namespace rse
