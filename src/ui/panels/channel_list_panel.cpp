#include "ui/panels/channel_list_panel.h"

#include <QAccessible>
#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QResizeEvent>
#include <QTableWidget>

#include "editing/node_keys.h"
#include "model/labels.h"
#include "qt/latin1.h"
#include "qt/translations.h"
#include "ui/font_units.h"
#include "ui/widgets/table_copy.h"

namespace rse {

namespace {

struct Column {
    const char* header;
    int width;  // twips
};

constexpr Column kPlanColumns[] = {
    {"CH", 800},  {"ENABLE", 1000}, {"RX[MHz]", 1000}, {"TX[MHz]", 1000}, {"TX", 600},
    {"LOW", 600}, {"UP", 600},      {"DUP", 600},      {"MEM", 600},      {"TAG", 2000},
};
constexpr Column kExpColumns[] = {
    {"CH", 800},  {"ENABLE", 1000}, {"POS", 800}, {"RX[MHz]", 1000}, {"TX[MHz]", 1000}, {"TX", 600},
    {"LOW", 600}, {"UP", 600},      {"DUP", 600}, {"MEM", 600},      {"TAG", 2000},
};

QString Flag(bool on, const char* word) {
    const QString w = QLatin1String(word);
    return on ? w : QString(w.size(), QLatin1Char('-'));
}

// The five flag columns TX, LOW, UP, DUP, MEM.
QStringList FlagCells(const ChannelRecord& r) {
    return {Flag(r.TxEnable, "TX"), Flag(r.LowPower, "LOW"), Flag(r.PowUp, "UP"),
            Flag(r.Duplex, "DUP"), Flag(r.ScanMemory, "MEM")};
}

QString Channels(qsizetype n) {
    return n == 1 ? ChannelListPanel::tr("1 channel") : ChannelListPanel::tr("%1 channels").arg(n);
}

QString ChangeName(ChannelChange change) {
    switch (change) {
        case ChannelChange::Enable:
            return ChannelListPanel::tr("Enable");
        case ChannelChange::Disable:
            return ChannelListPanel::tr("Disable");
        case ChannelChange::ScanOn:
            return ChannelListPanel::tr("Scan On");
        case ChannelChange::ScanOff:
            break;
    }
    return ChannelListPanel::tr("Scan Off");
}

const char* ListTitle(BankId bank) {
    switch (bank) {
        case BankId::USA:
            return QT_TRANSLATE_NOOP("rse::ChannelListPanel", "USA Channel List");
        case BankId::INT:
            return QT_TRANSLATE_NOOP("rse::ChannelListPanel", "International Channel List");
        case BankId::CAN:
            return QT_TRANSLATE_NOOP("rse::ChannelListPanel", "Canada Channel List");
        case BankId::WX:
        case BankId::EXP:
            break;
    }
    return QT_TRANSLATE_NOOP("rse::ChannelListPanel", "Exp Channel List");
}

}  // namespace

ChannelListPanel::ChannelListPanel(EditorSession& session, QWidget* parent)
    : EditorPanel(QStringLiteral("B"), session, parent), grid_(new QTableWidget(this)) {
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    HideTitle();  // the grid fills the panel
    QFont bold = grid_->font();
    bold.setBold(true);
    grid_->setFont(bold);
    grid_->horizontalHeader()->setFont(bold);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Shift+click, Ctrl+click, Shift+arrows and Ctrl+A select rows together.
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setTabKeyNavigation(false);  // Tab leaves the grid
    grid_->setWordWrap(false);
    SetStatusHint(grid_, tr(kGridHint));
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            [this](int tableRow, int) { Jump(tableRow + 1); });
    const struct {
        ChannelChange change;
        const char* name;
        const char* text;
        QKeyCombination keys;
    } changes[] = {
        {ChannelChange::Enable, "mnuListEnable", QT_TR_NOOP("&Enable"), Qt::CTRL | Qt::Key_E},
        {ChannelChange::Disable, "mnuListDisable", QT_TR_NOOP("&Disable"),
         Qt::CTRL | Qt::SHIFT | Qt::Key_E},
        {ChannelChange::ScanOn, "mnuListScanOn", QT_TR_NOOP("&Scan On"), Qt::CTRL | Qt::Key_M},
        {ChannelChange::ScanOff, "mnuListScanOff", QT_TR_NOOP("Scan O&ff"),
         Qt::CTRL | Qt::SHIFT | Qt::Key_M},
    };
    for (const auto& c : changes) {
        QAction* action = TableCopy::AddAction(grid_, c.name, tr(c.text), c.keys);
        connect(action, &QAction::triggered, this,
                [this, change = c.change] { ChangeSelected(change); });
        changeActions_ << action;
    }
    auto* separator = new QAction(grid_);
    separator->setSeparator(true);
    grid_->addAction(separator);
    new TableCopy(grid_);
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChannelListPanel::SelectionChanged);
    Clear();
}

