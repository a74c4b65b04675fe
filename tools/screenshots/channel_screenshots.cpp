// Saves pictures of the channel list, channel editor, WX and priority panels for a look by
// eye, at the size the window starts with and maximised, with a few channels changed.
// Usage: rse_channel_screenshots OUTPUT_FOLDER   (runs on any Qt platform, e.g. offscreen)
#include <cstdio>

#include <QApplication>
#include <QDir>

#include "model/channel_plans.h"
#include "screenshot_support.h"

using rse::tools::Save;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rse-screenshots"));
    const std::optional<QDir> out = rse::tools::OutputFolder(argc, argv, "rse_channel_screenshots");
    if (!out) return 2;
    const QDir& dir = *out;

    rse::tools::EditorWindow editor;
    rse::EditorSession& session = editor.session;
    rse::FrmMain& w = editor.window;

    rse::Configuration& c = session.config;
    c.CHUSA[2].Enable = false;
    c.CHUSA[4].ScanMemory = true;
    c.CHUSA[4].ChTag = "MY HARBOUR";
    for (int i : {1, 2, 5}) {
        rse::ChannelRecord& r = c.Exp(i);
        rse::FillFromPlan(r, 20 * i, *rse::Plans().PlanEXP.Find(20 * i));
        r.ChTag = "WORK " + std::to_string(i);
    }
    c.Exp(2).Duplex = true;
    c.Exp(2).LowPower = true;
    c.CHWX[3].Enable = false;
    c.CHWX[1].ScanMemory = true;
    w.Tree()->RetitleNodes();

    bool ok = true;
    const struct {
        int width, height;
        const char* suffix;
    } sizes[] = {{607, 444, "default"}, {1280, 800, "maximised"}};
    for (const auto& size : sizes) {
        w.resize(size.width, size.height);
        for (const char* key : {"P", "PU", "PU 4", "PI 40", "PW", "E", "E 2"}) {
            w.Tree()->SelectNodeByKey(rse::nodes::NodeKey::Parse(key));
            QString name = QStringLiteral("panel-%1-%2")
                               .arg(QLatin1String(key))
                               .arg(QLatin1String(size.suffix));
            name.replace(QLatin1Char(' '), QLatin1Char('-'));
            ok = Save(&w, dir, name) && ok;
        }
    }
    return ok ? 0 : 1;
}
