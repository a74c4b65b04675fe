#include "ui/panels/settings_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "image/memory_image.h"
#include "model/labels.h"
#include "model/mmsi.h"
#include "qt/latin1.h"
#include "qt/translations.h"
#include "ui/font_units.h"
#include "ui/widgets/digit_entry.h"
#include "ui/widgets/paged_combo_box.h"

namespace rse {

namespace {

QLabel* Caption(QWidget* parent, const QString& text, QWidget* buddy, const QString& name = {}) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

}  // namespace

SettingsPanel::SettingsPanel(EditorSession& session, Prompts& prompts, QWidget* parent)
    : EditorPanel(QStringLiteral("F"), session, parent) {
    SetTitle(tr("Setting"));

    // Controls in the order of the tab chain.
    cmbFCont_ = AddList("cmbFCont", &CommonSettings::Contrast);
    cmbFDim_ = AddList("cmbFDim", &CommonSettings::Dimmer);
    chkFBeep_ = AddCheck("chkFBeep", tr("Key Beep"), &CommonSettings::KeyBeep);
    chkFATIS_ = AddCheck("chkFATIS", tr("ATIS ON"), nullptr);
    txtFATISNo_ = new DigitEntry(QStringLiteral("txtFATISNo"), 10, tr("ATISNo"), prompts, this);
    txtFATISNo_->SetTarget([this] { return &session_.config.SETCOM.AtisNo; });
    cmbFScan_ = AddList("cmbFScan", &CommonSettings::ScanType);
    cmbFIND_ = AddList("cmbFIND", &CommonSettings::Ind);
    chkFindReply_ = AddCheck("chkFindReply", tr("Individual Reply"), &CommonSettings::IndReply);
    chkFindAck_ = AddCheck("chkFindAck", tr("Individual ACK"), &CommonSettings::IndACK);
    chkFposRR_ = AddCheck("chkFposRR", tr("POS Request Reply"), &CommonSettings::POSRR);
    chkFDSC_ = AddCheck("chkFDSC", tr("DSC Scan"), &CommonSettings::DscScan);
    chkFWX_ = AddCheck("chkFWX", tr("WX Alert"), &CommonSettings::WxAlert);
    cmbFOffset_ = AddList("cmbFOffset", &CommonSettings::OffsetTime);
    txtFUser_ = new DigitEntry(QStringLiteral("txtFUser"), 9, tr("User MMSI"), prompts, this);
    txtFUser_->SetTarget([this] { return &session_.config.SETCOM.UserMmsid; });
    connect(txtFUser_, &QLineEdit::textChanged, this, &EditorPanel::statusNoteChanged);
    connect(txtFATISNo_, &QLineEdit::textChanged, this, &EditorPanel::statusNoteChanged);
    connect(chkFATIS_, &QCheckBox::toggled, this, &EditorPanel::statusNoteChanged);
    txtFCount_ = new QLineEdit(this);
    txtFCount_->setObjectName(QStringLiteral("txtFCount"));
    txtFCount_->setReadOnly(true);  // the count lives in the radio; only Clear changes it
    cmdFClear_ = new QPushButton(tr("Clear"), this);
    cmdFClear_->setObjectName(QStringLiteral("cmdFClear"));
    cmdFClear_->setAccessibleName(tr("Clear"));
    cmdFClear_->setAutoDefault(false);

    // The ATIS rule: the number can be entered while ATIS is on; it is kept while it is off.
    connect(chkFATIS_, &QCheckBox::clicked, this, [this](bool checked) {
        ApplyAtisRule();
        if (!session_.UpdatingControls) session_.config.SETCOM.AtisOnOff = checked;
    });
    connect(cmdFClear_, &QPushButton::clicked, this, [this] { emit clearRequested(); });

    FitFieldWidth(txtFATISNo_, QLatin1Char('0'), 10);
    FitFieldWidth(txtFUser_, QLatin1Char('0'), 9);
    FitFieldWidth(txtFCount_, QLatin1Char('0'), 3);  // the radio counts up to 255

    SetStatusHint(txtFATISNo_, tr("Numeric Only. Indispensable 10 figures."));
    SetStatusHint(txtFUser_, tr("Numeric Only. Indispensable 9 figures."));
    SetStatusHint(cmdFClear_, tr("A Click Inicializes the number of User MMSI setting permission"));

    // Layout: lists on the left, switches on the right; the individual call replies with
    // their notes below; a line; the radio's own MMSI and its count.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, fontMetrics().height() * 2 + 4, 0, 0);  // below the title
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    lblATIS_ = Caption(this, tr("ATIS No."), txtFATISNo_, QStringLiteral("lblATIS"));
    const std::pair<const char*, QComboBox*> lists[] = {
        {QT_TR_NOOP("Contrast Level"), cmbFCont_},
        {QT_TR_NOOP("Dimmer Status"), cmbFDim_},
        {QT_TR_NOOP("Scan Type"), cmbFScan_},
        {QT_TR_NOOP("Offset Time"), cmbFOffset_},
        {QT_TR_NOOP("Individual Ringer"), cmbFIND_}};
    int row = 0;
    for (const auto& [caption, list] : lists) {
        grid->addWidget(Caption(this, tr(caption), list), row, 0);
        grid->addWidget(list, row, 1);
        ++row;
    }
    row = 0;
    for (QCheckBox* check : {chkFBeep_, chkFDSC_, chkFWX_, chkFATIS_}) {
        grid->addWidget(check, row++, 3, 1, 2);
    }
    grid->addWidget(lblATIS_, row, 3);
    grid->addWidget(txtFATISNo_, row, 4);
    row = 5;
    const std::pair<QCheckBox*, const char*> replies[] = {
        {chkFindReply_, QT_TR_NOOP("(Auto)")},
        {chkFindAck_, QT_TR_NOOP("(Able to Comple)")},
        {chkFposRR_, QT_TR_NOOP("(Auto)")}};
    for (const auto& [check, note] : replies) {
        grid->addWidget(check, row, 0, 1, 2);
        auto* label = new QLabel(tr(note), this);
        label->setObjectName(QStringLiteral("lblFNote"));
        grid->addWidget(label, row, 3, 1, 2);
        ++row;
    }

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("linFSeparator"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, row++, 0, 1, 5);

    grid->addWidget(Caption(this, tr("User MMSI"), txtFUser_), row, 0);
    grid->addWidget(txtFUser_, row, 1);
    grid->addWidget(Caption(this, tr("Count"), txtFCount_), row, 3);
    auto* countRow = new QHBoxLayout;
    countRow->setSpacing(4);
    countRow->addWidget(txtFCount_);
    countRow->addWidget(cmdFClear_);
    countRow->addStretch(1);
    grid->addLayout(countRow, row++, 4);

    grid->setColumnMinimumWidth(2, 10);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(row, 1);

    // The tab chain runs down the lists and the replies below them, then down the switches,
    // then along the last row.
    QWidget* chain[] = {cmbFCont_,   cmbFDim_,   cmbFScan_,  cmbFOffset_, cmbFIND_, chkFindReply_,
                        chkFindAck_, chkFposRR_, chkFBeep_,  chkFDSC_,    chkFWX_,  chkFATIS_,
                        txtFATISNo_, txtFUser_,  txtFCount_, cmdFClear_};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    Clear();
    WatchUserEdits();  // after the panel's own handlers have stored the change
}

QComboBox* SettingsPanel::AddList(const char* name, std::int16_t CommonSettings::*field) {
    auto* list = new PagedComboBox(this);
    list->setObjectName(QLatin1String(name));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    SetStatusHint(list, tr(kListHint));
    // A choice is stored at once (the program's own selection does not emit this).
    connect(list, &QComboBox::activated, this, [this, field](int index) {
        if (index >= 0) session_.config.SETCOM.*field = static_cast<std::int16_t>(index);
    });
    return list;
}

QCheckBox* SettingsPanel::AddCheck(const char* name, const QString& caption,
                                   bool CommonSettings::*field) {
    auto* check = new QCheckBox(caption, this);
    check->setObjectName(QLatin1String(name));
    check->setAccessibleName(caption);
    SetStatusHint(check, tr(kCheckHint));
    if (field) {
        connect(check, &QCheckBox::clicked, this, [this, field](bool checked) {
            if (!session_.UpdatingControls) session_.config.SETCOM.*field = checked;
        });
    }
    return check;
}

void SettingsPanel::FillLists() {
    const auto fill = [](QComboBox* list, const QStringList& items) {
        list->clear();
        list->addItems(items);
        list->setCurrentIndex(-1);
    };
    fill(cmbFCont_, {"0", "1", "2", "3", "4", "5", "6", "7"});
    fill(cmbFDim_, {"HI", "MID", "LO", "OFF"});
    fill(cmbFScan_, {tr("Memory"), tr("Priority")});
    fill(cmbFIND_, {tr("3 min"), tr("15 times"), tr("10 times"), tr("5 times")});
    QStringList offsets;
    for (const std::string& text : OffsetTimeTexts())
        offsets << FromLatin1(text);
    fill(cmbFOffset_, offsets);
}

void SettingsPanel::Clear() {
    FillLists();
    txtFATISNo_->Load({});
    txtFUser_->Load({});
    txtFCount_->clear();
    for (QCheckBox* check : {chkFBeep_, chkFATIS_, chkFDSC_})
        check->setChecked(false);
}

void SettingsPanel::ApplyAtisRule() {
    const bool on = chkFATIS_->isChecked();
    lblATIS_->setEnabled(on);
    txtFATISNo_->setEnabled(on);
}

void SettingsPanel::SetParamData() {
    FlagGuard updating(session_.UpdatingControls);
    const CommonSettings& s = session_.config.SETCOM;
    const auto select = [](QComboBox* list, int index) {
        // A value the list cannot show leaves its selection as it was.
        if (index >= 0 && index < list->count()) list->setCurrentIndex(index);
    };
    select(cmbFCont_, s.Contrast);
    select(cmbFDim_, s.Dimmer);
    select(cmbFScan_, s.ScanType);
    select(cmbFIND_, s.Ind);
    select(cmbFOffset_, s.OffsetTime);
    chkFBeep_->setChecked(s.KeyBeep);
    chkFATIS_->setChecked(s.AtisOnOff);
    ApplyAtisRule();
    chkFindReply_->setChecked(s.IndReply);
    chkFindAck_->setChecked(s.IndACK);
    chkFposRR_->setChecked(s.POSRR);
    chkFDSC_->setChecked(s.DscScan);
    chkFWX_->setChecked(s.WxAlert);
    txtFATISNo_->Load(s.AtisNo);
    txtFUser_->Load(s.UserMmsid);
    txtFCount_->setText(QString::number(MmsiEntryCount(session_.image)));
}

void SettingsPanel::ShowSettingsPanel() {
    SetParamData();
}

EditorPanel::Note SettingsPanel::StatusNote() const {
    // A warning about the user MMSI first, then what the ATIS number deserves, else the kind
    // and country of the MMSI.
    const Note mmsi = UserMmsiStatus(txtFUser_->text());
    if (mmsi.warning) return mmsi;
    const MmsiNote atis =
        AtisNote(txtFATISNo_->text().trimmed().toStdString(), chkFATIS_->isChecked(),
                 txtFUser_->text().trimmed().toStdString());
    if (!atis.warning.empty()) return {Translated(atis.warningPhrase, atis.warning), true};
    if (!atis.text.empty()) return {Translated(atis.textPhrase, atis.text), false};
    return mmsi;
}

bool SettingsPanel::ValidatePendingEdit() {
    if (txtFUser_->hasFocus()) return txtFUser_->Validate();
    if (txtFATISNo_->hasFocus()) return txtFATISNo_->Validate();
    return true;
}

}  // namespace rse
