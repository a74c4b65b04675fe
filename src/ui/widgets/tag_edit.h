// A tag or name field of the editor panels: letters "a".."z" become capitals as they are
// typed or pasted, what the user types is limited in length (a longer stored text is shown
// whole), and the whole text is selected when the field gets the focus. Characters that an
// 8-bit model text cannot hold are refused.
#pragma once

#include <string>

#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "ui/widgets/typing_limit.h"

#include "qt/latin1.h"

namespace rse {

// Turns "a".."z" into capitals; refuses text with characters beyond Latin-1.
class TagValidator : public TypingLimit {
  public:
    using TypingLimit::TypingLimit;

    State validate(QString& input, int& pos) const override {
        for (QChar& c : input) {
            if (c.unicode() > 0xFF) return Invalid;
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 0x20);
        }
        return TypingLimit::validate(input, pos);
    }
};

class TagEdit : public QLineEdit {
  public:
    TagEdit(const QString& name, int maxLength, QWidget* parent) : QLineEdit(parent) {
        setObjectName(name);
        setValidator(new TagValidator(maxLength, this));
    }

    // The program's own filling: shown as stored, without emitting textEdited.
    void Load(const std::string& text) {
        // Shown as stored: the capitals rule and the limit apply to what the user types.
        TypingLimit::ShowStored(this, FromLatin1(text));
    }

    // The text as an 8-bit model text.
    std::string ModelText() const { return ToLatin1(text()); }

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        // After the click that brought the focus has placed the cursor.
        QTimer::singleShot(0, this, [self = QPointer<TagEdit>(this)] {
            if (self && self->hasFocus()) self->selectAll();
        });
    }
};

}  // namespace rse
