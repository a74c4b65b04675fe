#include "ui/safety_commands.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>

#include "editing/difference_words.h"
#include "files/config_diff.h"
#include "files/config_file.h"
#include "files/image_file.h"
#include "image/codec.h"
#include "link/clone_protocol.h"
#include "qt/backups.h"
#include "qt/settings_store.h"
#include "qt/translations.h"
#include "ui/busy_guard.h"
#include "ui/dialogs/backups_window.h"
#include "ui/dialogs/compare_window.h"
#include "ui/dialogs/fleet_window.h"
#include "ui/dialogs/frm_radio.h"
#include "ui/dialogs/program_changes_dialog.h"
#include "ui/frm_main.h"
#include "ui/navigation_tree.h"
#include "ui/prompts.h"

namespace rse {

namespace {

const char* const kCompareFilter = QT_TRANSLATE_NOOP(
    "rse::SafetyCommands",
    "Configuration files(*.dat *.hex);;dat files(*.dat);;hex files(*.hex);;All files(*.*)");

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool IsImageFile(const QString& path) {
    return path.endsWith(QLatin1String(".hex"), Qt::CaseInsensitive);
}

}  // namespace

SafetyCommands::SafetyCommands(FrmMain& window, EditorSession& session, SettingsStore& settings,
                               Prompts& prompts)
    : window_(window), session_(session), settings_(settings), prompts_(prompts) {
    QMenu* file = window_.findChild<QMenu*>(QStringLiteral("mnuFile"));
    QMenu* options = window_.findChild<QMenu*>(QStringLiteral("mnuOptions"));
    QMenu* transfer = window_.findChild<QMenu*>(QStringLiteral("mnuTransfer"));
    if (file && options) AddMenuEntries(*file, *options, transfer);
    window_.installEventFilter(this);
}

bool SafetyCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close) {
        KeepEdits(CurrentText(), QStringLiteral("Exit"));
        TakeSnapshot();  // kept once, however often the window is asked to close
    }
    return false;
}

bool SafetyCommands::Option(const QString& key) const {
    return settings_.ReadOption(key, key == kKeepBackups);
}

void SafetyCommands::SetOption(const QString& key, bool on) {
    settings_.StoreOption(key, on);
}

void SafetyCommands::AddMenuEntries(QMenu& file, QMenu& options, QMenu* transfer) {
    QAction* exit = file.findChild<QAction*>(QStringLiteral("mnuFileExit"));
    auto add = [](QMenu& menu, QAction* before, const char* name, const QString& text) {
        auto* a = new QAction(text, &menu);
        a->setObjectName(QLatin1String(name));
        menu.insertAction(before, a);
        return a;
    };
    QObject::connect(add(file, exit, "mnuFileBackups", tr("&Backups...")), &QAction::triggered,
                     &window_, [this] { ShowBackups(); });
    QObject::connect(add(file, exit, "mnuFileCompare", tr("Co&mpare With...")), &QAction::triggered,
                     &window_, [this] {
                         if (window_.ValidatePendingEdit()) CompareWith();
                     });
    file.insertSeparator(exit)->setObjectName(QStringLiteral("mnuFileBar4"));
    if (transfer) {
        transfer->addSeparator()->setObjectName(QStringLiteral("mnuTransferBar1"));
        QObject::connect(
            add(*transfer, nullptr, "mnuTransferFleet", tr("Program &Several Radios...")),
            &QAction::triggered, &window_, [this] {
                if (window_.ValidatePendingEdit()) ProgramSeveralRadios();
            });
    }
    options.addSeparator()->setObjectName(QStringLiteral("mnuOptionsBar1"));
    const std::pair<const char*, QString> switches[] = {
        {"mnuOptionsKeepBackups", kKeepBackups},
        {"mnuOptionsBackupBeforeProgram", kBackupBeforeProgram},
        {"mnuOptionsVerifyAfterProgram", kVerifyAfterProgram}};
    const QString captions[] = {tr("&Keep Backups"), tr("&Back Up Before Programming"),
                                tr("&Verify After Programming")};
    for (std::size_t i = 0; i < 3; ++i) {
        QAction* a = add(options, nullptr, switches[i].first, captions[i]);
        a->setCheckable(true);
        a->setChecked(Option(switches[i].second));
        QObject::connect(a, &QAction::toggled, &window_,
                         [this, key = switches[i].second](bool on) { SetOption(key, on); });
    }
}

