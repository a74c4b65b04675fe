// Saves pictures of the transfer dialog during a transfer with the virtual radio and of the
// text report window, for a look by eye.
// Usage: rse_command_screenshots OUTPUT_FOLDER
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include "files/image_file.h"
#include "image/codec.h"
#include "process.h"
#include "screenshot_support.h"
#include "ui/dialogs/connection_check_dialog.h"
#include "ui/dialogs/frm_prn.h"
#include "ui/dialogs/frm_radio.h"
#include "ui/editor_session.h"
#include "ui/widget_prompts.h"

using rse::tools::Save;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::optional<QDir> out = rse::tools::OutputFolder(argc, argv, "rse_command_screenshots");
    if (!out) return 2;
    const QDir& dir = *out;

    rse::EditorSession session;
    rse::InitialiseConfiguration(session.config, session.image);
    rse::WidgetPrompts prompts;
    bool ok = true;

    rse::test::TempDir tmp;
    if (!rse::SaveImageFile(tmp.File("radio.hex"), session.image).ok) return 1;  // the radio's
    rse::test::Sim sim(tmp, {"--baud", "9600"});
    for (int mode : {0, 1}) {
        rse::FrmRadio dialog(session, prompts,
                             mode == 0 ? rse::TransferMode::Read : rse::TransferMode::Program,
                             QString::fromStdString(sim.Device()));
        dialog.show();
        ok &= Save(
            &dialog, dir,
            mode == 0 ? QStringLiteral("radio-read-idle") : QStringLiteral("radio-program-idle"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QTest::qWait(4000);
        ok &= Save(&dialog, dir,
                   mode == 0 ? QStringLiteral("radio-read-running")
                             : QStringLiteral("radio-program-running"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel")),
                          Qt::LeftButton);
        while (dialog.Running())
            QTest::qWait(20);
    }
    sim.Stop();

    // The connection check with problems shown: a cable without echo, and a missing device.
    rse::test::Sim silent(tmp, {"--baud", "0", "--no-echo"});
    const std::pair<QString, QString> checks[] = {
        {QString::fromStdString(silent.Device()), QStringLiteral("connection-check-no-echo")},
        {QStringLiteral("/dev/ttyUSB7"), QStringLiteral("connection-check-missing")}};
    for (const auto& [device, name] : checks) {
        rse::ConnectionCheckDialog check(device, QStringLiteral("COM1"), false);
        check.show();
        check.Start();
        while (check.Running())
            QTest::qWait(20);
        ok &= Save(&check, dir, name);
    }
    silent.Stop();

    session.config.Dir(1) = {true, "HOME", "366000001"};
    rse::FrmPrn::settleMs = 0;
    rse::FrmPrn report(session, prompts);
    report.show();
    QTest::qWait(300);
    ok &= Save(&report, dir, QStringLiteral("report-window"));
    return ok ? 0 : 1;
}
