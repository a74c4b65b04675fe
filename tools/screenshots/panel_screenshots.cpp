// Saves pictures of the settings and directory panels for a look by eye, at the size the
// window starts with and maximised, with a few stations in the directory.
// Usage: rse_panel_screenshots OUTPUT_FOLDER   (runs on any Qt platform, e.g. offscreen)
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QLineEdit>

#include "screenshot_support.h"

using rse::tools::Save;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rse-screenshots"));
    const std::optional<QDir> out = rse::tools::OutputFolder(argc, argv, "rse_panel_screenshots");
    if (!out) return 2;
    const QDir& dir = *out;

    rse::tools::EditorWindow editor;
    rse::EditorSession& session = editor.session;
    rse::FrmMain& w = editor.window;

    const char* const stations[][2] = {
        {"HARBOUR", "366000001"}, {"PILOT BOAT", "366123456"}, {"MARINA 7", ""}};
    for (int i = 0; i < 3; ++i) {
        rse::DirectoryEntry& e = session.config.Dir(i + 1);
        e.Enable = true;
        e.TagName = stations[i][0];
        e.Mmsid = stations[i][1];
    }
    session.config.SETCOM.AtisOnOff = true;
    session.config.SETCOM.AtisNo = "2111234567";
    session.config.SETCOM.UserMmsid = "366999999";
    w.Tree()->RetitleNodes();
    w.Tree()->RefreshSelection();

    bool ok = true;
    const struct {
        int width, height;
        const char* suffix;
    } sizes[] = {{607, 444, "default"}, {1280, 800, "maximised"}};
    for (const auto& size : sizes) {
        w.resize(size.width, size.height);
        for (const char* key : {"S", "SM", "SM 2", "SM 4", "SM 9"}) {
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
