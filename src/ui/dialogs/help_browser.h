// The in-program help viewer: shows the bundled HTML help document of the help file, at its
// contents or at a context topic number, or tells the user why it cannot. Shown while a modal
// dialog is up, it stays usable beside it.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace rse {

class Prompts;

// Tells the user that there is no help, titled as the window `from`.
void ShowNoHelpMessage(Prompts& prompts, QWidget* from);

class HelpBrowser : public QDialog {
    Q_OBJECT

  public:
    HelpBrowser(Prompts& prompts, QWidget* parent);

    QString HelpFile() const { return helpFile_; }
    void SetHelpFile(const QString& name) { helpFile_ = name; }

    // Shows the contents (topic 0) or a topic of the help file; a failure is told in a message
    // from the window `from`. Without a topic or a help file the contents are shown.
    void ShowContents(QWidget* from);
    void ShowContextHelp(QWidget* from, int topic);

    // The bundled document that stands for a help file name ("QM24 VH3400M.hlp" in any letter
    // case), or the empty text when there is none.
    static QString DocumentFor(const QString& helpFile);

    // Shows the help file at its contents (topic 0) or at a topic. False, with a description
    // in `error`, when the help file cannot be shown.
    bool ShowTopic(const QString& helpFile, int topic, QString* error);

    int CurrentTopic() const { return topic_; }
    QTextBrowser* Browser() const { return browser_; }

  private:
    void BelongToOwner();

    Prompts& prompts_;
    QString helpFile_;
    QTextBrowser* browser_;
    int topic_ = 0;
};

}  // namespace rse
