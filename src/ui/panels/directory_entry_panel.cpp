#include "ui/panels/directory_entry_panel.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QTimer>

#include "editing/directory_slots.h"
#include "editing/node_keys.h"
#include "qt/latin1.h"
#include "qt/translations.h"
#include "ui/font_units.h"
#include "ui/panels/settings_panel.h"
#include "ui/prompts.h"
#include "ui/widgets/digit_entry.h"
#include "ui/widgets/typing_limit.h"

namespace rse {

namespace {

constexpr int kStationNameLength = 10;

// A station name as stored: "a".."z" in capitals; characters that an 8-bit text cannot hold
// and control characters are dropped.
QString StationName(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            out += QChar(c.unicode() - 'a' + 'A');
        } else if (c.unicode() <= 0xFF && c.isPrint()) {
            out += c;
        }
    }
    return out;
}

}  // namespace

DirectoryEntryPanel::DirectoryEntryPanel(EditorSession& session, Prompts& prompts, QWidget* parent)
    : EditorPanel(QStringLiteral("G"), session, parent),
      prompts_(prompts),
      inner_(new QWidget(this)),
      innerFrame_(this, QStringLiteral("linG")) {
    inner_->setObjectName(QStringLiteral("pictGG"));
    SetTitle(tr("Individual Directory Entry"));

    chkGEnable_ = new QCheckBox(tr("Add"), inner_);
    chkGEnable_->setObjectName(QStringLiteral("chkGEnable"));
    chkGDelete_ = new QCheckBox(tr("Delete"), inner_);
    chkGDelete_->setObjectName(QStringLiteral("chkGDelete"));
    txtGPosi_ = new QLineEdit(inner_);
    txtGPosi_->setObjectName(QStringLiteral("txtGPosi"));
    txtGPosi_->setValidator(new TypingLimit(kStationNameLength, txtGPosi_));
    txtGMMSI_ = new DigitEntry(QStringLiteral("txtGMMSI"), 9, tr("Indivisual Directory MMSI"),
                               prompts, inner_);
    txtGMMSI_->SetTarget([this]() -> std::string* {
        return slot_ >= 1 ? &session_.config.Dir(slot_).Mmsid : nullptr;
    });
    lblTag_ = new QLabel(tr("Station Name"), inner_);
    lblTag_->setObjectName(QStringLiteral("lblTag"));
    lblTag_->setBuddy(txtGPosi_);
    lblMmsi_ = new QLabel(tr("MMSI"), inner_);
    lblMmsi_->setObjectName(QStringLiteral("lblMmsi"));
    lblMmsi_->setBuddy(txtGMMSI_);
    chkGEnable_->setAccessibleName(chkGEnable_->text());
    chkGDelete_->setAccessibleName(chkGDelete_->text());
    txtGPosi_->setAccessibleName(lblTag_->text());
    txtGMMSI_->setAccessibleName(lblMmsi_->text());
    FitFieldWidth(txtGPosi_, QLatin1Char('W'), kStationNameLength);
    FitFieldWidth(txtGMMSI_, QLatin1Char('0'), 9);

    const std::pair<QWidget*, QString> hints[] = {
        {chkGEnable_, SettingsPanel::tr(SettingsPanel::kCheckHint)},
        {chkGDelete_, SettingsPanel::tr(SettingsPanel::kCheckHint)},
        {txtGPosi_, tr(kStationNameHint)},
        {txtGMMSI_, tr("Numeric Only. Indispensable 9 figures.")},
    };
    for (const auto& [control, hint] : hints)
        SetStatusHint(control, hint);

    auto* grid = new QGridLayout(inner_);
    grid->setContentsMargins(12, 8, 12, 8);
    grid->setHorizontalSpacing(10);
    grid->addWidget(chkGEnable_, 0, 0);
    grid->addWidget(chkGDelete_, 0, 1);
    grid->addWidget(lblTag_, 1, 0);
    grid->addWidget(txtGPosi_, 1, 1);
    grid->addWidget(lblMmsi_, 2, 0);
    grid->addWidget(txtGMMSI_, 2, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
    setTabOrder(chkGEnable_, chkGDelete_);
    setTabOrder(chkGDelete_, txtGPosi_);
    setTabOrder(txtGPosi_, txtGMMSI_);

    connect(chkGEnable_, &QCheckBox::clicked, this, &DirectoryEntryPanel::Add);
    connect(chkGDelete_, &QCheckBox::clicked, this, &DirectoryEntryPanel::Delete);
    connect(txtGPosi_, &QLineEdit::textEdited, this, &DirectoryEntryPanel::StationNameEdited);
    connect(txtGMMSI_, &QLineEdit::textChanged, this, &EditorPanel::statusNoteChanged);
    Clear();
    WatchUserEdits();  // after the panel's own handlers have stored the change
}

void DirectoryEntryPanel::Clear() {
    slot_ = 0;
    chkGEnable_->setChecked(false);
    txtGPosi_->clear();
    txtGMMSI_->Load({});
}

void DirectoryEntryPanel::ShowDirectoryEntry(const nodes::NodeKey& key) {
    if (key.View() != nodes::NodeView::DirectoryEntry) return;
    const int slot = *key.index;
    if (slot < 1 || slot > kDirectoryCount) return;
    LoadSlot(slot);
}

void DirectoryEntryPanel::LoadSlot(int slot) {
    FlagGuard updating(session_.UpdatingControls);
    slot_ = slot;
    SetTitle(QStringLiteral("MemoryID%1").arg(slot));
    const DirectoryEntry& e = session_.config.Dir(slot);
    TypingLimit::ShowStored(txtGPosi_, FromLatin1(e.TagName));
    txtGMMSI_->Load(e.Mmsid);
    const SlotState state = DirectorySlotState(session_.config, slot);
    const bool used = state == SlotState::Used;
    chkGEnable_->setChecked(used);
    chkGEnable_->setEnabled(state == SlotState::NextFree);
    chkGDelete_->setChecked(!used);
    chkGDelete_->setEnabled(used);
    for (QWidget* w : {static_cast<QWidget*>(txtGPosi_), static_cast<QWidget*>(lblTag_),
                       static_cast<QWidget*>(txtGMMSI_), static_cast<QWidget*>(lblMmsi_)}) {
        w->setEnabled(used);
    }
    emit directoryChanged();
}

void DirectoryEntryPanel::Add(bool checked) {
    if (session_.UpdatingControls || !isEnabled() || slot_ < 1) return;
    if (!checked) return;
    // Only the slot after the used ones can be added: the used entries stay unbroken.
    if (DirectorySlotState(session_.config, slot_) != SlotState::NextFree) {
        LoadSlot(slot_);
        return;
    }
    session_.config.Dir(slot_).Enable = true;
    LoadSlot(slot_);
    txtGPosi_->setFocus(Qt::OtherFocusReason);  // the name is what the user gives next
}

void DirectoryEntryPanel::Delete(bool checked) {
    if (session_.UpdatingControls || !isEnabled() || slot_ < 1) return;
    (void)checked;
    bool deleted = false;
    {
        FlagGuard updating(session_.UpdatingControls);
        if (prompts_.Message(this, tr("Are you sure ?"), ProductTitle(), Prompts::Icon::Critical,
                             Prompts::Buttons::YesNo) == Prompts::Answer::Yes) {
            DeleteDirectoryEntry(session_.config, slot_);
            deleted = true;
        } else {
            chkGDelete_->setChecked(false);
        }
    }
    if (!deleted) return;
    LoadSlot(slot_);
    // The focus stays on the box that acts on this slot now.
    if (chkGDelete_->isEnabled()) {
        chkGDelete_->setFocus(Qt::OtherFocusReason);
    } else if (chkGEnable_->isEnabled()) {
        chkGEnable_->setFocus(Qt::OtherFocusReason);
    }
}

void DirectoryEntryPanel::StationNameEdited(const QString& text) {
    const QString name = StationName(text);
    if (name != text) {
        const int cursor = txtGPosi_->cursorPosition();
        txtGPosi_->setText(name);
        txtGPosi_->setCursorPosition(std::min(cursor, static_cast<int>(name.size())));
    }
    if (session_.UpdatingControls || slot_ < 1) return;
    // Stored at every change, so that a name being typed is never lost to a command.
    session_.config.Dir(slot_).TagName = ToLatin1(name);
}

EditorPanel::Note DirectoryEntryPanel::StatusNote() const {
    return DirectoryMmsiStatus(txtGMMSI_->text());
}

bool DirectoryEntryPanel::ValidatePendingEdit() {
    if (txtGMMSI_->hasFocus()) return txtGMMSI_->Validate();
    return true;
}

bool DirectoryEntryPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (watched == txtGPosi_ && reason == Qt::MouseFocusReason) {
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, txtGPosi_, [this] {
                if (txtGPosi_->hasFocus()) txtGPosi_->selectAll();
            });
        } else if (watched == txtGPosi_ && reason != Qt::ActiveWindowFocusReason &&
                   reason != Qt::PopupFocusReason) {
            txtGPosi_->selectAll();
        }
    }
    return EditorPanel::eventFilter(watched, event);
}

void DirectoryEntryPanel::resizeEvent(QResizeEvent* event) {
    EditorPanel::resizeEvent(event);
    PlaceInnerPanel(inner_, innerFrame_, event->size().width(), kInnerTop, kInnerHeight);
}

}  // namespace rse
