// `frmAbout`: the program's title and version.
#pragma once

#include <QDialog>

class QLabel;
class QFrame;
class QPushButton;

namespace rse {

class FrmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit FrmAbout(QWidget* parent);

    static QString VersionText();
    static QString DescriptionText();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QFrame* frame_;
    QPushButton* ok_;
};

}  // namespace rse
