#include "ui/edit_history.h"

#include <QUndoCommand>

namespace rse {

class EditHistory::Step : public QUndoCommand {
  public:
    Step(EditHistory& history, std::shared_ptr<const Configuration> before,
         std::shared_ptr<const Configuration> after, const QString& name, const QString& key,
         QWidget* control, bool extendable)
        : QUndoCommand(name),
          history_(history),
          before_(std::move(before)),
          after_(std::move(after)),
          key_(key),
          control_(control),
          extendable_(extendable) {}

    int id() const override { return extendable_ ? 1 : -1; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const Step*>(other);
        if (history_.sealed_ || next->key_ != key_ || next->control_ != control_) return false;
        after_ = next->after_;
        setObsolete(*after_ == *before_);  // typed and taken back: no step at all
        return true;
    }

    void undo() override { history_.Apply(before_, *this, true); }
    void redo() override {
        // Pushed after the change was made: the first redo has nothing to do.
        if (fresh_) {
            fresh_ = false;
            return;
        }
        history_.Apply(after_, *this, false);
    }

    const QString& Key() const { return key_; }
    QWidget* Control() const { return control_; }

  private:
    EditHistory& history_;
    std::shared_ptr<const Configuration> before_;
    std::shared_ptr<const Configuration> after_;
    QString key_;
    QPointer<QWidget> control_;
    bool extendable_;
    bool fresh_ = true;
};

EditHistory::EditHistory(Configuration& config) : config_(config) {
    stack_.setUndoLimit(kLimit);
    baseline_ = std::make_shared<const Configuration>(config_);
}

void EditHistory::Restart() {
    stack_.clear();
    baseline_ = std::make_shared<const Configuration>(config_);
    sealed_ = true;
}

bool EditHistory::Record(const QString& name, const QString& key, QWidget* control,
                         bool extendable) {
    if (applying_ || config_ == *baseline_) return false;
    auto after = std::make_shared<const Configuration>(config_);
    stack_.push(new Step(*this, baseline_, after, name, key, control, extendable));
    baseline_ = std::move(after);
    sealed_ = !extendable;
    return true;
}

void EditHistory::Apply(const std::shared_ptr<const Configuration>& to, const Step& step,
                        bool undone) {
    applying_ = true;
    config_ = *to;
    baseline_ = to;
    sealed_ = true;
    emit applied(step.Key(), step.Control(), step.text(), undone);
    applying_ = false;
}

}  // namespace rse
