// `pictData`: the area right of the tree holding the seven editor panels. It loads the panel
// of a tree node and brings it to the front, the only panel enabled.
#pragma once

#include <array>

#include <QString>
#include <QWidget>

namespace rse {

struct EditorSession;
class ChannelListPanel;
class ChannelPanel;
class DirectoryEntryPanel;
class DirectoryListPanel;
class EditorPanel;
class PriorityPanel;
class Prompts;
class SettingsPanel;
class WxPanel;

class PanelArea : public QWidget {
    Q_OBJECT

  public:
    // The focus moves to `focusHome` when the panel holding it is disabled.
    PanelArea(EditorSession& session, Prompts& prompts, QWidget* focusHome, QWidget* parent);

    // Loads the panel of the node with this key and presents it; nothing for a key without
    // a panel. What a panel's loading throws reaches the caller.
    void ShowNode(const QString& key);
    void ResetAllPanels();
    void DisableAllPanels();
    // False when a half-typed number in the front panel was refused.
    bool ValidatePendingEdit();

    EditorPanel* FrontPanel() const { return front_; }
    ChannelListPanel* ChannelList() const { return channelListPanel_; }
    ChannelPanel* Channel() const { return channelPanel_; }
    DirectoryListPanel* DirectoryList() const { return directoryListPanel_; }
    SettingsPanel* Settings() const { return settingsPanel_; }
    DirectoryEntryPanel* DirectoryEntry() const { return directoryEntryPanel_; }

  signals:
    // A panel's key hint for the status bar.
    void statusHint(const QString& text);
    // The front panel's note for the status bar (the kind of the MMSI it shows), and whether
    // it is a warning; an empty text for none.
    void statusNote(const QString& text, bool warning);
    // A panel's control may have stored a change: one step for Undo, called `name`.
    void edited(QWidget* control, const QString& name);

  private:
    // In the order of the panels' names, pictA to pictG.
    std::array<EditorPanel*, 7> Panels() const;
    void Present(EditorPanel* panel);
    void EmitStatusNote();

    QWidget* focusHome_;
    PriorityPanel* priorityPanel_;
    ChannelListPanel* channelListPanel_;
    ChannelPanel* channelPanel_;
    WxPanel* wxPanel_;
    DirectoryListPanel* directoryListPanel_;
    SettingsPanel* settingsPanel_;
    DirectoryEntryPanel* directoryEntryPanel_;
    EditorPanel* front_ = nullptr;
};

}  // namespace rse
