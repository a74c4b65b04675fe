#include "ui/widgets/typing_limit.h"

#include <algorithm>

namespace rse {

TypingLimit::TypingLimit(int limit, QLineEdit* field)
    : QValidator(field), limit_(limit), shown_(field->text().size()) {
    connect(field, &QLineEdit::textChanged, this,
            [this](const QString& text) { shown_ = text.size(); });
}

QValidator::State TypingLimit::validate(QString& input, int& pos) const {
    const qsizetype room = std::max<qsizetype>(limit_, shown_);
    const qsizetype excess = input.size() - room;
    if (excess > 0) {
        // What was added ends at the cursor; its end is dropped, as Qt does with a maximum.
        const qsizetype from = std::clamp<qsizetype>(pos - excess, 0, input.size() - excess);
        input.remove(from, excess);
        pos = static_cast<int>(from);
    }
    return Acceptable;
}

void TypingLimit::ShowStored(QLineEdit* field, const QString& text) {
    const QValidator* rule = field->validator();
    field->setValidator(nullptr);
    field->setText(text);
    field->setValidator(rule);
}

}  // namespace rse
