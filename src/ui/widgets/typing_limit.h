// The typing limit of a text field. Qt's maximum length also cuts a text the program shows,
// so a longer stored text (from a hand-edited file) would be shown cut while the
// configuration keeps it whole. This limit applies only to what the user adds: of a typed or
// pasted text only as much is kept as fits, and a field that already holds a longer text
// takes nothing more. Deleting and replacing work as usual. Qt runs a validator on the
// program's texts too: the program shows a stored text with ShowStored.
#pragma once

#include <QLineEdit>
#include <QValidator>

namespace rse {

class TypingLimit : public QValidator {
  public:
    // Watches the length of `field`'s text; the caller installs it with setValidator.
    TypingLimit(int limit, QLineEdit* field);

    State validate(QString& input, int& pos) const override;

    // The program's own filling: `field` shows `text` whole, whatever its validator would
    // make of a typed text.
    static void ShowStored(QLineEdit* field, const QString& text);

  private:
    int limit_;
    qsizetype shown_ = 0;  // the length of the field's text before the current edit
};

}  // namespace rse
