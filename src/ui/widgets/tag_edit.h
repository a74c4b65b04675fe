// A tag or name field of the editor panels: letters "a".."z" become capitals as they are
// typed or pasted, the text has a maximum length, and the whole text is selected when the
// field gets the focus. Characters that an 8-bit model text cannot hold are refused.
#pragma once

#include <string>

#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QValidator>

#include "qt/latin1.h"

namespace rse {

// Turns "a".."z" into capitals; refuses text with characters beyond Latin-1.
class TagValidator : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        for (QChar& c : input) {
            if (c.unicode() > 0xFF) return Invalid;
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 0x20);
        }
        return Acceptable;
    }
};

class TagEdit : public QLineEdit {
  public:
    TagEdit(const QString& name, int maxLength, QWidget* parent) : QLineEdit(parent) {
        setObjectName(name);
        setMaxLength(maxLength);
        setValidator(new TagValidator(this));
    }

    // The program's own filling: shown as stored, without emitting textEdited.
    void Load(const std::string& text) {
        const QValidator* rule = validator();
        setValidator(nullptr);  // the capitals rule applies to what the user types
        setText(FromLatin1(text));
        setValidator(rule);
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
