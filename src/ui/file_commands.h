// The commands of the File menu that read and write files, print, and the two hidden
// memory image file commands. They work on the session's configuration and image and report
// failures the way the editor does everywhere: one message box and a line in the error log.
#pragma once

#include <functional>

#include <QCoreApplication>
#include <QString>

#include "files/disk_io.h"
#include "ui/editor_session.h"

class QPrinter;

namespace rse {

class FrmMain;
class Prompts;

class FileCommands {
    Q_DECLARE_TR_FUNCTIONS(rse::FileCommands)

  public:
    static constexpr const char* kDatFilter = QT_TR_NOOP("dat files(*.dat);;All files(*.*)");
    static constexpr const char* kHexFilter = QT_TR_NOOP("hex files(*.hex);;All files(*.*)");

    FileCommands(FrmMain& window, EditorSession& session, Prompts& prompts);

    // File Open: asks for a file and reads it; the shown panel and the tree are refreshed
    // even when the user cancelled.
    // Both return true when a file was read.
    bool Open();
    // Open without the dialog: reads `name` as if it had been chosen there.
    bool OpenFile(const QString& name);
    // File Save (into the current file when it is a configuration file) and Save As (always
    // asks for the name); true when the file was written.
    enum class SaveTo { CurrentFile, ChosenFile };
    bool SaveConfiguration(SaveTo target);
    // File Save As Default: the common settings into the default file.
    void SaveDefault();
    // Ctrl+F3: the configuration laid over the image, saved as a raw image file.
    void SaveImageFileCommand();
    // Ctrl+F2: loads a raw image file; true when the image and the model were replaced.
    bool LoadImageFileCommand();
    // File Print: the printer dialog, then the seven pages.
    void Print();
    // Print to File: the text report window.
    void PrintToFile();

    // The default file, in defaultFolder when it is set (tests give each their own), else in
    // the editor's data folder (EditorDataFolder); the folder is created.
    QString DefaultFilePath() const;
    QString defaultFolder;

    // The printer dialog; returns false when the user cancelled. Tests replace it.
    std::function<bool(QPrinter&)> printerDialog;

  private:
    bool ReadChosenFile(const QString& name);
    bool ReadConfiguration(const QString& path);
    bool WriteConfiguration(const QString& path);

    FrmMain& window_;
    EditorSession& session_;
    Prompts& prompts_;
    QString lastOpenName_;
};

}  // namespace rse
