#include "ui/panels/priority_panel.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>

#include "model/channel_plans.h"
#include "qt/translations.h"
#include "ui/widgets/paged_combo_box.h"

namespace rse {

namespace {

struct Row {
    BankId plan;
    const char* suffix;  // of the list names
};
constexpr Row kRows[] = {
    {BankId::USA, "USA"}, {BankId::INT, "InterNational"}, {BankId::CAN, "Canada"}};
constexpr const char* kColumns[] = {"P-Ch", "A-Ch", "B-Ch"};
constexpr const char* kPrefixes[] = {"cmbP", "cmbA", "cmbB"};

}  // namespace

PriorityPanel::PriorityPanel(EditorSession& session, QWidget* parent)
    : EditorPanel(QStringLiteral("A"), session, parent) {
    SetTitle(tr("Priority Channel"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, fontMetrics().height() * 2 + 8, 8, 8);  // below the title
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    for (int c = 0; c < 3; ++c) {
        auto* header = new QLabel(QLatin1String(kColumns[c]), this);
        header->setAlignment(Qt::AlignCenter);
        grid->addWidget(header, 0, c + 1);
    }
    const int listWidth = fontMetrics().horizontalAdvance(QStringLiteral("CH00A")) + 40;
    for (int r = 0; r < 3; ++r) {
        const QString row = CoreText(FixedPlanName(kRows[r].plan));
        grid->addWidget(new QLabel(row, this), r + 1, 0);
        for (int c = 0; c < 3; ++c) {
            auto* list = new PagedComboBox(this);
            list->setObjectName(QLatin1String(kPrefixes[c]) + QLatin1String(kRows[r].suffix));
            // No caption of its own: the row and the column name it.
            list->setAccessibleName(row + QLatin1Char(' ') + QLatin1String(kColumns[c]));
            list->setFixedWidth(listWidth);
            SetStatusHint(list, tr(kListHint));
            grid->addWidget(list, r + 1, c + 1);
            lists_[static_cast<std::size_t>(r * 3 + c)] = list;
        }
    }
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(4, 1);
    Clear();
}

void PriorityPanel::Clear() {
    for (QComboBox* list : lists_)
        list->setCurrentIndex(-1);
}

void PriorityPanel::ShowPriorityPanel() {}

}  // namespace rse
