// The commands of the File menu that exchange tables with spreadsheets: Import Directory,
// Export Directory and Export Channels. They follow the file commands: one message box and a
// line in the error log for a failed file, nothing changed for a refused table.
#pragma once

#include <string>

#include <QCoreApplication>
#include <QString>

class QMenu;

#include "files/disk_io.h"
#include "ui/editor_session.h"

namespace rse {

class FrmMain;
class Prompts;

class ExchangeCommands {
    Q_DECLARE_TR_FUNCTIONS(rse::ExchangeCommands)

  public:
    static constexpr const char* kCsvFilter = QT_TR_NOOP("CSV files(*.csv);;All files(*.*)");
    // Rows listed in one message at most; the rest are counted.
    static constexpr int kMaxListedRows = 20;

    // Adds its entries to the window's File menu.
    ExchangeCommands(FrmMain& window, EditorSession& session, Prompts& prompts);

    // Asks for a table and replaces the directory with its rows, then shows the directory;
    // a table with a refused row is reported in one message and changes nothing.
    void ImportDirectory();
    // Ask for a file name and write the directory or the channel list as a table.
    void ExportDirectory();
    void ExportChannels();

  private:
    // Adds Import Directory, Export Directory and Export Channels to the File menu.
    void AddMenuEntries(QMenu& file);
    void Export(const QString& title, const char* procedure, const std::string& table);

    FrmMain& window_;
    EditorSession& session_;
    Prompts& prompts_;
};

}  // namespace rse
