// Base of the editor panels `pictA`..`pictG` in the panel area of the main window. A panel
// is borderless and carries its title at the top; the concrete panels add their controls.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

#include "layout/font_units.h"
#include "ui/editor_session.h"
#include "ui/widgets/frame_lines.h"

namespace rse {

class EditorPanel : public QWidget {
    Q_OBJECT

  public:
    // `letter` is the panel letter: the panel is named "pict" + letter, its title label
    // "lbl" + letter + "Title".
    EditorPanel(const QString& letter, EditorSession& session, QWidget* parent);

    QString Title() const { return title_->text(); }

    // Blanks the panel's controls (part of resetting all panels when the tree is rebuilt).
    virtual void Clear() {}
    // Checks a number being typed in the focused field; false when it was refused.
    virtual bool ValidatePendingEdit() { return true; }
    // Offered every Enter key press the main window discards while this panel is in front;
    // true when the panel acted on it.
    virtual bool HandleEnterKey(QWidget* focus) {
        (void)focus;
        return false;
    }
    // What the status bar's second panel shows for this panel (the kind of the MMSI shown),
    // and whether it is a warning. Empty by default.
    struct Note {
        QString text;
        bool warning = false;
    };
    virtual Note StatusNote() const { return {}; }

  signals:
    // The panel wants the status bar's first panel to show a key hint.
    void statusHint(const QString& text);
    // What StatusNote returns may have changed.
    void statusNoteChanged();
    // The user may have stored a change through this control: one step for Undo, called
    // `name` ("Contrast Level", "Scan On (12 channels)").
    void edited(QWidget* control, const QString& name);

  protected:
    // `control` shows `hint` in the status bar's first panel whenever it takes the focus.
    void SetStatusHint(QWidget* control, const QString& hint);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // After the panel's own handlers: every check box click, list choice, typing and stored
    // number of the panel's controls reports `edited`, named by the control's accessible name.
    void WatchUserEdits();
    // The name a step made through this control is called by.
    static QString StepName(const QWidget* control);
    // The note of a directory MMSI or of the user MMSI, as the status bar shows it.
    static Note DirectoryMmsiStatus(const QString& mmsi);
    static Note UserMmsiStatus(const QString& mmsi);
    void SetTitle(const QString& title) { title_->setText(title); }
    // A panel whose grid fills it names the grid with its title instead of showing it.
    void HideTitle() { title_->hide(); }
    // The panel's twips in pixels of its font.
    layout::FontUnits Units() const;
    // Places an inner panel and the frame lines around it for a panel `widthPx` wide; the
    // designed top and height are in twips. The inner panel starts no higher than `minTopPx`
    // and is never lower than its controls need; the frame follows it. Returns where the
    // inner panel went (pixels).
    QRect PlaceInnerPanel(QWidget* inner, FrameLines& frame, int widthPx, int designedTop,
                          int designedHeight, int minTopPx = 0) const;
    EditorSession& session_;

  private:
    QLabel* title_;
};

}  // namespace rse
