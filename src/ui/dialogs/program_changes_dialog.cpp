#include "ui/dialogs/program_changes_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/clone_protocol.h"
#include "qt/translations.h"
#include "ui/widgets/difference_table.h"

namespace rse {

QString ProgramChangesDialog::Question(int count) {
    // One change has a text of its own, so that a language can say it in the singular.
    if (count == 1) return tr("Program these 1 changes?");
    return tr("Program these %1 changes?").arg(count);
}

ProgramChangesDialog::ProgramChangesDialog(const std::vector<DifferenceRow>& rows, QWidget* parent)
    : ProgramChangesDialog(Preview{rows, rows, {}}, parent) {}

ProgramChangesDialog::ProgramChangesDialog(Preview preview, QWidget* parent)
    : QDialog(parent), preview_(std::move(preview)) {
    setObjectName(QStringLiteral("frmProgramChanges"));
    setWindowTitle(CoreText(kProgramTitle));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    if (!preview_.identity.isEmpty()) {
        auto* box = new QGroupBox(tr("The radio's own numbers"), this);
        box->setObjectName(QStringLiteral("fraIdentity"));
        auto* inner = new QVBoxLayout(box);
        auto* sentences = new QLabel(preview_.identity.join(QLatin1Char('\n')), box);
        sentences->setObjectName(QStringLiteral("lblIdentity"));
        sentences->setWordWrap(true);
        keep_ = new QRadioButton(tr("Keep the Radio's"), box);
        keep_->setObjectName(QStringLiteral("optKeepIdentity"));
        change_ = new QRadioButton(tr("Change It"), box);
        change_->setObjectName(QStringLiteral("optChangeIdentity"));
        keep_->setChecked(true);
        inner->addWidget(sentences);
        inner->addWidget(keep_);
        inner->addWidget(change_);
        layout->addWidget(box);
        connect(keep_, &QRadioButton::toggled, this, &ProgramChangesDialog::ShowRows);
    }

    auto* intro =
        new QLabel(tr("The radio was read and kept in the backups. Programming changes:"), this);
    table_ = new DifferenceTable(this);
    question_ = new QLabel(this);
    question_->setObjectName(QStringLiteral("lblQuestion"));
    QFont bold = question_->font();
    bold.setBold(true);
    question_->setFont(bold);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
    buttons->button(QDialogButtonBox::Yes)->setObjectName(QStringLiteral("cmdYes"));
    buttons->button(QDialogButtonBox::No)->setObjectName(QStringLiteral("cmdNo"));
    // No is the safe answer to a stray Enter.
    buttons->button(QDialogButtonBox::No)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    layout->addWidget(intro);
    layout->addWidget(table_, 1);
    layout->addWidget(question_);
    layout->addWidget(buttons);
    ShowRows();
    resize(600, preview_.identity.isEmpty() ? 380 : 480);
}

IdentityChoice ProgramChangesDialog::Choice() const {
    return change_ && change_->isChecked() ? IdentityChoice::Change : IdentityChoice::Keep;
}

void ProgramChangesDialog::ShowRows() {
    const auto& rows = Choice() == IdentityChoice::Keep ? preview_.keep : preview_.change;
    table_->SetRows(rows, tr("In the radio now"), tr("After programming"));
    question_->setText(Question(static_cast<int>(rows.size())));
}

}  // namespace rse
