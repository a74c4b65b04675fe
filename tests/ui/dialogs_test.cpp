// Help contents, the help document and the about box.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/help_browser.h"
#include "ui/help_contexts.h"
#include "ui_test_support.h"

namespace rse {
namespace {

using test::Find;

class Help : public test::MainWindowTest {};
class About : public test::MainWindowTest {};

TEST_F(Help, EveryContextTopicHasItsSection) {
    const QString document = HelpBrowser::DocumentFor(QStringLiteral("QM24 VH3400M.hlp"));
    ASSERT_FALSE(document.isEmpty());
    // The transfer dialog names the file in lower case.
    EXPECT_EQ(HelpBrowser::DocumentFor(QStringLiteral("qm24 vh3400m.hlp")), document);
    EXPECT_TRUE(HelpBrowser::DocumentFor(QStringLiteral("other.hlp")).isEmpty());
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (const auto& [control, topic] : HelpContextTable()) {
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"topic%1\"").arg(topic)))
            << control.toStdString() << " " << topic;
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"#topic%1\"").arg(topic)))
            << "contents lack " << topic;
    }
}

TEST_F(Help, ContentsShownOrExplained) {
    FrmMain& w = Open();
    w.HelpContents();
    EXPECT_TRUE(w.Help()->isVisible());
    EXPECT_EQ(w.Help()->CurrentTopic(), 0);
    EXPECT_TRUE(w.Help()->Browser()->toPlainText().contains(QLatin1String("Individual Reply")));
    EXPECT_TRUE(prompts.shown.empty());
    w.Help()->close();

    w.Help()->SetHelpFile(QString());
    w.HelpContents();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              QStringLiteral("Unable to display Help Contents. There is no Help associated with "
                             "this project."));
    EXPECT_EQ(prompts.shown[0].title, w.windowTitle());
    EXPECT_EQ(prompts.shown[0].icon, Prompts::Icon::Information);
    EXPECT_FALSE(w.Help()->isVisible());

    w.Help()->SetHelpFile(QStringLiteral("missing.hlp"));
    w.HelpContents();
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_TRUE(prompts.shown[1].text.contains(QLatin1String("missing.hlp")));
    EXPECT_EQ(prompts.shown[1].icon, Prompts::Icon::None);
}

TEST_F(About, TitleVersionAndLayout) {
    FrmAbout about(nullptr);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Version Infomation"));
    EXPECT_EQ(about.size(), QSize(325, 251));
    EXPECT_EQ(Find<QLabel>(&about, "lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    EXPECT_EQ(Find<QLabel>(&about, "lblTitle")->text(),
              QStringLiteral("QM24 VH3400M Radio Setup Editor"));
    EXPECT_FALSE(Find<QLabel>(&about, "lblDescription")->text().isEmpty());
    EXPECT_FALSE(Find<QLabel>(&about, "picIcon")->pixmap().isNull());

    auto* frame = Find<QWidget>(&about, "Frame1");
    auto* ok = Find<QPushButton>(&about, "cmdOK");
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(frame->width(), 325 - 13);
    EXPECT_NEAR(ok->x() + ok->width() / 2, 325 / 2, 1);
    EXPECT_EQ(ok->y(), frame->height() + 5);  // 70 twips below the frame
    EXPECT_LE(ok->geometry().bottom(), 251);  // the button fits the window

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(About, OpensModallyOverTheMainWindow) {
    FrmMain& w = Open();
    bool seen = false;
    QTimer::singleShot(0, &w, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        seen = modal && modal->objectName() == QLatin1String("frmAbout") &&
               modal->parentWidget() == &w;
        if (modal) Find<QPushButton>(modal, "cmdOK")->click();
    });
    w.HelpAbout();
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace rse
