// rse-cli: the Radio Setup Editor without a window.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/backup_commands.h"
#include "cli/cli_support.h"
#include "cli/doctor_commands.h"
#include "cli/exchange_commands.h"
#include "cli/file_commands.h"
#include "cli/link_commands.h"
#include "cli/print_command.h"
#include "model/configuration.h"
#include "qt/translations.h"

namespace {

QString Usage() {
    return Cli::tr(
               "Usage: rse-cli COMMAND [ARGUMENTS]\n"
               "The %1 %2 on the command line.\n\nCommands:\n")
               .arg(QLatin1String(rse::kModelName), rse::ProductTitle()) +
           rse::cli::FileCommandsUsage() + rse::cli::ExchangeCommandsUsage() +
           rse::cli::PrintCommandUsage() + rse::cli::LinkCommandsUsage() +
           rse::cli::DoctorCommandsUsage() + rse::cli::BackupCommandsUsage() +
           Cli::tr(
               "  rse-cli --version | --help\n\n"
               "Files: .dat is the configuration file, .hex the raw 4096-byte memory image\n"
               "(the extension decides, in any letter case).\n"
               "Exit status: 0 success, 1 the operation failed, 2 wrong usage.\n");
}

}  // namespace

int main(int argc, char** argv) {
    // Printing (and the fleet's records) lays out text and needs the font machinery of a GUI
    // application, but never a display.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && (std::strcmp(argv[1], "print") == 0 || std::strcmp(argv[1], "fleet") == 0)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("rse-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RSE_VERSION));
    rse::InstallTranslations(*app, QString());  // the language of the environment
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    if (args.isEmpty()) {
        std::fputs(Usage().toLocal8Bit().constData(), stderr);
        return rse::cli::kUsage;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(Usage().toLocal8Bit().constData(), stdout);
        return rse::cli::kOk;
    }
    if (command == QLatin1String("--version")) {
        std::printf("rse-cli %s\n", RSE_VERSION);
        return rse::cli::kOk;
    }
    if (rse::cli::IsFileCommand(command)) return rse::cli::RunFileCommand(command, args);
    if (rse::cli::IsExchangeCommand(command)) return rse::cli::RunExchangeCommand(command, args);
    if (command == QLatin1String("print")) return rse::cli::RunPrint(args);
    if (rse::cli::IsLinkCommand(command)) return rse::cli::RunLinkCommand(command, args);
    if (rse::cli::IsDoctorCommand(command)) return rse::cli::RunDoctorCommand(command, args);
    if (rse::cli::IsBackupCommand(command)) return rse::cli::RunBackupCommand(command, args);
    rse::cli::PrintError(Cli::tr("rse-cli: unknown command '%1'").arg(command));
    rse::cli::PrintError(Cli::tr("Try 'rse-cli --help'."));
    return rse::cli::kUsage;
}
