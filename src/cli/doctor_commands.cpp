#include "cli/doctor_commands.h"

#include <QCommandLineParser>

#include <atomic>
#include <cstdio>

#include "cli/cli_support.h"
#include "link/connection_doctor.h"
#include "qt/serial_link.h"
#include "qt/serial_ports.h"
#include "qt/system_facts_posix.h"
#include "qt/translations.h"

namespace rse::cli {

namespace {

// "ok: TEXT", "warning: TEXT" or "problem: TEXT", then "fix: FIX" on its own line, in the
// language of the messages.
QString DoctorLine(const CheckLine& line) {
    QString out = line.level == CheckLevel::Ok        ? Cli::tr("ok: %1")
                  : line.level == CheckLevel::Warning ? Cli::tr("warning: %1")
                                                      : Cli::tr("problem: %1");
    out = out.arg(Translated(line.what, line.text));
    if (!line.fix.empty())
        out += QLatin1Char('\n') + Cli::tr("fix: %1").arg(Translated(line.howToFix, line.fix));
    return out;
}

}  // namespace

namespace {

int RunPorts(const QStringList& args) {
    if (!NoExtraArguments(QStringLiteral("ports"), args)) return kUsage;
    const QList<SerialPortEntry> ports = FindSerialPorts();
    if (ports.isEmpty()) PrintError(Cli::tr("No serial port found."));
    for (const SerialPortEntry& port : ports)
        std::printf("%s\n", port.Describe().toLocal8Bit().constData());
    return kOk;
}

int RunDoctor(const QStringList& args) {
    const QString cmd = QStringLiteral("doctor");
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("port"), QString(), QStringLiteral("DEV")));
    parser.addOption(QCommandLineOption(QStringLiteral("no-echo")));
    if (!ParseArguments(parser, cmd, args)) return kUsage;
    const QString port = parser.value(QStringLiteral("port"));
    if (port.isEmpty()) {
        return UsageError(cmd, Cli::tr("--port DEV is required (a device path or COM1..COM4)"));
    }
    if (!NoExtraArguments(cmd, parser.positionalArguments())) return kUsage;

    const QString path = PortPathFor(port);
    PosixSystemFacts facts;
    QtSerialLink link(path);
    SteadyClock clock;
    const std::atomic<bool> cancel{false};  // Ctrl+C simply ends the program: nothing to undo
    DoctorEnvironment env{facts, link, clock, cancel};
    env.noEcho = parser.isSet(QStringLiteral("no-echo"));
    env.onLine = [](const CheckLine& line) {
        std::printf("%s\n", DoctorLine(line).toLocal8Bit().constData());
        std::fflush(stdout);
    };
    const DoctorReport report = RunConnectionDoctor(LocalPath(path), env);
    return report.HasProblem() ? kFailed : kOk;
}

}  // namespace

bool IsDoctorCommand(const QString& name) {
    return name == QLatin1String("ports") || name == QLatin1String("doctor");
}

int RunDoctorCommand(const QString& name, const QStringList& args) {
    return name == QLatin1String("ports") ? RunPorts(args) : RunDoctor(args);
}

QString DoctorCommandsUsage() {
    return Cli::tr(
        "  rse-cli ports                             list the serial ports: device, stable name,\n"
        "                                            USB adapter, and whether you may open it\n"
        "  rse-cli doctor --port DEV [--no-echo]     check the port, the cable and the radio;\n"
        "                                            says what is wrong and how to fix it\n"
        "                                            (exit 1 when a problem was found)\n");
}

}  // namespace rse::cli
