// The in-program help viewer: shows the bundled HTML help document, at its contents or at
// a context topic number. Shown while a modal dialog is up, it stays usable beside it.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace rse {

class HelpBrowser : public QDialog {
    Q_OBJECT

  public:
    explicit HelpBrowser(QWidget* parent);

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

    QTextBrowser* browser_;
    int topic_ = 0;
};

}  // namespace rse
