#include "ui/safety_commands.h"

#include <QFile>
#include <QFileInfo>

#include "files/config_diff.h"
#include "files/config_file.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "link/clone_protocol.h"
#include "qt/backups.h"
#include "qt/settings_store.h"
#include "ui/busy_guard.h"
#include "ui/dialogs/backups_window.h"
#include "ui/dialogs/compare_window.h"
#include "ui/dialogs/program_changes_dialog.h"
#include "ui/difference_words.h"
#include "ui/frm_main.h"
#include "ui/prompts.h"

namespace rse {

namespace {

const QString kCompareFilter = QStringLiteral(
    "Configuration files(*.dat *.hex);;dat files(*.dat);;hex files(*.hex);;"
    "All files(*.*)");

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool IsImageFile(const QString& path) {
    return path.endsWith(QLatin1String(".hex"), Qt::CaseInsensitive);
}

}  // namespace

SafetyCommands::SafetyCommands(FrmMain& window, EditorSession& session, SettingsStore& settings,
                               Prompts& prompts)
    : window_(window), session_(session), settings_(settings), prompts_(prompts) {}

bool SafetyCommands::Option(const QString& key) const {
    return settings_.ReadOption(key, key == kKeepBackups);
}

void SafetyCommands::SetOption(const QString& key, bool on) {
    settings_.StoreOption(key, on);
}

SafetyNet SafetyCommands::Net() const {
    return {Option(kBackupBeforeProgram), Option(kVerifyAfterProgram)};
}

std::string SafetyCommands::CurrentText() const {
    return ComposeConfigFile(session_.config);
}

void SafetyCommands::TakeSnapshot() {
    session_.SavedSnapshot = CurrentText();
}

void SafetyCommands::ShowKeepFailure(const KeepResult& result) {
    prompts_.Message(&window_, KeepFailureText(result), QLatin1String(kProductTitle),
                     Prompts::Icon::Exclamation);
}

void SafetyCommands::KeepEdits(const std::string& textBefore, const QString& command) {
    if (textBefore == session_.SavedSnapshot || !Option(kKeepBackups)) return;
    const KeepResult kept = rse::KeepEdits(textBefore, QStringLiteral("edits before ") + command);
    if (!kept.io.ok) ShowKeepFailure(kept);
}

void SafetyCommands::KeepRead(const MemoryImage& image, const QString& port) {
    if (!Option(kKeepBackups)) return;
    const KeepResult kept = KeepReadImage(image, port);
    if (!kept.io.ok) ShowKeepFailure(kept);
}

std::optional<LinkMessage> SafetyCommands::KeepBeforeProgram(const MemoryImage& radio,
                                                             const QString& port) {
    const KeepResult kept = KeepReadImage(radio, port);
    if (kept.io.ok) return std::nullopt;
    return LinkMessage{"FileSave Error!!", kProgramTitle, MessageIcon::Critical,
                       KeepFailureText(kept).toStdString() + "\nNothing was written."};
}

bool SafetyCommands::ConfirmProgram(QWidget* parent, const MemoryImage& radio,
                                    const MemoryImage& image) {
    ProgramChangesDialog dialog(DescribeDifferences(CompareImages(radio, image), session_.config),
                                parent);
    return dialog.exec() == QDialog::Accepted;
}

void SafetyCommands::ShowBackups() {
    auto* window = new BackupsWindow(DefaultBackupStore(), prompts_, &window_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->openBackup = [this](const BackupEntry& e) { OpenBackup(e); };
    window->compareBackup = [this](const BackupEntry& e) {
        CompareWithFile(QFile::decodeName(QByteArray::fromStdString(e.path)),
                        QStringLiteral("backup %1").arg(QString::fromStdString(e.name)));
    };
    window->show();
}

void SafetyCommands::CompareWith() {
    const QString path =
        prompts_.OpenFileName(&window_, QStringLiteral("Compare With"), kCompareFilter, QString());
    if (path.isEmpty()) return;
    CompareWithFile(path, QFileInfo(path).fileName());
}

void SafetyCommands::CompareWithFile(const QString& path, const QString& name) {
    Configuration other;
    MemoryImage otherImage{};
    InitialiseConfiguration(other, otherImage);
    const bool image = IsImageFile(path);
    const IoResult r =
        image ? LoadImageFile(LocalPath(path), otherImage) : FileRead2(LocalPath(path), other);
    if (!r.ok) {
        prompts_.Message(&window_,
                         QStringLiteral("FileRead Error!!\n\n%1: %2")
                             .arg(QString::fromLocal8Bit(r.description.c_str()), path),
                         QLatin1String(kProductTitle), Prompts::Icon::Exclamation);
        return;
    }
    ConfigDifferences d;
    if (image) {
        MemoryImage mine = session_.image;
        EncodeImage(session_.config, mine);
        d = CompareImages(mine, otherImage);
    } else {
        d = CompareConfigurations(session_.config, other);
    }
    auto* window = new CompareWindow(DescribeDifferences(d, session_.config), name, &window_);
    QObject::connect(window, &CompareWindow::showNode, &window_, &FrmMain::SelectNodeByKey);
    window->show();
}

void SafetyCommands::OpenBackup(const BackupEntry& entry) {
    const std::string before = CurrentText();
    const QString path = QFile::decodeName(QByteArray::fromStdString(entry.path));
    BusyGuard busy(&window_);
    IoResult r;
    {
        FlagGuard updating(session_.UpdatingControls);
        if (entry.kind == BackupKind::Image) {
            MemoryImage image = session_.image;
            r = LoadImageFile(LocalPath(path), image);
            if (r.ok) {
                session_.image = image;
                DecodeImage(session_.image, session_.config);
            }
        } else {
            r = FileRead2(LocalPath(path), session_.config);
        }
    }
    if (!r.ok) {
        prompts_.Message(&window_,
                         QStringLiteral("FileRead Error!!\n\n%1: %2")
                             .arg(QString::fromLocal8Bit(r.description.c_str()), path),
                         QLatin1String(kProductTitle), Prompts::Icon::Exclamation);
        return;
    }
    KeepEdits(before, QStringLiteral("Open"));
    TakeSnapshot();
    session_.CurrentFileName.clear();
    window_.RefreshSelection();
    window_.RetitleNodes();
    window_.UpdateCaption();
}

}  // namespace rse
