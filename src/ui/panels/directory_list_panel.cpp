#include "ui/panels/directory_list_panel.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QResizeEvent>
#include <QTableWidget>

#include "editing/clipboard_text.h"
#include "editing/node_keys.h"
#include "qt/latin1.h"
#include "qt/translations.h"
#include "ui/font_units.h"
#include "ui/prompts.h"
#include "ui/widgets/table_copy.h"

namespace rse {

namespace {

constexpr int kColumns = 4;

}  // namespace

DirectoryListPanel::DirectoryListPanel(EditorSession& session, Prompts& prompts, QWidget* parent)
    : EditorPanel(QStringLiteral("E"), session, parent),
      prompts_(prompts),
      grid_(new QTableWidget(this)) {
    SetTitle(tr("Individual Directory"));
    HideTitle();  // the grid fills the panel
    grid_->setObjectName(QStringLiteral("MSFlexGrid2"));
    grid_->setAccessibleName(tr("Individual Directory"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setTabKeyNavigation(false);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { Jump(row); });
    connect(grid_, &QTableWidget::currentCellChanged, this, &EditorPanel::statusNoteChanged);
    new TableCopy(grid_);
    paste_ = TableCopy::AddAction(grid_, "mnuListPaste", tr("&Paste"), QKeySequence::Paste);
    connect(paste_, &QAction::triggered, this, &DirectoryListPanel::Paste);
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DirectoryListPanel::SelectionChanged);
    Clear();
}

void DirectoryListPanel::SelectionChanged() {
    const auto n = TableCopy::SelectedRows(grid_).size();
    grid_->setAccessibleDescription(n > 1 ? tr("%1 stations selected").arg(n) : QString());
    QAccessibleEvent event(grid_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    emit statusNoteChanged();
}

void DirectoryListPanel::Paste() {
    const QList<int> rows = TableCopy::SelectedRows(grid_);
    const int slot = rows.isEmpty() ? 1 : rows.front() + 1;
    const QByteArray text = QApplication::clipboard()->text().toUtf8();
    const DirectoryPaste paste = ReadDirectoryPaste(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), session_.config,
        slot);
    const QString title = ProductTitle();
    constexpr std::size_t kListed = 20;
    if (!paste.Ok()) {
        prompts_.Message(this,
                         tr("The directory was not changed: the pasted rows cannot be taken.\n\n") +
                             RowMessagesText(paste.refused, kListed),
                         title, Prompts::Icon::Exclamation);
        return;
    }
    ApplyDirectoryPaste(session_.config, paste);
    FillGrid();
    // The pasted rows are selected.
    const auto count = static_cast<int>(paste.entries.size());
    grid_->clearSelection();
    grid_->setCurrentCell(paste.firstSlot - 1, 0);
    grid_->setRangeSelected(QTableWidgetSelectionRange(paste.firstSlot - 1, 0,
                                                       paste.firstSlot + count - 2, kColumns - 1),
                            true);
    emit edited(grid_, count == 1 ? tr("Paste (1 station)") : tr("Paste (%1 stations)").arg(count));
    if (!paste.warnings.empty()) {
        prompts_.Message(
            this,
            tr("The directory holds the %1 pasted stations from slot %2.\n\nWarnings:\n%3")
                .arg(count)
                .arg(paste.firstSlot)
                .arg(RowMessagesText(paste.warnings, kListed)),
            title, Prompts::Icon::Exclamation);
    }
}

void DirectoryListPanel::SetUpGrid() {
    if (grid_->columnCount() == kColumns) return;
    grid_->setColumnCount(kColumns);
    grid_->setHorizontalHeaderLabels(
        {tr("No."), QStringLiteral("ENABLE"), tr("STATION NAME"), tr("MMSI")});
    // Widths in twips; the last column takes the rest of the grid's width, so that a narrow
    // window needs no sideways scrolling.
    const int widths[kColumns - 1] = {800, 1000, 2000};
    const layout::FontUnits units = Units();
    for (int c = 0; c < kColumns - 1; ++c) {
        grid_->setColumnWidth(c, units.X(widths[c]));
    }
}

void DirectoryListPanel::FillGrid() {
    // The grid is not drawn while it is filled.
    grid_->setUpdatesEnabled(false);
    SetUpGrid();
    grid_->setRowCount(kDirectoryCount);
    for (int slot = 1; slot <= kDirectoryCount; ++slot) {
        const DirectoryEntry& e = session_.config.Dir(slot);
        const QString texts[kColumns] = {QString::number(slot),
                                         FromLatin1(nodes::EnableMark(e.Enable)),
                                         FromLatin1(e.TagName), FromLatin1(e.Mmsid)};
        for (int c = 0; c < kColumns; ++c) {
            QTableWidgetItem* item = grid_->item(slot - 1, c);
            if (!item) {
                item = new QTableWidgetItem;
                grid_->setItem(slot - 1, c, item);
            }
            item->setText(texts[c]);
        }
    }
    FitGridColumns(grid_);  // the widths in twips are minimums
    grid_->setUpdatesEnabled(true);
}

void DirectoryListPanel::Clear() {
    FillGrid();
}

void DirectoryListPanel::ShowDirectoryList() {
    FillGrid();
}

EditorPanel::Note DirectoryListPanel::StatusNote() const {
    if (const auto n = TableCopy::SelectedRows(grid_).size(); n > 1)
        return {tr("%1 stations selected").arg(n), false};
    const int row = grid_->currentRow();
    if (row < 0 || row >= kDirectoryCount) return {};
    return DirectoryMmsiStatus(FromLatin1(session_.config.Dir(row + 1).Mmsid));
}

bool DirectoryListPanel::HandleEnterKey(QWidget* focus) {
    if (focus != grid_ && !grid_->isAncestorOf(focus)) return false;
    Jump(grid_->currentRow());
    return true;
}

void DirectoryListPanel::Jump(int row) {
    if (row < 0 || row >= kDirectoryCount) return;  // the header row finds nothing
    emit jumpRequested(nodes::NodeKey{nodes::Branch::Directory, row + 1});
}

void DirectoryListPanel::resizeEvent(QResizeEvent* event) {
    EditorPanel::resizeEvent(event);
    grid_->setGeometry(0, 0, event->size().width(), event->size().height());
}

}  // namespace rse
