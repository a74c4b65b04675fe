// Saves pictures of the identity guard and of Transfer > Program Several Radios... for a look
// by eye: the question before programming another boat's file, the change preview with the
// identity choice at its top, and the fleet window after three radios of the virtual radio's
// --fleet (one without an MMSI, one with a lost write).
// Usage: rse_fleet_screenshots OUTPUT_FOLDER   (runs on any Qt platform, e.g. offscreen)
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "editing/difference_words.h"
#include "files/config_diff.h"
#include "files/image_file.h"
#include "image/identity.h"
#include "link/clone_protocol.h"
#include "process.h"
#include "screenshot_support.h"
#include "ui/dialogs/fleet_window.h"
#include "ui/dialogs/program_changes_dialog.h"

using rse::tools::Save;

namespace {

// Saves the active modal window as NAME once it shows, then closes it.
void SaveModal(const QDir& dir, const QString& name, bool& ok) {
    QTimer::singleShot(300, [&dir, name, &ok] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ok = Save(box, dir, name) && ok;
            box->close();
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rse-screenshots"));
    const std::optional<QDir> out = rse::tools::OutputFolder(argc, argv, "rse_fleet_screenshots");
    if (!out) return 2;
    const QDir& dir = *out;
    bool ok = true;

    // The guard's question and the preview with the identity choice.
    const rse::MemoryImage radio = rse::test::ImageWithNumbers("366123456", "9366123456");
    rse::MemoryImage image = rse::test::ImageWithNumbers("366999001", "9366123456");
    image[0x1A0] = 'H';
    const auto change = rse::IdentityQuestion(rse::IdentityOf(radio), image);
    rse::WidgetPrompts prompts;
    SaveModal(dir, QStringLiteral("identity-question"), ok);
    // The question as Program to Radio asks it, in the language of the windows.
    const auto said = [](const char* text) {
        return QCoreApplication::translate("rse::SafetyCommands", text);
    };
    const QString sentence = rse::Translated(rse::IdentityPhrases(*change)[0]);
    prompts.Choose(nullptr, sentence, rse::CoreText(rse::kProgramTitle),
                   rse::Prompts::Icon::Question,
                   {said("Keep the Radio's"), said("Change It"), said("Cancel")}, 0);
    rse::Configuration config = rse::test::NewDocument().config;
    const auto rows = [&](rse::IdentityChoice c) {
        return rse::DescribeDifferences(
            rse::CompareImages(radio, rse::ApplyIdentityChoice(image, rse::IdentityOf(radio), c)),
            config);
    };
    rse::ProgramChangesDialog preview(
        {rows(rse::IdentityChoice::Keep), rows(rse::IdentityChoice::Change), {sentence}});
    SaveModal(dir, QStringLiteral("identity-preview"), ok);
    preview.exec();

    // The fleet window after three radios.
    rse::test::TempDir temp;
    const std::string a = temp.File("a.hex"), b = temp.File("b.hex"), c = temp.File("c.hex");
    rse::SaveImageFile(a, rse::test::ImageWithNumbers("366123456", "9366123456"));
    rse::SaveImageFile(b, rse::test::ImageWithNumbers("", ""));
    rse::SaveImageFile(c, rse::test::ImageWithNumbers("036612345", ""));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(temp.File("data")));
    rse::test::Sim sim(temp, rse::test::Sim::Fleet{{a, b, c}}, {"--lose-write", "0x000"});
    config.SETCOM.KeyBeep = false;
    rse::FleetWindow window(config, QStringLiteral("club.dat"),
                            QString::fromStdString(temp.Path().string()),
                            QString::fromStdString(sim.Device()), {}, prompts);
    window.show();
    ok = Save(&window, dir, QStringLiteral("fleet-start")) && ok;
    for (int n = 1; n <= 3; ++n) {
        if (n > 1) sim.Next();
        window.findChild<QPushButton*>(QStringLiteral("cmdNextRadio"))->click();
        if (n == 2) {
            QTimer::singleShot(
                150, [&] { ok = Save(&window, dir, QStringLiteral("fleet-running")) && ok; });
        }
        while (window.Running())
            QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    ok = Save(&window, dir, QStringLiteral("fleet-three-radios")) && ok;
    return ok ? 0 : 1;
}
