// Message boxes and file dialogs, behind one small interface so that tests can script the
// answers. The program uses WidgetPrompts.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace rse {

class Prompts {
  public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompts() = default;

    virtual Answer Message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                           Buttons buttons = Buttons::Ok) = 0;
    // A question with buttons of its own ("Keep the Radio's", "Change It", "Cancel"): the index
    // of the button chosen; closing the box counts as the last button.
    virtual int Choose(QWidget* parent, const QString& text, const QString& title, Icon icon,
                       const QStringList& buttons, int defaultButton) = 0;
    // The chosen path, or the empty text when the user cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder) = 0;
    // The chosen path (overwriting confirmed), or the empty text when the user cancelled. A
    // name typed without an extension gets the one of the filter's first file kind before the
    // question about replacing a file, so the path returned is the one that was asked about.
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder) = 0;
    // A file that is added to, new or not: the chosen path (with the filter's extension when
    // typed without one), or the empty text when the user cancelled. Nothing is replaced, so
    // nothing is asked about an existing file. `path` is the file proposed.
    virtual QString AppendFileName(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& path) = 0;
};

}  // namespace rse
