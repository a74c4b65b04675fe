#include "ui/exchange_commands.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTableWidget>

#include "editing/node_keys.h"
#include "files/channel_export.h"
#include "files/directory_exchange.h"
#include "qt/latin1.h"
#include "qt/translations.h"
#include "ui/busy_guard.h"
#include "ui/edit_commands.h"
#include "ui/frm_main.h"
#include "ui/io_failure.h"
#include "ui/panel_area.h"
#include "ui/panels/directory_list_panel.h"
#include "ui/prompts.h"

namespace rse {

namespace {

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The messages as lines, at most ExchangeCommands::kMaxListedRows of them.
QString MessageLines(const std::vector<RowMessage>& messages) {
    return RowMessagesText(messages, ExchangeCommands::kMaxListedRows);
}

}  // namespace

ExchangeCommands::ExchangeCommands(FrmMain& window, EditorSession& session, Prompts& prompts)
    : window_(window), session_(session), prompts_(prompts) {
    if (QMenu* file = window_.findChild<QMenu*>(QStringLiteral("mnuFile"))) AddMenuEntries(*file);
}

void ExchangeCommands::AddMenuEntries(QMenu& file) {
    // Between the save commands and printing, each after a check of a half-typed number.
    QAction* before = file.findChild<QAction*>(QStringLiteral("mnuFileBar2"));
    const struct {
        const char* name;
        const char* text;
        void (ExchangeCommands::*command)();
    } entries[] = {{"mnuFileImportDirectory", QT_TR_NOOP("&Import Directory..."),
                    &ExchangeCommands::ImportDirectory},
                   {"mnuFileExportDirectory", QT_TR_NOOP("&Export Directory..."),
                    &ExchangeCommands::ExportDirectory},
                   {"mnuFileExportChannels", QT_TR_NOOP("Export &Channels..."),
                    &ExchangeCommands::ExportChannels}};
    file.insertSeparator(before)->setObjectName(QStringLiteral("mnuFileBarExchange"));
    for (const auto& entry : entries) {
        auto* a = new QAction(tr(entry.text), &file);
        a->setObjectName(QLatin1String(entry.name));
        file.insertAction(before, a);
        QObject::connect(a, &QAction::triggered, &window_, [this, command = entry.command] {
            if (window_.ValidatePendingEdit()) (this->*command)();
        });
    }
}

void ExchangeCommands::ImportDirectory() {
    const QString path =
        prompts_.OpenFileName(&window_, tr("Import Directory"), tr(kCsvFilter), QString());
    if (path.isEmpty()) return;
    const QString name = QFileInfo(path).fileName();
    DirectoryImport table;
    {
        BusyGuard busy(&window_);
        std::string text;
        if (IoResult r = ReadWholeFile(LocalPath(path), text); !r.ok) {
            ReportIoFailure(session_, prompts_, &window_, "frmMain.ImportDirectory",
                            RSE_TEXT("Core", "FileRead Error!!"), r);
            return;
        }
        table = ReadDirectoryCsv(text);
    }
    if (!table.Ok()) {
        prompts_.Message(&window_,
                         tr("The directory was not changed: %1 has rows that cannot "
                            "be taken.\n\n%2")
                             .arg(name, MessageLines(table.refused)),
                         ProductTitle(), Prompts::Icon::Exclamation);
        return;
    }
    {
        FlagGuard updating(session_.UpdatingControls);
        ReplaceDirectory(session_.config, table.entries);
    }
    const nodes::NodeKey directory{nodes::Branch::Directory};
    NavigationTree& tree = *window_.Tree();
    tree.RetitleNodes();
    if (tree.SelectedKey() == directory) {
        tree.RefreshSelection();
    } else {
        tree.SelectNodeByKey(directory);
    }
    window_.Edit().RecordCommand(tr("Import Directory"), directory,
                                 window_.Panels()->DirectoryList()->Grid());
    if (!table.warnings.empty()) {
        prompts_.Message(&window_,
                         tr("The directory holds the %1 stations of %2.\n\nWarnings:\n%3")
                             .arg(table.entries.size())
                             .arg(name, MessageLines(table.warnings)),
                         ProductTitle(), Prompts::Icon::Exclamation);
    }
}

void ExchangeCommands::Export(const QString& title, const char* procedure,
                              const std::string& table) {
    QString path = prompts_.SaveFileName(&window_, title, tr(kCsvFilter), QString());
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    BusyGuard busy(&window_);
    if (IoResult r = WriteFileAtomic(LocalPath(path), table); !r.ok) {
        ReportIoFailure(session_, prompts_, &window_, procedure,
                        RSE_TEXT("Core", "FileSave Error!!"), r);
    }
}

void ExchangeCommands::ExportDirectory() {
    Export(tr("Export Directory"), "frmMain.ExportDirectory", DirectoryCsv(session_.config));
}

void ExchangeCommands::ExportChannels() {
    Export(tr("Export Channels"), "frmMain.ExportChannels", ChannelListCsv(session_.config));
}

}  // namespace rse
