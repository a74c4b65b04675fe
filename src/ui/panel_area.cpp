#include "ui/panel_area.h"

#include <QApplication>

#include "editing/node_keys.h"
#include "ui/editor_session.h"
#include "ui/panels/channel_list_panel.h"
#include "ui/panels/channel_panel.h"
#include "ui/panels/directory_entry_panel.h"
#include "ui/panels/directory_list_panel.h"
#include "ui/panels/priority_panel.h"
#include "ui/panels/settings_panel.h"
#include "ui/panels/wx_panel.h"

namespace rse {

PanelArea::PanelArea(EditorSession& session, Prompts& prompts, QWidget* focusHome, QWidget* parent)
    : QWidget(parent),
      focusHome_(focusHome),
      priorityPanel_(new PriorityPanel(session, this)),
      channelListPanel_(new ChannelListPanel(session, this)),
      channelPanel_(new ChannelPanel(session, this)),
      wxPanel_(new WxPanel(session, this)),
      directoryListPanel_(new DirectoryListPanel(session, prompts, this)),
      settingsPanel_(new SettingsPanel(session, prompts, this)),
      directoryEntryPanel_(new DirectoryEntryPanel(session, prompts, this)) {
    setObjectName(QStringLiteral("pictData"));
    for (EditorPanel* panel : Panels()) {
        connect(panel, &EditorPanel::statusHint, this, &PanelArea::statusHint);
        connect(panel, &EditorPanel::edited, this, &PanelArea::edited);
        connect(panel, &EditorPanel::statusNoteChanged, this, [this, panel] {
            if (panel == front_) EmitStatusNote();
        });
    }
}

void PanelArea::EmitStatusNote() {
    const EditorPanel::Note note = front_ ? front_->StatusNote() : EditorPanel::Note{};
    emit statusNote(note.text, note.warning);
}

std::array<EditorPanel*, 7> PanelArea::Panels() const {
    return {priorityPanel_,      channelListPanel_, channelPanel_,       wxPanel_,
            directoryListPanel_, settingsPanel_,    directoryEntryPanel_};
}

void PanelArea::ShowNode(const QString& key) {
    const std::string k = key.toStdString();
    switch (nodes::ViewOfKey(k)) {
        case nodes::NodeView::Priority:
            priorityPanel_->ShowPriorityPanel();
            Present(priorityPanel_);
            break;
        case nodes::NodeView::PlanList:
            channelListPanel_->ShowPlanBankList(*nodes::PlanBankOfKey(k));
            Present(channelListPanel_);
            break;
        case nodes::NodeView::PlanChannel:
            channelPanel_->ShowPlanChannel(key);
            Present(channelPanel_);
            break;
        case nodes::NodeView::Wx:
            wxPanel_->ShowWxPanel();
            Present(wxPanel_);
            break;
        case nodes::NodeView::ExpList:
            channelListPanel_->ShowExpBankList();
            Present(channelListPanel_);
            break;
        case nodes::NodeView::ExpChannel:
            channelPanel_->ShowExpChannel(key);
            Present(channelPanel_);
            break;
        case nodes::NodeView::Settings:
            settingsPanel_->ShowSettingsPanel();
            Present(settingsPanel_);
            break;
        case nodes::NodeView::DirectoryList:
            directoryListPanel_->ShowDirectoryList();
            Present(directoryListPanel_);
            break;
        case nodes::NodeView::DirectoryEntry:
            directoryEntryPanel_->ShowDirectoryEntry(key);
            Present(directoryEntryPanel_);
            break;
        case nodes::NodeView::None:
            break;
    }
}

void PanelArea::ResetAllPanels() {
    for (EditorPanel* panel : Panels())
        panel->Clear();
}

void PanelArea::DisableAllPanels() {
    // Moving the focus out of a panel first keeps it from landing in another panel.
    if (QWidget* focus = QApplication::focusWidget(); focus && isAncestorOf(focus)) {
        focusHome_->setFocus();
    }
    for (EditorPanel* panel : Panels())
        panel->setEnabled(false);
}

void PanelArea::Present(EditorPanel* panel) {
    DisableAllPanels();
    panel->raise();
    panel->setEnabled(true);
    front_ = panel;
    EmitStatusNote();
}

bool PanelArea::ValidatePendingEdit() {
    if (directoryEntryPanel_->isEnabled()) return directoryEntryPanel_->ValidatePendingEdit();
    if (settingsPanel_->isEnabled()) return settingsPanel_->ValidatePendingEdit();
    return true;
}

}  // namespace rse
