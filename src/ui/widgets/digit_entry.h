// A numeric entry field of the editor panels (ATIS number, user MMSI, directory MMSI).
// Only digits can be typed or pasted, at most the required number (a longer stored number is
// shown whole); the text must be empty or have exactly the required number of digits. A user's
// change is checked when the focus leaves the field for another control: a refused text shows "Data
// Error!!" and keeps the focus (the click that tried to move it is dropped); an accepted text is
// stored into the target field at once.
#pragma once

#include <functional>
#include <string>

#include <QLineEdit>
#include <QString>

namespace rse {

class Prompts;

class DigitEntry : public QLineEdit {
    Q_OBJECT

  public:
    // `length`: the required number of digits (and the typing limit); `title`: the
    // caption of the "Data Error!!" message.
    DigitEntry(const QString& name, int length, const QString& title, Prompts& prompts,
               QWidget* parent);

    // The field an accepted text is stored into; it may return nullptr (stored nowhere).
    void SetTarget(std::function<std::string*()> target) { target_ = std::move(target); }

    // The program's own filling: shows the text and forgets any unchecked change.
    void Load(const std::string& text);

    // True while the user's change has not been checked.
    bool EntryEdited() const { return entryEdited_; }

    // The check of the text: valid when, without leading and trailing blanks, it is empty or
    // has exactly `length` digits; a valid text is stored (without the blanks). An invalid
    // text changes nothing when `prompt` is set and is replaced by the stored one otherwise.
    bool CheckDigitEntry(bool prompt);

    // The check of a pending change with its message: false when the text was refused.
    bool Validate();

    // Forgets a change not yet checked: the stored text is shown again.
    void DiscardTyping();

    // True when `text` is acceptable for a field of `length` digits.
    static bool IsDigitEntry(const QString& text, int length);

  signals:
    // An accepted text was stored into the target field.
    void stored();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void DropPendingClick(bool drop);

    int length_;
    QString title_;
    Prompts& prompts_;
    std::function<std::string*()> target_;
    bool entryEdited_ = false;
    bool refusing_ = false;
    bool returning_ = false;
    bool droppingClick_ = false;
};

}  // namespace rse
