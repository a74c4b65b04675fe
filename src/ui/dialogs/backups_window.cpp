#include "ui/dialogs/backups_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/prompts.h"
#include "ui/widgets/table_copy.h"

namespace rse {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

BackupsWindow::BackupsWindow(BackupStore store, Prompts& prompts, QWidget* parent)
    : QDialog(parent), store_(std::move(store)), prompts_(prompts) {
    setObjectName(QStringLiteral("frmBackups"));
    setWindowTitle(tr("Backups"));

    auto* where = new QLabel(
        tr("Kept in %1").arg(QFile::decodeName(QByteArray::fromStdString(store_.Folder()))), this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lstBackups"));
    list_->setAccessibleName(tr("Backups"));
    list_->setRootIsDecorated(false);
    list_->setAlternatingRowColors(true);
    new TableCopy(list_);  // Ctrl+C and the context menu copy the current row
    list_->setHeaderLabels(
        {tr("Date and time"), tr("Kind"), tr("Note"), tr("Model"), tr("SHA-256"), tr("File")});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(list_, &QTreeWidget::currentItemChanged, this, &BackupsWindow::UpdateButtons);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (const BackupEntry* e = Current(); e && openBackup) openBackup(*e);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    open_ = buttons->addButton(tr("&Open"), QDialogButtonBox::ActionRole);
    compare_ = buttons->addButton(tr("&Compare"), QDialogButtonBox::ActionRole);
    delete_ = buttons->addButton(tr("&Delete"), QDialogButtonBox::ActionRole);
    open_->setObjectName(QStringLiteral("cmdOpen"));
    compare_->setObjectName(QStringLiteral("cmdCompare"));
    delete_->setObjectName(QStringLiteral("cmdDelete"));
    connect(open_, &QPushButton::clicked, this, [this] {
        if (const BackupEntry* e = Current(); e && openBackup) openBackup(*e);
    });
    connect(compare_, &QPushButton::clicked, this, [this] {
        if (const BackupEntry* e = Current(); e && compareBackup) compareBackup(*e);
    });
    connect(delete_, &QPushButton::clicked, this, &BackupsWindow::OnDelete);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(760, 360);
    Refresh();
}

void BackupsWindow::Refresh() {
    entries_ = store_.List();
    list_->clear();
    for (const BackupEntry& e : entries_) {
        const bool image = e.kind == BackupKind::Image;
        QString note = Q(e.note);
        if (note.isEmpty() && image) note = tr("read from %1").arg(Q(e.port));
        if (!e.intact) note = tr("(damaged) ") + note;
        auto* item =
            new QTreeWidgetItem(list_, {Q(e.time), image ? tr("Memory image") : tr("Configuration"),
                                        note, Q(e.model), Q(e.sha256.substr(0, 12)), Q(e.name)});
        item->setToolTip(5, Q(e.path));
    }
    if (!entries_.empty()) list_->setCurrentItem(list_->topLevelItem(0));
    UpdateButtons();
}

const BackupEntry* BackupsWindow::Current() const {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= static_cast<int>(entries_.size())) return nullptr;
    return &entries_[static_cast<std::size_t>(row)];
}

void BackupsWindow::UpdateButtons() {
    const bool any = Current() != nullptr;
    for (QPushButton* b : {open_, compare_, delete_})
        b->setEnabled(any);
}

void BackupsWindow::OnDelete() {
    const BackupEntry* e = Current();
    if (!e) return;
    const QString name = Q(e->name);
    if (prompts_.Message(this, tr("Delete the backup %1?").arg(name), windowTitle(),
                         Prompts::Icon::Question,
                         Prompts::Buttons::YesNo) != Prompts::Answer::Yes) {
        return;
    }
    const IoResult r = store_.Delete(e->name);
    if (!r.ok) {
        prompts_.Message(this,
                         tr("The backup %1 could not be deleted: %2")
                             .arg(name, QString::fromLocal8Bit(r.description.c_str())),
                         windowTitle(), Prompts::Icon::Exclamation);
    }
    Refresh();
}

}  // namespace rse
