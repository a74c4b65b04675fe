// A drop-down list whose Page Up and Page Down keys move ten entries, as the key hints of the
// editor promise. A move by these keys counts as the user's choice (it emits `activated`).
#pragma once

#include <QComboBox>

namespace rse {

class PagedComboBox : public QComboBox {
    Q_OBJECT

  public:
    static constexpr int kPageStep = 10;
    using QComboBox::QComboBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace rse
