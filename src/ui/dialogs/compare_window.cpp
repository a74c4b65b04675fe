#include "ui/dialogs/compare_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/difference_table.h"

namespace rse {

CompareWindow::CompareWindow(const std::vector<DifferenceRow>& rows, const QString& otherName,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(tr("Compare With - %1").arg(otherName));
    setAttribute(Qt::WA_DeleteOnClose);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    const int n = static_cast<int>(rows.size());
    summary_->setText(
        n == 0 ? tr("The configuration in the editor and %1 are the same.").arg(otherName)
               : tr("%1 %2 between the configuration in the editor and %3. Select a "
                    "row to show it in the editor.")
                     .arg(n)
                     .arg(n == 1 ? tr("difference") : tr("differences"), otherName));
    summary_->setWordWrap(true);

    table_ = new DifferenceTable(this);
    table_->SetRows(rows, tr("In the editor"), otherName);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        const nodes::NodeKey key = table_->NodeKeyAt(row);
        if (key.branch != nodes::Branch::None) emit showNode(key);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(640, 420);
}

}  // namespace rse
