#include "ui/widgets/digit_entry.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

#include "qt/latin1.h"
#include "ui/prompts.h"
#include "ui/widgets/typing_limit.h"

namespace rse {

DigitEntry::DigitEntry(const QString& name, int length, const QString& title, Prompts& prompts,
                       QWidget* parent)
    : QLineEdit(parent), length_(length), title_(title), prompts_(prompts) {
    setObjectName(name);
    setValidator(new TypingLimit(length, this));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& edited) {
        // Text pasted in other ways (the context menu) keeps its digits only.
        QString digits;
        int cursor = cursorPosition();
        for (qsizetype i = 0; i < edited.size(); ++i) {
            if (edited[i].isDigit() && edited[i].unicode() < 0x80) {
                digits += edited[i];
            } else if (i < cursorPosition()) {
                --cursor;
            }
        }
        if (digits != edited) {
            setText(digits);
            setCursorPosition(cursor);
        }
        // A key that added nothing to a full field leaves the stored text unchecked.
        const std::string* stored = target_ ? target_() : nullptr;
        if (isEnabled() && (!stored || text().toLatin1().toStdString() != *stored)) {
            entryEdited_ = true;
        }
    });
}

void DigitEntry::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Paste && !isReadOnly()) {
        // The digits of the pasted text, so that "366 123 456" fits into nine places.
        QString digits = QGuiApplication::clipboard()->text();
        digits.removeIf([](QChar c) { return c < QLatin1Char('0') || c > QLatin1Char('9'); });
        insert(digits);
        event->accept();
        return;
    }
    // Typed characters other than digits are discarded; editing and moving keys pass.
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (!command && typed.size() == 1 && typed[0].isPrint() &&
        !(typed[0] >= QLatin1Char('0') && typed[0] <= QLatin1Char('9'))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DigitEntry::Load(const std::string& text) {
    TypingLimit::ShowStored(this, FromLatin1(text));
    entryEdited_ = false;
}

bool DigitEntry::IsDigitEntry(const QString& text, int length) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return true;
    if (t.size() != length) return false;
    for (const QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    }
    return true;
}

bool DigitEntry::CheckDigitEntry(bool prompt) {
    std::string* target = target_ ? target_() : nullptr;
    if (IsDigitEntry(text(), length_)) {
        const QString t = text().trimmed();
        if (t != text()) setText(t);
        if (target) {
            *target = ToLatin1(t);
            emit stored();
        }
        return true;
    }
    if (!prompt && target) Load(*target);
    return false;
}

void DigitEntry::DiscardTyping() {
    if (!entryEdited_) return;
    const std::string* target = target_ ? target_() : nullptr;
    Load(target ? *target : std::string());
}

bool DigitEntry::Validate() {
    if (!entryEdited_) return true;
    if (CheckDigitEntry(true)) {
        entryEdited_ = false;
        return true;
    }
    refusing_ = true;
    prompts_.Message(this, tr("Data Error!!"), title_, Prompts::Icon::Exclamation,
                     Prompts::Buttons::Ok);
    refusing_ = false;
    return false;
}

void DigitEntry::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (returning_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    if (reason == Qt::MouseFocusReason) {
        // The click that gave the focus places the cursor afterwards; select after it.
        QTimer::singleShot(0, this, [this] {
            if (hasFocus()) selectAll();
        });
    } else {
        selectAll();
    }
}

void DigitEntry::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    // The window losing the focus, a menu or our own message box: the field keeps its state.
    if (refusing_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    if (!entryEdited_) return;
    const bool byUser = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                        reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (byUser && isEnabled() && isVisible()) {
        if (Validate()) return;
        // Refused: the focus stays here with the cursor where it was, and the click that
        // moved it does nothing.
        const int cursor = cursorPosition();
        returning_ = true;
        setFocus(Qt::OtherFocusReason);
        returning_ = false;
        setCursorPosition(cursor);
        DropPendingClick(reason == Qt::MouseFocusReason);
        return;
    }
    // The focus was taken by the program: the stored text comes back when this one is wrong.
    CheckDigitEntry(false);
    entryEdited_ = false;
}

void DigitEntry::DropPendingClick(bool drop) {
    if (!drop || droppingClick_) return;
    // The mouse press that moved the focus is delivered right after this focus change.
    droppingClick_ = true;
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        if (!droppingClick_) return;
        droppingClick_ = false;
        qApp->removeEventFilter(this);
    });
}

bool DigitEntry::eventFilter(QObject* watched, QEvent* event) {
    if (droppingClick_ && watched != this &&
        (event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick)) {
        droppingClick_ = false;
        qApp->removeEventFilter(this);
        event->accept();
        return true;
    }
    return QLineEdit::eventFilter(watched, event);
}

}  // namespace rse
