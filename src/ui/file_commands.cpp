#include "ui/file_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include "files/config_file.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "qt/data_folder.h"
#include "qt/print/report_painter.h"
#include "qt/translations.h"
#include "report/printed_report.h"
#include "ui/busy_guard.h"
#include "ui/dialogs/frm_prn.h"
#include "ui/frm_main.h"
#include "ui/io_failure.h"
#include "ui/prompts.h"
#include "ui/safety_commands.h"

namespace rse {

namespace {

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The save dialog adds the extension before it asks about replacing a file; a name that
// comes without one by other means gets it here by the same rule (no dot in the name).
QString WithSuffix(const QString& path, const QString& suffix) {
    if (path.isEmpty() || QFileInfo(path).fileName().contains(QLatin1Char('.'))) return path;
    return path + QLatin1Char('.') + suffix;
}

// Save writes only into a configuration file; the current file may be a memory image.
bool IsConfigurationFile(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0;
}

}  // namespace

FileCommands::FileCommands(FrmMain& window, EditorSession& session, Prompts& prompts)
    : window_(window), session_(session), prompts_(prompts) {
    printerDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, &window_);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        return dialog.exec() == QDialog::Accepted;
    };
}

bool FileCommands::ReadConfiguration(const QString& path) {
    FlagGuard updating(session_.UpdatingControls);
    const IoResult r = FileRead2(LocalPath(path), session_.config);
    if (!r.ok)
        ReportIoFailure(session_, prompts_, &window_, "frmMain.FileRead2",
                        RSE_TEXT("Core", "FileRead Error!!"), r);
    return r.ok;
}

bool FileCommands::WriteConfiguration(const QString& path) {
    FlagGuard updating(session_.UpdatingControls);
    const IoResult r = SaveFileAs(LocalPath(path), session_.config);
    if (!r.ok)
        ReportIoFailure(session_, prompts_, &window_, "frmMain.SaveFileAs",
                        RSE_TEXT("Core", "FileSave Error!!"), r);
    return r.ok;
}

bool FileCommands::Open() {
    BusyGuard busy(&window_);
    return ReadChosenFile(
        prompts_.OpenFileName(&window_, QString(), tr(kDatFilter), lastOpenName_));
}

bool FileCommands::OpenFile(const QString& name) {
    BusyGuard busy(&window_);
    return ReadChosenFile(name);
}

bool FileCommands::ReadChosenFile(const QString& name) {
    bool read = false;
    if (!name.isEmpty()) {
        lastOpenName_ = name;
        const std::string before = window_.Safety().CurrentText();
        read = ReadConfiguration(name);
        if (read) {
            window_.Safety().KeepEdits(before, QStringLiteral("Open"));
            window_.Safety().TakeSnapshot();
            session_.history.Restart();
            session_.CurrentFileName = name;
            window_.UpdateCaption();
        }
    }
    window_.Tree()->RefreshSelection();
    window_.Tree()->RetitleNodes();
    return read;
}

bool FileCommands::SaveConfiguration(SaveTo target) {
    QString name;
    if (target == SaveTo::CurrentFile && IsConfigurationFile(session_.CurrentFileName)) {
        name = session_.CurrentFileName;
    } else {
        name = WithSuffix(prompts_.SaveFileName(&window_, QString(), tr(kDatFilter), QString()),
                          QStringLiteral("dat"));
    }
    if (name.isEmpty()) return false;
    BusyGuard busy(&window_);
    if (!WriteConfiguration(name)) return false;
    window_.Safety().TakeSnapshot();
    session_.CurrentFileName = name;
    window_.UpdateCaption();
    return true;
}

QString FileCommands::DefaultFilePath() const {
    const QString folder = defaultFolder.isEmpty() ? EditorDataFolder() : defaultFolder;
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + QLatin1String(kModelName) + QStringLiteral(".def");
}

void FileCommands::SaveDefault() {
    BusyGuard busy(&window_);
    FlagGuard updating(session_.UpdatingControls);
    const IoResult r = SaveFileAsDefault(LocalPath(DefaultFilePath()), session_.config.SETCOM);
    if (!r.ok)
        ReportIoFailure(session_, prompts_, &window_, "frmMain.SaveFileAsDefault",
                        RSE_TEXT("Core", "FileSave Error!!"), r);
}

void FileCommands::SaveImageFileCommand() {
    const QString path =
        WithSuffix(prompts_.SaveFileName(&window_, QString(), tr(kHexFilter), QString()),
                   QStringLiteral("hex"));
    if (path.isEmpty()) {
        return;
    }
    BusyGuard busy(&window_);
    EncodeImage(session_.config, session_.image);
    FlagGuard updating(session_.UpdatingControls);
    const IoResult r = SaveImageFile(LocalPath(path), session_.image);
    if (!r.ok)
        ReportIoFailure(session_, prompts_, &window_, "frmMain.SaveHexFileAs",
                        RSE_TEXT("Core", "FileSave Error!!"), r);
}

bool FileCommands::LoadImageFileCommand() {
    const QString path = prompts_.OpenFileName(&window_, QString(), tr(kHexFilter), QString());
    if (path.isEmpty()) {
        return false;
    }
    BusyGuard busy(&window_);
    FlagGuard updating(session_.UpdatingControls);
    const std::string before = window_.Safety().CurrentText();
    const IoResult r = LoadImageFile(LocalPath(path), session_.image);
    if (!r.ok) {
        ReportIoFailure(session_, prompts_, &window_, "frmMain.ReadHexFileAs",
                        RSE_TEXT("Core", "FileRead Error!!"), r);
        return false;
    }
    DecodeImage(session_.image, session_.config);
    window_.Safety().KeepEdits(before, QStringLiteral("Ctrl+F2"));
    window_.Safety().TakeSnapshot();
    session_.history.Restart();
    session_.CurrentFileName = path;
    return true;
}

void FileCommands::Print() {
    QPrinter printer(QPrinter::HighResolution);
    if (!printerDialog || !printerDialog(printer)) return;
    BusyGuard busy(&window_);
    const PaintResult r =
        PaintPrintedReport(printer, LayoutPrintedReport(session_.config, session_.image));
    if (!r.ok) {
        prompts_.Message(&window_, r.error, ProductTitle(), Prompts::Icon::Exclamation);
    }
}

void FileCommands::PrintToFile() {
    FrmPrn report(session_, prompts_, &window_);
    report.exec();
}

}  // namespace rse
