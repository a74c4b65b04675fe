// Undo and Redo of the Edit menu. Every change the user stores through a panel, a list or a
// command (Import Directory, a paste) is recorded as one step of the session's history; taking
// a step back or again restores the configuration, shows the node where the step was made,
// puts the focus on its control and says what was done in the status bar.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QKeyEvent;
class QMenu;
class QWidget;

namespace rse {

struct EditorSession;
class FrmMain;

class EditCommands : public QObject {
    Q_OBJECT

  public:
    // Adds Undo and Redo to the top of the window's Edit menu and records the panels' steps.
    EditCommands(FrmMain& window, EditorSession& session);

    // Records what changed as one step made through `control` on the node shown now.
    void Record(QWidget* control, const QString& name);
    // The same for a command: the step shows the node `key` when it is taken back or again.
    void RecordCommand(const QString& name, const QString& key, QWidget* control = nullptr);

    void Undo();
    void Redo();

    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y: the editor's steps, except in a number field holding
    // typing not yet checked, which takes back its own typing. True when the key was used.
    bool HandleKey(QWidget* target, QKeyEvent* key);

    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }

  private:
    void AddMenuEntries(QMenu& edit);
    void Show(const QString& key, QWidget* control, const QString& name, bool undone);

    FrmMain& window_;
    EditorSession& session_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

}  // namespace rse
