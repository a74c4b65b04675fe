// Shared by the programs that save pictures of the editor's windows for a look by eye.
#pragma once

#include <cstdio>
#include <optional>

#include <QApplication>
#include <QDir>
#include <QWidget>

#include "qt/settings_store.h"
#include "qt/translations.h"
#include "ui/editor_session.h"
#include "ui/frm_main.h"
#include "ui/widget_prompts.h"

namespace rse::tools {

// Saves a picture of `w` as DIR/NAME.png and says so on standard output.
inline bool Save(QWidget* w, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = w->grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

// The folder named by the first argument, made when missing; none (after the usage line on
// standard error) when no folder is named. The windows speak the language named by
// $RSE_LANGUAGE ("fr", "es"), English without it.
inline std::optional<QDir> OutputFolder(int argc, char** argv, const char* program) {
    if (QCoreApplication* app = QCoreApplication::instance())
        InstallTranslations(*app, qEnvironmentVariable("RSE_LANGUAGE", QStringLiteral("en")));
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", program);
        return std::nullopt;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());
    return dir;
}

// The main window on a session of its own, shown, as the program starts it.
struct EditorWindow {
    EditorWindow() { window.show(); }
    EditorSession session;
    SettingsStore settings;
    WidgetPrompts prompts;
    FrmMain window{session, settings, prompts};
};

}  // namespace rse::tools