QAction* ChannelListPanel::ChangeAction(ChannelChange change) const {
    return changeActions_.value(static_cast<int>(change));
}

void ChannelListPanel::SelectionChanged() {
    // Screen readers hear how many rows are selected.
    const Note note = StatusNote();
    grid_->setAccessibleDescription(note.text);
    QAccessibleEvent event(grid_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    emit statusNoteChanged();
}

EditorPanel::Note ChannelListPanel::StatusNote() const {
    const auto n = TableCopy::SelectedRows(grid_).size();
    if (n < 2) return {};
    return {tr("%1 channels selected").arg(n), false};
}

void ChannelListPanel::ChangeSelected(ChannelChange change) {
    const QList<int> rows = TableCopy::SelectedRows(grid_);
    if (rows.isEmpty()) return;
    std::vector<int> records;
    for (const int row : rows)
        records.push_back(bank_ == BankId::EXP ? row + 1 : row);  // EXP memories count from 1
    const ChannelBatchResult result = ChangeChannels(session_.config, bank_, records, change);
    // The list shows the result at once; the selection stays.
    if (bank_ == BankId::EXP)
        ShowExpBankList();
    else
        ShowPlanBankList(bank_);
    const QString name = ChangeName(change);
    // The status bar counts the rows the change was not allowed on.
    QString summary = tr("%1: %2 changed").arg(name, Channels(result.changed));
    if (result.unchanged > 0) summary += tr(", %1 already so").arg(result.unchanged);
    if (result.leftAlone > 0) {
        summary += tr(", %1 left alone (Scan Memory needs an enabled channel and is "
                      "never set on channel 70)")
                       .arg(result.leftAlone);
    }
    emit statusHint(summary);
    emit edited(grid_, tr("%1 (%2)").arg(name, Channels(rows.size())));
}

void ChannelListPanel::Clear() {
    grid_->setColumnCount(0);
    ShowPlanBankList(BankId::USA);
}

void ChannelListPanel::resizeEvent(QResizeEvent* event) {
    EditorPanel::resizeEvent(event);
    grid_->setGeometry(0, 0, event->size().width(), event->size().height());  // fills the panel
}

void ChannelListPanel::SetGridHeader(int columns) {
    if (grid_->columnCount() == columns) return;
    const auto set = [this, units = Units()](const auto& table) {
        grid_->setColumnCount(static_cast<int>(std::size(table)));
        for (int c = 0; c < grid_->columnCount(); ++c) {
            const Column& column = table[static_cast<std::size_t>(c)];
            grid_->setHorizontalHeaderItem(c, new QTableWidgetItem(QLatin1String(column.header)));
            grid_->setColumnWidth(c, units.X(column.width));
        }
    };
    if (columns == kExpColumns)
        set(rse::kExpColumns);
    else
        set(rse::kPlanColumns);
}

void ChannelListPanel::SetRow(int tableRow, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) {
        QTableWidgetItem* item = grid_->item(tableRow, c);
        if (!item) {
            item = new QTableWidgetItem;
            if (c == 0) {
                // The fixed first column looks like the header.
                item->setBackground(grid_->palette().button());
            }
            grid_->setItem(tableRow, c, item);
        }
        item->setText(cells[c]);
    }
}

