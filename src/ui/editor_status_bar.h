// The main window's status bar: the key hint of the focused control, the front panel's note
// (the kind of an MMSI) and the model name, in three sunken panels.
#pragma once

#include <array>
#include <string>

#include <QStatusBar>
#include <QString>

class QLabel;

namespace rse {

// The three panels, left to right.
enum class StatusPanel { KeyHint, Note, Model };

class EditorStatusBar : public QStatusBar {
    Q_OBJECT

  public:
    explicit EditorStatusBar(QWidget* parent);

    void SetText(StatusPanel panel, const QString& text);
    QString Text(StatusPanel panel) const;
    // The note of the second panel, in red after "Warning: " when it warns.
    void ShowNote(const QString& text, bool warning);
    // The radio takes any MMSI as its own: one that is not a ship's is named as a warning (as
    // the settings panel names it when it is typed); a ship's leaves the note as it is.
    void NoteUserMmsiKind(const std::string& userMmsi);
    // The key hint keeps the room it needs; the note takes what is left.
    void FitNote();

  private:
    QLabel* Panel(StatusPanel panel) const { return panels_[static_cast<std::size_t>(panel)]; }

    std::array<QLabel*, 3> panels_{};
};

}  // namespace rse
