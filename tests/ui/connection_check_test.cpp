// Options > SerialPort > Check Connection... against the virtual radio and a missing device:
// the findings and the summary, the buttons while it runs, Cancel, the close box, and a dialog
// that goes while its check runs.
#include <QPushButton>
#include <QTextBrowser>

#include "files/image_file.h"
#include "process.h"
#include "ui/dialogs/connection_check_dialog.h"
#include "ui_test_support.h"

namespace rse::test {
namespace {

class ConnectionCheckTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(SaveImageFile(dir.File("radio.hex"), DefaultImage()).ok); }
    TempDir dir;
};

TEST_F(ConnectionCheckTest, ShowsFindingsAndStopsWhenAsked) {
    enum class Device { Radio, Missing };
    enum class Act { Nothing, Cancel, CloseBox };
    struct Case {
        const char* name;
        Device device;
        Act act;
        const char* summary;  // how the heading ends
        const char* line;     // a finding shown; "" for none
        bool openAfter;
    };
    // clang-format off
    const Case cases[] = {
        {"sound radio", Device::Radio, Act::Nothing, "No problem found.", "answers the model check", true},
        {"no such device", Device::Missing, Act::Nothing, "problem found. Select a fix to copy it.", "does not exist", true},
        {"Cancel while it runs", Device::Radio, Act::Cancel, "Cancelled.", "", true},
        {"close box while it runs", Device::Radio, Act::CloseBox, "Cancelled.", "", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sim sim(dir);
        ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
        const QString device = c.device == Device::Radio
                                   ? QString::fromStdString(sim.Device())
                                   : QString::fromStdString(dir.File("ttyUSB9"));
        ConnectionCheckDialog dialog(device, QStringLiteral("COM2"), false);
        dialog.show();
        auto* again = Find<QPushButton>(&dialog, "cmdCheckAgain");
        auto* close = Find<QPushButton>(&dialog, "cmdClose");
        auto* heading = Find<QLabel>(&dialog, "lblCheckHeading");
        int finished = 0;
        QObject::connect(&dialog, &ConnectionCheckDialog::checkFinished, [&] { ++finished; });
        dialog.Start();
        EXPECT_TRUE(dialog.Running());
        EXPECT_FALSE(again->isEnabled());
        EXPECT_EQ(close->text(), "Cancel");
        EXPECT_TRUE(heading->text().endsWith(QLatin1String("Checking...")));
        if (c.act == Act::Cancel) QTest::mouseClick(close, Qt::LeftButton);
        if (c.act == Act::CloseBox) dialog.close();
        EXPECT_TRUE(dialog.isVisible());  // until the check has stopped
        ASSERT_TRUE(QTest::qWaitFor([&] { return finished == 1; }, 30000));
        EXPECT_FALSE(dialog.Running());
        EXPECT_TRUE(heading->text().startsWith(QStringLiteral("<b>COM2</b> (%1): ").arg(device)))
            << heading->text().toStdString();
        EXPECT_TRUE(heading->text().endsWith(QLatin1String(c.summary)))
            << heading->text().toStdString();
        const QString results = Find<QTextBrowser>(&dialog, "txtCheckResults")->toPlainText();
        EXPECT_TRUE(results.contains(QLatin1String(c.line))) << results.toStdString();
        EXPECT_EQ(dialog.isVisible(), c.openAfter);
        if (c.openAfter) {
            EXPECT_TRUE(again->isEnabled());
            EXPECT_EQ(close->text(), "Close");
            QTest::mouseClick(close, Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible());
        }
        EXPECT_EQ(sim.Stop(), 0) << sim.Errors();
    }
}

TEST_F(ConnectionCheckTest, ADialogThatGoesWhileItsCheckRunsStopsIt) {
    Sim sim(dir, {"--baud", "9600"});
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    const QString device = QString::fromStdString(sim.Device());
    {
        ConnectionCheckDialog dialog(device, QStringLiteral("COM1"), false);
        dialog.Start();
        ASSERT_TRUE(dialog.Running());
    }
    // The port was let go: a second check gets through to the radio.
    ConnectionCheckDialog again(device, QStringLiteral("COM1"), false);
    bool finished = false;
    QObject::connect(&again, &ConnectionCheckDialog::checkFinished, [&] { finished = true; });
    again.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 30000));
    EXPECT_EQ(again.Summary(), "No problem found.");
    EXPECT_EQ(sim.Stop(), 0) << sim.Errors();
}

}  // namespace
}  // namespace rse::test
