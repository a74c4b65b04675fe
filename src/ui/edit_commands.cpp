#include "ui/edit_commands.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "ui/editor_session.h"
#include "ui/frm_main.h"
#include "ui/panel_area.h"
#include "ui/widgets/digit_entry.h"

namespace rse {

namespace {

bool IsUndoKey(const QKeyEvent& key) {
    return key.matches(QKeySequence::Undo) ||
           key.keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Z);
}

bool IsRedoKey(const QKeyEvent& key) {
    return key.matches(QKeySequence::Redo) ||
           key.keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) ||
           key.keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Y);
}

// A number field whose typing has not been checked yet.
DigitEntry* PendingEntry(QWidget* w) {
    auto* entry = qobject_cast<DigitEntry*>(w);
    return entry && entry->EntryEdited() ? entry : nullptr;
}

}  // namespace

EditCommands::EditCommands(FrmMain& window, EditorSession& session)
    : QObject(&window), window_(window), session_(session) {
    if (auto* edit = window_.findChild<QMenu*>(QStringLiteral("mnuEdit"))) AddMenuEntries(*edit);
    connect(window_.Panels(), &PanelArea::edited, this, &EditCommands::Record);
    connect(&session_.history, &EditHistory::applied, this, &EditCommands::Show);
    // Typing into a field extends its step only while the field keeps the focus.
    connect(qApp, &QApplication::focusChanged, this, [this] { session_.history.Seal(); });
}

void EditCommands::AddMenuEntries(QMenu& edit) {
    QUndoStack& stack = session_.history.Stack();
    // The entries name their step: "&Undo Contrast Level"; greyed when there is none.
    undo_ = stack.createUndoAction(&edit, tr("&Undo"));
    undo_->setObjectName(QStringLiteral("mnuEditUndo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = stack.createRedoAction(&edit, tr("&Redo"));
    redo_->setObjectName(QStringLiteral("mnuEditRedo"));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QAction* first = edit.actions().value(0);
    edit.insertAction(first, undo_);
    edit.insertAction(first, redo_);
    edit.insertSeparator(first)->setObjectName(QStringLiteral("mnuEditBar0"));
    // Through the window's own undo and redo, so that typing not yet checked is left first.
    disconnect(undo_, &QAction::triggered, &stack, &QUndoStack::undo);
    disconnect(redo_, &QAction::triggered, &stack, &QUndoStack::redo);
    connect(undo_, &QAction::triggered, this, &EditCommands::Undo);
    connect(redo_, &QAction::triggered, this, &EditCommands::Redo);
}

void EditCommands::Record(QWidget* control, const QString& name) {
    const bool typing = qobject_cast<QLineEdit*>(control) && !qobject_cast<DigitEntry*>(control);
    if (session_.history.Record(name, window_.Tree()->SelectedKey(), control, typing)) {
        window_.Tree()->RetitleNodes();  // enable marks and directory shading follow
    }
}

void EditCommands::RecordCommand(const QString& name, const nodes::NodeKey& key, QWidget* control) {
    if (session_.history.Record(name, key, control, false)) window_.Tree()->RetitleNodes();
}

void EditCommands::Undo() {
    // A number being typed is dropped, never stored over what comes back.
    if (DigitEntry* entry = PendingEntry(QApplication::focusWidget())) entry->DiscardTyping();
    session_.history.Stack().undo();
}

void EditCommands::Redo() {
    if (DigitEntry* entry = PendingEntry(QApplication::focusWidget())) entry->DiscardTyping();
    session_.history.Stack().redo();
}

bool EditCommands::HandleKey(QWidget* target, QKeyEvent* key) {
    const bool undo = IsUndoKey(*key);
    if (!undo && !IsRedoKey(*key)) return false;
    if (PendingEntry(target)) return false;  // the field's own undo
    if (undo)
        Undo();
    else
        Redo();
    return true;
}

void EditCommands::Show(const nodes::NodeKey& key, QWidget* control, const QString& name,
                        bool undone) {
    NavigationTree& tree = *window_.Tree();
    tree.RetitleNodes();
    if (tree.SelectedKey() == key) {
        tree.RefreshSelection();
    } else {
        tree.SelectNodeByKey(key);
    }
    if (control && control->isVisible() && control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
    window_.ShowStatusHint(undone ? tr("Undone: %1").arg(name) : tr("Redone: %1").arg(name));
}

}  // namespace rse
