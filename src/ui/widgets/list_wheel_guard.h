// The mouse wheel and the drop-down lists of the editor. A list that does not have the focus
// leaves the wheel to whatever contains it (people scroll past lists without meaning to
// choose), and the wheel never gives a list the focus; a list with the focus steps with the
// wheel as with the Up and Down keys. Installed once on the application, so it holds for
// every list of every window.
#pragma once

#include <QObject>

namespace rse {

class ListWheelGuard : public QObject {
  public:
    // Installs the guard on the application; it lives as long as `owner`.
    static void Install(QObject* owner);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

}  // namespace rse
