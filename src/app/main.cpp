// rse: the Radio Setup Editor.
#include <string>
#include <vector>

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include "app/startup_probe.h"
#include "app/switches.h"
#include "qt/settings_store.h"
#include "qt/translations.h"
#include "ui/app_icon.h"
#include "ui/editor_session.h"
#include "ui/file_commands.h"
#include "ui/frm_main.h"
#include "ui/widget_prompts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rse"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RSE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("rse"));
    QApplication::setWindowIcon(rse::AppIcon());
    rse::SettingsStore settings;
    rse::InstallTranslations(
        app, settings.Settings().value(QLatin1String(rse::kLanguageKey)).toString());

    // Qt has taken its own options out of argv; the rest is the command line.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string commandLine = rse::CommandLineOf(arguments);
    const rse::Switches switches = rse::ParseSwitches(commandLine);

    rse::EditorSession session;
    session.DebugMode = switches.DebugMode;
    session.SkipReceive = switches.SkipReceive;
    rse::WidgetPrompts prompts;

    rse::FrmMain window(session, settings, prompts);
    rse::StartupProbe::InstallIfRequested(&window);
    window.show();
    if (const std::string file = rse::FileToOpen(commandLine); !file.empty()) {
        window.Files().OpenFile(QFileInfo(QFile::decodeName(file.c_str())).absoluteFilePath());
    }
    return app.exec();
}
