#include "ui/dialogs/help_browser.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/prompts.h"

namespace rse {

void ShowNoHelpMessage(Prompts& prompts, QWidget* from) {
    prompts.Message(from,
                    HelpBrowser::tr("Unable to display Help Contents. There is no Help associated "
                                    "with this project."),
                    from->windowTitle(), Prompts::Icon::Information);
}

HelpBrowser::HelpBrowser(Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Radio Setup Editor Help"));
    setModal(false);
    browser_->setObjectName(QStringLiteral("txtHelp"));
    browser_->setOpenExternalLinks(false);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* box = new QVBoxLayout(this);
    box->addWidget(browser_);
    box->addWidget(close, 0, Qt::AlignRight);
    resize(560, 480);
}

QString HelpBrowser::DocumentFor(const QString& helpFile) {
    QString base = QFileInfo(helpFile.trimmed()).completeBaseName().toLower();
    if (base.isEmpty()) return {};
    base.replace(u' ', u'-');
    // The page in the language of the windows when there is one, else the English one.
    const QString language = QLocale().name().section(u'_', 0, 0);
    const QString translated = QStringLiteral(":/help/%1/%2.html").arg(language, base);
    if (QFile::exists(translated)) return translated;
    const QString path = QStringLiteral(":/help/%1.html").arg(base);
    return QFile::exists(path) ? path : QString();
}

void HelpBrowser::ShowContents(QWidget* from) {
    if (helpFile_.isEmpty()) {
        ShowNoHelpMessage(prompts_, from);
        return;
    }
    QString error;
    if (!ShowTopic(helpFile_, 0, &error)) {
        prompts_.Message(from, error, from->windowTitle(), Prompts::Icon::None);
    }
}

void HelpBrowser::ShowContextHelp(QWidget* from, int topic) {
    if (topic == 0 || helpFile_.isEmpty()) {
        ShowContents(from);
        return;
    }
    QString error;
    if (!ShowTopic(helpFile_, topic, &error)) {
        prompts_.Message(from, error, from->windowTitle(), Prompts::Icon::None);
    }
}

bool HelpBrowser::ShowTopic(const QString& helpFile, int topic, QString* error) {
    const QString document = DocumentFor(helpFile);
    if (document.isEmpty()) {
        if (error) *error = tr("The help file \"%1\" was not found.").arg(helpFile);
        return false;
    }
    const QUrl url(QStringLiteral("qrc") + document);
    if (browser_->source() != url) browser_->setSource(url);
    topic_ = topic;
    browser_->scrollToAnchor(topic > 0 ? QStringLiteral("topic%1").arg(topic)
                                       : QStringLiteral("contents"));
    BelongToOwner();
    show();
    raise();
    activateWindow();
    return true;
}

void HelpBrowser::BelongToOwner() {
    // A modal dialog (the transfer dialog) blocks every window but its own, the main window
    // and its help included: help asked for while such a dialog is up belongs to that dialog,
    // so it comes up in front of it and can be used; otherwise to the window it was made for.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* owner = modal && modal != this ? modal : parentWidget();
    if (!owner || !owner->window()->windowHandle()) return;
    createWinId();
    QWindow* ownerWindow = owner->window()->windowHandle();
    if (windowHandle()->transientParent() == ownerWindow) return;
    hide();  // the window system and Qt's modal blocking learn the owner when it is shown
    windowHandle()->setTransientParent(ownerWindow);
}

}  // namespace rse
