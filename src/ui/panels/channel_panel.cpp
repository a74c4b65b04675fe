#include "ui/panels/channel_panel.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "editing/channel_options.h"
#include "editing/node_keys.h"
#include "model/labels.h"
#include "qt/latin1.h"
#include "qt/translations.h"
#include "ui/font_units.h"
#include "ui/widgets/paged_combo_box.h"
#include "ui/widgets/tag_edit.h"

namespace rse {

namespace {

QCheckBox* Check(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(caption);
    return box;
}

// A read-only value shown like a field.
QLabel* Value(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000.0000")) + 8);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* Caption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

// A row of a layout indented by `indent` pixels.
QHBoxLayout* Indented(QWidget* w, int indent) {
    auto* row = new QHBoxLayout;
    row->addSpacing(indent);
    row->addWidget(w);
    row->addStretch();
    return row;
}

}  // namespace

ChannelPanel::ChannelPanel(EditorSession& session, QWidget* parent)
    : EditorPanel(QStringLiteral("C"), session, parent),
      top_(new QWidget(this)),
      inner_(new QWidget(this)),
      innerFrame_(this, QStringLiteral("linC")) {
    inner_->setObjectName(QStringLiteral("pictCC"));

    // Upper part: the channel, its Enable flag and its frequencies.
    lblCPosition_ = new QLabel(tr("Channel Number"), top_);
    lblCPosition_->setObjectName(QStringLiteral("lblCPosition"));
    channelLabel_ = Value(top_, "txtCN");
    channelLabel_->setAccessibleName(tr("Channel Number"));
    cmbCN_ = new PagedComboBox(top_);
    cmbCN_->setObjectName(QStringLiteral("cmbCN"));
    cmbCN_->setAccessibleName(tr("Position"));
    cmbCN_->setMaxVisibleItems(15);
    cmbCN_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cmbCN_->hide();
    chkCEnable_ = Check(top_, "chkCEnable", tr("Enable"));
    rxFrequency_ = Value(top_, "txtCRF");
    txFrequency_ = Value(top_, "txtCTF");

    auto* top = new QGridLayout(top_);
    top->setContentsMargins(8, 0, 8, 0);
    top->setHorizontalSpacing(10);
    top->setVerticalSpacing(4);
    top->addWidget(lblCPosition_, 0, 0);
    top->addWidget(channelLabel_, 0, 1);
    top->addWidget(cmbCN_, 0, 1);
    top->addWidget(chkCEnable_, 0, 2);
    top->addWidget(Caption(top_, tr("Rx Frequency"), rxFrequency_), 1, 0);
    top->addWidget(rxFrequency_, 1, 1);
    top->addWidget(Caption(top_, tr("Tx Frequency"), txFrequency_), 2, 0);
    top->addWidget(txFrequency_, 2, 1);
    top->setColumnStretch(3, 1);
    top->setRowStretch(3, 1);

    // Inner frame: the channel's options and its tag.
    chkCScan_ = Check(inner_, "chkCScan", tr("Scan Memory"));
    chkCDup_ = Check(inner_, "chkCDup", tr("Duplex"));
    chkCTXPower_ = Check(inner_, "chkCTXPower", tr("Power Up"));
    chkCTXOnly_ = Check(inner_, "chkCTXOnly", tr("Only Low Power"));
    chkCTXEnable_ = Check(inner_, "chkCTXEnable", tr("Tx Enable"));
    txtCTag_ = new TagEdit(QStringLiteral("txtCTag"), kTagLength, inner_);
    FitFieldWidth(txtCTag_, QLatin1Char('W'), kTagLength);
    lblCTag_ = Caption(inner_, tr("Tag Name"), txtCTag_);
    lblCTag_->setObjectName(QStringLiteral("lblCTag"));

    auto* inner = new QGridLayout(inner_);
    inner->setContentsMargins(8, 8, 8, 8);
    inner->setHorizontalSpacing(16);
    inner->setVerticalSpacing(4);
    const int indent = chkCTXEnable_->sizeHint().height();
    auto* tx = new QVBoxLayout;
    tx->setSpacing(4);
    tx->addWidget(chkCTXEnable_);
    tx->addLayout(Indented(chkCTXOnly_, indent));       // follows Tx Enable
    tx->addLayout(Indented(chkCTXPower_, 2 * indent));  // follows Only Low Power
    auto* other = new QVBoxLayout;
    other->setSpacing(4);
    other->addWidget(chkCDup_);
    other->addWidget(chkCScan_);
    other->addStretch();
    inner->addLayout(tx, 0, 0, 1, 2);
    inner->addLayout(other, 0, 2);
    inner->addWidget(lblCTag_, 1, 0);
    inner->addWidget(txtCTag_, 1, 1, 1, 2);
    inner->setColumnStretch(3, 1);
    inner->setRowStretch(2, 1);

    // The tab chain follows the page: upper part, then the frame column by column.
    QWidget* chain[] = {cmbCN_,       chkCEnable_, chkCTXEnable_, chkCTXOnly_,
                        chkCTXPower_, chkCDup_,    chkCScan_,     txtCTag_};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        setTabOrder(chain[i], chain[i + 1]);

    for (QCheckBox* box : {chkCEnable_, chkCScan_, chkCDup_, chkCTXOnly_, chkCTXEnable_})
        SetStatusHint(box, tr(kCheckHint));
    SetStatusHint(cmbCN_, tr(kListHint));
    SetStatusHint(txtCTag_, tr(kTagHint));

    // The user's actions; the program's own filling emits none of these signals.
    connect(chkCEnable_, &QCheckBox::clicked, this, &ChannelPanel::OnEnableClicked);
    connect(chkCTXEnable_, &QCheckBox::clicked, this, [this](bool on) {
        if (session_.UpdatingControls) return;
        if (ChannelRecord* r = Record()) r->TxEnable = on;
        ApplyEnabling();
    });
    connect(chkCTXOnly_, &QCheckBox::clicked, this, [this](bool on) {
        if (session_.UpdatingControls) return;
        if (ChannelRecord* r = Record()) r->LowPower = on;
        ApplyEnabling();
    });
    connect(chkCTXPower_, &QCheckBox::clicked, this, [this](bool on) {
        if (session_.UpdatingControls) return;
        if (ChannelRecord* r = Record()) r->PowUp = on;
    });
    connect(chkCDup_, &QCheckBox::clicked, this, [this](bool on) {
        if (session_.UpdatingControls) return;
        if (ChannelRecord* r = Record()) {
            r->Duplex = on;
            ShowRxFrequency(on);
        }
    });
    connect(chkCScan_, &QCheckBox::clicked, this, [this](bool on) {
        if (session_.UpdatingControls) return;
        if (ChannelRecord* r = Record()) r->ScanMemory = on;
    });
    connect(txtCTag_, &QLineEdit::textEdited, this, [this] {
        if (session_.UpdatingControls) return;
        if (ChannelRecord* r = Record()) r->ChTag = txtCTag_->ModelText();
    });
    connect(cmbCN_, &QComboBox::activated, this, &ChannelPanel::OnPositionChosen);

    Clear();
    WatchUserEdits();  // after the panel's own handlers have stored the change
}

// ---------------------------------------------------------------------------------------
// Loading

void ChannelPanel::Clear() {
    SetTitle(tr("Channel"));
    kind_ = Kind::None;
    key_ = {};
    channelLabel_->clear();
    rxFrequency_->clear();
    txFrequency_->clear();
    for (QCheckBox* box :
         {chkCEnable_, chkCScan_, chkCDup_, chkCTXPower_, chkCTXOnly_, chkCTXEnable_})
        box->setChecked(false);
    txtCTag_->clear();
    cmbCN_->clear();
    const PlanTable& plan = Plans().PlanEXP;
    QStringList positions;
    for (int p = plan.Lower(); p <= plan.Upper(); ++p)
        positions << QString::number(p);
    cmbCN_->addItems(positions);
    cmbCN_->setCurrentIndex(-1);
}

ChannelRecord* ChannelPanel::Record() {
    switch (kind_) {
        case Kind::Plan: {
            std::vector<ChannelRecord>& bank = BankOf(session_.config, bank_);
            if (index_ < 0 || index_ >= static_cast<int>(bank.size())) return nullptr;
            return &bank[static_cast<std::size_t>(index_)];
        }
        case Kind::Exp:
            if (index_ < 1 || index_ > kExpCount) return nullptr;
            return &session_.config.Exp(index_);
        case Kind::None:
            break;
    }
    return nullptr;
}

const PlanEntry& ChannelPanel::Entry(const ChannelRecord& record) const {
    static const PlanEntry kNone{};
    const PlanEntry* e =
        Plans().For(kind_ == Kind::Exp ? BankId::EXP : bank_).Find(record.Position);
    return e ? *e : kNone;
}

void ChannelPanel::ShowRxFrequency(bool duplex) {
    const ChannelRecord* r = Record();
    if (!r) return;
    const PlanEntry& e = Entry(*r);
    rxFrequency_->setText(FromLatin1(FreqText(duplex ? e.RxFreq : e.TxFreq)));
}

void ChannelPanel::Fill(const ChannelRecord& r, const PlanEntry& e) {
    const FlagGuard updating(session_.UpdatingControls);
    rxFrequency_->setText(FromLatin1(FreqText(r.Duplex ? e.RxFreq : e.TxFreq)));
    txFrequency_->setText(FromLatin1(FreqText(e.TxFreq)));
    chkCEnable_->setChecked(r.Enable);
    chkCTXEnable_->setChecked(r.TxEnable);
    chkCTXOnly_->setChecked(r.LowPower);
    chkCTXPower_->setChecked(r.PowUp);
    chkCDup_->setChecked(r.Duplex);
    chkCScan_->setChecked(r.ScanMemory);
    txtCTag_->Load(r.ChTag);
    ApplyEnabling();
}

void ChannelPanel::ShowPlanChannel(const nodes::NodeKey& key) {
    const auto bank = key.Bank();
    if (!bank || !key.index) return;
    const int index = *key.index;
    const std::vector<ChannelRecord>& records = BankOf(session_.config, *bank);
    if (index < 0 || index >= static_cast<int>(records.size())) return;
    kind_ = Kind::Plan;
    bank_ = *bank;
    index_ = index;
    key_ = key;

    const auto text = nodes::ChannelNodeText(session_.config, *bank, index);
    // The node text without its enable mark names the channel ("CH16").
    const std::size_t mark = text ? text->find('[') : std::string::npos;
    SetTitle(tr("%1 %2").arg(CoreText(FixedPlanName(*bank)),
                             FromLatin1(text ? text->substr(0, mark) : std::string())));

    lblCPosition_->setText(tr("Channel Number"));
    lblCPosition_->setBuddy(channelLabel_);
    channelLabel_->show();
    cmbCN_->hide();
    const ChannelRecord& r = records[static_cast<std::size_t>(index)];
    const PlanEntry& e = Entry(r);
    channelLabel_->setText(FromLatin1(e.Label));
    Fill(r, e);
}

void ChannelPanel::ShowExpChannel(const nodes::NodeKey& key) {
    if (key.View() != nodes::NodeView::ExpChannel) return;
    const int index = *key.index;
    if (index < 1 || index > kExpCount) return;
    kind_ = Kind::Exp;
    index_ = index;
    key_ = key;
    SetTitle(QStringLiteral("EXP%1").arg(index));

    lblCPosition_->setText(tr("Position"));
    lblCPosition_->setBuddy(cmbCN_);  // names the list for screen readers
    channelLabel_->hide();
    cmbCN_->show();
    const ChannelRecord& r = session_.config.Exp(index);
    const PlanEntry& e = Entry(r);
    {
        const FlagGuard updating(session_.UpdatingControls);
        cmbCN_->setCurrentIndex(r.Position >= 0 && r.Position < cmbCN_->count() ? r.Position : -1);
    }
    Fill(r, e);
}

void ChannelPanel::Reload() {
    if (kind_ == Kind::Plan)
        ShowPlanChannel(key_);
    else if (kind_ == Kind::Exp)
        ShowExpChannel(key_);
}

// ---------------------------------------------------------------------------------------
// Enabling rules (the own Enabled flags: the panel itself may still be disabled)

void ChannelPanel::ApplyEnabling() {
    const ChannelRecord* r = Record();
    if (!r) return;
    const ChannelOptionStates on = ChannelOptionEnabling(*r, Entry(*r), kind_ == Kind::Plan);
    chkCTXEnable_->setEnabled(on.txEnable);
    chkCTXOnly_->setEnabled(on.lowPower);
    chkCTXPower_->setEnabled(on.powerUp);
    chkCDup_->setEnabled(on.duplex);
    chkCScan_->setEnabled(on.scanMemory);
    txtCTag_->setEnabled(on.tagName);
    lblCTag_->setEnabled(on.tagName);
}

// ---------------------------------------------------------------------------------------
// User actions

void ChannelPanel::OnEnableClicked() {
    if (session_.UpdatingControls) return;
    ChannelRecord* r = Record();
    if (!r) return;
    r->Enable = chkCEnable_->isChecked();
    Reload();
    emit enableStored(key_);
    chkCEnable_->setFocus();
}

bool ChannelPanel::ChannelComboGuard() const {
    return cmbCN_->hasFocus() || cmbCN_->view()->isVisible();
}

void ChannelPanel::OnPositionChosen(int index) {
    if (session_.UpdatingControls || kind_ != Kind::Exp || !ChannelComboGuard()) return;
    ChannelRecord* r = Record();
    if (!r || index < 0) return;
    const QString text = cmbCN_->itemText(index);
    if (text != rememberedChannelText_) {
        rememberedChannelText_ = text;
        const int position = text.toInt();
        if (const PlanEntry* e = Plans().PlanEXP.Find(position)) {
            FillFromPlan(*r, position, *e);
            Reload();
        }
    }
    ApplyExpEnable();
    cmbCN_->setFocus();
}

void ChannelPanel::ApplyExpEnable() {
    ChannelRecord* r = Record();
    if (!r) return;
    r->Enable = chkCEnable_->isChecked();
    Reload();
    emit enableStored(key_);
}

// ---------------------------------------------------------------------------------------
// Focus, keys and layout

bool ChannelPanel::eventFilter(QObject* watched, QEvent* event) {
    // The text is remembered when the user moves into the list, not when its own popup or
    // another window gives the focus back.
    if (watched == cmbCN_ && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            rememberedChannelText_ = cmbCN_->currentText();
        }
    }
    return EditorPanel::eventFilter(watched, event);
}

void ChannelPanel::resizeEvent(QResizeEvent* event) {
    EditorPanel::resizeEvent(event);
    // The upper part lies between the title and the frame; the frame moves down when the
    // upper part needs more room than designed.
    const layout::FontUnits units = Units();
    const int titleBottom = fontMetrics().height() * 2;
    const int frameGap = units.Y(kInnerTop) - units.Y(kInnerTop - 20);
    const int upperBottom = titleBottom + top_->minimumSizeHint().height() + 4;
    const QRect inner = PlaceInnerPanel(inner_, innerFrame_, event->size().width(), kInnerTop,
                                        kInnerHeight, upperBottom + frameGap);
    top_->setGeometry(0, titleBottom, event->size().width(),
                      std::max(0, inner.top() - frameGap - titleBottom - 4));
}

}  // namespace rse
