// File > Backups...: the kept backups, newest first, with Open, Compare and Delete.
#pragma once

#include <QDialog>

#include <functional>
#include <vector>

#include "files/backup_store.h"

class QPushButton;
class QTreeWidget;

namespace rse {

class Prompts;

class BackupsWindow : public QDialog {
    Q_OBJECT

  public:
    BackupsWindow(BackupStore store, Prompts& prompts, QWidget* parent = nullptr);

    // Reads the folder again.
    void Refresh();
    QTreeWidget* List() const { return list_; }

    // What Open and Compare do with the chosen backup.
    std::function<void(const BackupEntry&)> openBackup;
    std::function<void(const BackupEntry&)> compareBackup;

  private:
    const BackupEntry* Current() const;
    void OnDelete();
    void UpdateButtons();

    BackupStore store_;
    Prompts& prompts_;
    std::vector<BackupEntry> entries_;
    QTreeWidget* list_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* compare_ = nullptr;
    QPushButton* delete_ = nullptr;
};

}  // namespace rse
