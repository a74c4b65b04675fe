// The main window's status bar: the key hint of the focused control, the front panel's note
// (the kind of an MMSI) and the model name, in three sunken panels.
#pragma once

#include <array>

#include <QStatusBar>
#include <QString>

class QLabel;

namespace rse {

class EditorStatusBar : public QStatusBar {
    Q_OBJECT

  public:
    explicit EditorStatusBar(QWidget* parent);

    void SetText(int panel, const QString& text);  // panel 1..3
    QString Text(int panel) const;                 // panel 1..3
    // The note of the second panel, in red after "Warning: " when it warns.
    void ShowNote(const QString& text, bool warning);
    // The key hint keeps the room it needs; the note takes what is left.
    void FitNote();

  private:
    std::array<QLabel*, 3> panels_{};
};

}  // namespace rse