void ChannelListPanel::ShowPlanBankList(BankId bank) {
    if (bank == BankId::EXP) {
        ShowExpBankList();
        return;
    }
    if (bank == BankId::WX) return;  // the WX channels have a panel of their own
    bank_ = bank;
    SetTitle(tr(ListTitle(bank)));
    grid_->setAccessibleName(Title());
    // Drawn once, after it was filled.
    grid_->setUpdatesEnabled(false);
    if (grid_->columnCount() != kPlanColumns) grid_->setRowCount(0);  // fresh cells
    SetGridHeader(kPlanColumns);
    const std::vector<ChannelRecord>& records = BankOf(session_.config, bank);
    const PlanTable& plan = Plans().For(bank);
    grid_->setRowCount(static_cast<int>(records.size()));
    for (std::size_t k = 0; k < records.size(); ++k) {
        const ChannelRecord& r = records[k];
        static const PlanEntry kNone{};
        const PlanEntry* found = plan.Find(r.Position);
        const PlanEntry& e = found ? *found : kNone;
        QStringList cells{FromLatin1(e.Label), FromLatin1(nodes::EnableMark(r.Enable)),
                          FromLatin1(FreqText(e.RxFreq)), FromLatin1(FreqText(e.TxFreq))};
        cells += FlagCells(r);
        cells += FromLatin1(r.ChTag);
        SetRow(static_cast<int>(k), cells);
    }
    FitGridColumns(grid_);  // the widths in twips are minimums
    if (grid_->rowCount() > 0 && grid_->currentRow() < 0) grid_->setCurrentCell(0, 0);
    grid_->setUpdatesEnabled(true);
}

void ChannelListPanel::ShowExpBankList() {
    bank_ = BankId::EXP;
    SetTitle(tr(ListTitle(BankId::EXP)));
    grid_->setAccessibleName(Title());
    grid_->setUpdatesEnabled(false);
    if (grid_->columnCount() != kExpColumns) grid_->setRowCount(0);
    SetGridHeader(kExpColumns);
    grid_->setRowCount(kExpCount);
    const PlanTable& plan = Plans().PlanEXP;
    for (int i = 1; i <= kExpCount; ++i) {
        const ChannelRecord& r = session_.config.Exp(i);
        static const PlanEntry kNone{};
        const PlanEntry* found = plan.Find(r.Position);
        const PlanEntry& e = found ? *found : kNone;
        QStringList cells{QString::number(i), FromLatin1(nodes::EnableMark(r.Enable)),
                          QString::number(r.Position),
                          FromLatin1(FreqText(r.Duplex ? e.RxFreq : e.TxFreq)),
                          FromLatin1(FreqText(e.TxFreq))};
        cells += FlagCells(r);
        cells += FromLatin1(r.ChTag);
        SetRow(i - 1, cells);
    }
    FitGridColumns(grid_);
    if (grid_->currentRow() < 0) grid_->setCurrentCell(0, 0);
    grid_->setUpdatesEnabled(true);
}

std::optional<nodes::NodeKey> ChannelListPanel::KeyOfRow(int row) const {
    if (row < 1 || row > grid_->rowCount()) return std::nullopt;
    if (bank_ == BankId::EXP) return nodes::NodeKey{nodes::Branch::Exp, row};
    if (const auto plan = nodes::PlanBranch(bank_)) return nodes::NodeKey{*plan, row - 1};
    return std::nullopt;
}

void ChannelListPanel::Jump(int row) {
    if (const auto key = KeyOfRow(row)) emit jumpRequested(*key);
}

bool ChannelListPanel::HandleEnterKey(QWidget* focus) {
    if (focus != grid_ && !grid_->isAncestorOf(focus)) return false;
    Jump(grid_->currentRow() + 1);
    return true;
}

}  // namespace rse
