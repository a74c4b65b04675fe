// The editor's history of steps for Undo and Redo, on a QUndoStack. A step holds the
// configuration before and after it (shared with the steps next to it), so taking it back or
// again restores exactly what was there, whichever control made the change.
#pragma once

#include <memory>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUndoStack>
#include <QWidget>

#include "model/configuration.h"

namespace rse {

class EditHistory : public QObject {
    Q_OBJECT

  public:
    // Steps kept; the oldest are forgotten beyond this.
    static constexpr int kLimit = 500;

    explicit EditHistory(Configuration& config);

    QUndoStack& Stack() { return stack_; }
    const QUndoStack& Stack() const { return stack_; }

    // Forgets every step: the history starts at the configuration as it is now.
    void Restart();

    // Records what changed since the last step as one step called `name`, made through
    // `control` while the node `key` was shown; nothing when nothing changed. With
    // `extendable`, more changes through the same control while it keeps the focus (typing)
    // extend that step. Returns true when the configuration had changed.
    bool Record(const QString& name, const QString& key, QWidget* control, bool extendable);

    // Ends the extension of the last step (the focus moved elsewhere).
    void Seal() { sealed_ = true; }

    // True while a step is being taken back or again.
    bool Applying() const { return applying_; }

  signals:
    // A step was taken back (`undone`) or again: the window shows its node and control.
    void applied(const QString& key, QWidget* control, const QString& name, bool undone);

  private:
    class Step;
    friend class Step;

    void Apply(const std::shared_ptr<const Configuration>& to, const Step& step, bool undone);

    Configuration& config_;
    QUndoStack stack_;
    std::shared_ptr<const Configuration> baseline_;
    bool sealed_ = true;
    bool applying_ = false;
};

}  // namespace rse
