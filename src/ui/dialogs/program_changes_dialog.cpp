#include "ui/dialogs/program_changes_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/clone_protocol.h"
#include "qt/translations.h"
#include "ui/widgets/difference_table.h"

namespace rse {

QString ProgramChangesDialog::Question(int count) {
    return tr("Program these %1 changes?").arg(count);
}

ProgramChangesDialog::ProgramChangesDialog(const std::vector<DifferenceRow>& rows, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmProgramChanges"));
    setWindowTitle(CoreText(kProgramTitle));
    setModal(true);

    auto* intro =
        new QLabel(tr("The radio was read and kept in the backups. Programming changes:"), this);
    table_ = new DifferenceTable(this);
    table_->SetRows(rows, tr("In the radio now"), tr("After programming"));
    auto* question = new QLabel(Question(static_cast<int>(rows.size())), this);
    question->setObjectName(QStringLiteral("lblQuestion"));
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
    buttons->button(QDialogButtonBox::Yes)->setObjectName(QStringLiteral("cmdYes"));
    buttons->button(QDialogButtonBox::No)->setObjectName(QStringLiteral("cmdNo"));
    // No is the safe answer to a stray Enter.
    buttons->button(QDialogButtonBox::No)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(table_, 1);
    layout->addWidget(question);
    layout->addWidget(buttons);
    resize(600, 380);
}

}  // namespace rse