void SafetyCommands::Prepare(FrmRadio& dialog, const QString& device) {
    dialog.safetyNet = Net();
    dialog.keepBeforeProgram = [this, device](const MemoryImage& radio) {
        return KeepBeforeProgram(radio, device);
    };
    dialog.confirmProgram = [this](QWidget* parent, const MemoryImage& radio,
                                   const MemoryImage& image,
                                   const std::optional<IdentityChange>& change) {
        return ConfirmProgram(parent, radio, image, change);
    };
    dialog.askIdentity = [this](QWidget* parent, const IdentityChange& change) {
        return AskIdentity(parent, change);
    };
    // A program that kept the radio's own numbers gave them to the configuration: one step
    // to undo, and the panel shows them.
    QObject::connect(&dialog, &FrmRadio::transferFinished, &window_, [this, &dialog] {
        if (dialog.Mode() != TransferMode::Program || !dialog.Outcome().Succeeded()) return;
        if (session_.history.Record(tr("Program to Radio"), window_.Tree()->SelectedKey(), nullptr,
                                    false)) {
            window_.Tree()->RefreshSelection();
        }
    });
    dialog.readReplacing = [this, device](const MemoryImage& image) {
        KeepEdits(CurrentText(), QStringLiteral("Read from Radio"));
        KeepRead(image, device);
        // What Save will write once the image is decoded into the configuration.
        Configuration read = session_.config;
        DecodeImage(image, read);
        session_.SavedSnapshot = ComposeConfigFile(read);
    };
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
    prompts_.Message(&window_, KeepFailureText(result), ProductTitle(), Prompts::Icon::Exclamation);
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
    return KeepFailureMessage(kept);
}

IdentityChoice SafetyCommands::ConfirmProgram(QWidget* parent, const MemoryImage& radio,
                                              const MemoryImage& image,
                                              const std::optional<IdentityChange>& change) {
    const auto rows = [&](IdentityChoice choice) {
        const MemoryImage sent = ApplyIdentityChoice(image, IdentityOf(radio), choice);
        return DescribeDifferences(CompareImages(radio, sent), session_.config);
    };
    ProgramChangesDialog::Preview preview{
        rows(IdentityChoice::Keep), rows(IdentityChoice::Change), {}};
    if (change) {
        for (const Phrase& sentence : IdentityPhrases(*change))
            preview.identity.push_back(Translated(sentence));
    } else {
        preview.keep = preview.change;
    }
    // On the heap: a parent that goes while the question shows takes the dialog along (No).
    QPointer<ProgramChangesDialog> dialog = new ProgramChangesDialog(std::move(preview), parent);
    const bool yes = dialog->exec() == QDialog::Accepted && dialog;
    const IdentityChoice choice = !yes     ? IdentityChoice::Cancel
                                  : change ? dialog->Choice()
                                           : IdentityChoice::Change;
    delete dialog.data();
    return choice;
}

IdentityChoice SafetyCommands::AskIdentity(QWidget* parent, const IdentityChange& change) {
    QStringList sentences;
    for (const Phrase& sentence : IdentityPhrases(change))
        sentences.push_back(Translated(sentence));
    const int answer = prompts_.Choose(parent, sentences.join(QLatin1Char('\n')),
                                       CoreText(kProgramTitle), Prompts::Icon::Question,
                                       {tr("Keep the Radio's"), tr("Change It"), tr("Cancel")}, 0);
    return answer == 0   ? IdentityChoice::Keep
           : answer == 1 ? IdentityChoice::Change
                         : IdentityChoice::Cancel;
}

void SafetyCommands::ProgramSeveralRadios() {
    const QFileInfo current(session_.CurrentFileName);
    const bool named = !session_.CurrentFileName.isEmpty();
    FleetWindow window(
        session_.config, named ? current.fileName() : QStringLiteral("the editor's configuration"),
        named ? current.absolutePath() : QDir::homePath(), settings_.DevicePath(session_.ComNum),
        {session_.SkipReceive, session_.LinkRetries}, prompts_, &window_);
    window.exec();
}

void SafetyCommands::ShowBackups() {
    auto* window = new BackupsWindow(DefaultBackupStore(), prompts_, &window_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->openBackup = [this](const BackupEntry& e) { OpenBackup(e); };
    window->compareBackup = [this](const BackupEntry& e) {
        CompareWithFile(QFile::decodeName(QByteArray::fromStdString(e.path)),
                        tr("backup %1").arg(QString::fromStdString(e.name)));
    };
    window->show();
}

void SafetyCommands::CompareWith() {
    const QString path =
        prompts_.OpenFileName(&window_, tr("Compare With"), tr(kCompareFilter), QString());
    if (path.isEmpty()) return;
    CompareWithFile(path, QFileInfo(path).fileName());
}

void SafetyCommands::ShowReadFailure(const QString& path, const IoResult& r) {
    prompts_.Message(
        &window_,
        tr("FileRead Error!!\n\n%1: %2").arg(QString::fromLocal8Bit(r.description.c_str()), path),
        ProductTitle(), Prompts::Icon::Exclamation);
}

void SafetyCommands::CompareWithFile(const QString& path, const QString& name) {
    Configuration other;
    MemoryImage otherImage{};
    InitialiseConfiguration(other, otherImage);
    const bool image = IsImageFile(path);
    const IoResult r =
        image ? LoadImageFile(LocalPath(path), otherImage) : FileRead2(LocalPath(path), other);
    if (!r.ok) {
        ShowReadFailure(path, r);
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
    QObject::connect(window, &CompareWindow::showNode, window_.Tree(),
                     &NavigationTree::SelectNodeByKey);
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
        ShowReadFailure(path, r);
        return;
    }
    KeepEdits(before, QStringLiteral("Open"));
    TakeSnapshot();
    session_.history.Restart();
    session_.CurrentFileName.clear();
    window_.Tree()->RefreshSelection();
    window_.Tree()->RetitleNodes();
    window_.UpdateCaption();
}

}  // namespace rse
