// `frmMain`: the main window. Navigation tree on the left, the editor panels on the right,
// menus, toolbar and status bar; it dispatches commands and tree selections to the panels.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QMainWindow>
#include <QString>

#include "ui/editor_session.h"
#include "ui/main_layout.h"
#include "ui/widgets/frame_lines.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace rse {

class ChannelListPanel;
class ChannelPanel;
class DirectoryEntryPanel;
class DirectoryListPanel;
class EditorPanel;
class FileCommands;
class HelpBrowser;
class PriorityPanel;
class Prompts;
class SafetyCommands;
class SettingsPanel;
class SettingsStore;
class SplitterGrip;
class WxPanel;

class FrmMain : public QMainWindow {
    Q_OBJECT

  public:
    // The key hint shown while the tree has the focus.
    static inline const QString kTreeHint =
        QStringLiteral("[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");
    static constexpr int kNewDelayMs = 100;

    // Runs the load sequence: serial port choice, window size, New configuration, help.
    FrmMain(EditorSession& session, SettingsStore& settings, Prompts& prompts,
            QWidget* parent = nullptr);
    ~FrmMain() override;

    EditorSession& Session() { return session_; }

    // --- navigation tree ---
    void BuildTree();
    void ShowNode(QTreeWidgetItem* node);
    void RefreshSelection();
    void RetitleNodes();
    void ShadeDirectoryNodes();
    void SelectNodeByKey(const QString& key);
    QTreeWidgetItem* NodeByKey(const QString& key) const;
    QString KeyOf(const QTreeWidgetItem* node) const;
    QString SelectedKey() const;
    // Index of a node in the order the nodes were added, from 1; 0 for none.
    int IndexOf(const QTreeWidgetItem* node) const;
    int LastShownIndex() const { return lastShownIndex_; }
    QTreeWidget* Tree() const { return tree_; }

    // --- panels ---
    void InitialiseConfiguration();
    void ResetAllPanels();
    void DisableAllPanels();
    EditorPanel* FrontPanel() const { return front_; }
    PriorityPanel* PanelA() const { return pictA_; }
    ChannelListPanel* PanelB() const { return pictB_; }
    ChannelPanel* PanelC() const { return pictC_; }
    WxPanel* PanelD() const { return pictD_; }
    DirectoryListPanel* PanelE() const { return pictE_; }
    SettingsPanel* PanelF() const { return pictF_; }
    DirectoryEntryPanel* PanelG() const { return pictG_; }
    bool ValidatePendingEdit();

    // --- caption, status bar, help ---
    void UpdateCaption();
    void SetStatusText(int panel, const QString& text);  // panel 1..3
    QString StatusText(int panel) const;
    void SetHelpContexts();
    QString HelpFile() const { return helpFile_; }
    void SetHelpFile(const QString& name) { helpFile_ = name; }
    static int HelpContextOf(const QWidget* widget);
    // Control names and their context topic numbers.
    static std::vector<std::pair<QString, int>> HelpContextTable();
    HelpBrowser* Help() const { return help_; }
    FileCommands& Files() { return *files_; }
    SafetyCommands& Safety() { return *safety_; }

    // --- commands of the menus and the toolbar ---
    void FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void FileSaveAsDefault();
    void FilePrint();
    void FilePrintToFile();
    void FileExit();
    void FileBackups();
    void FileCompareWith();
    void TransferProgram();
    void TransferRead();
    // The Clear button of the settings panel: clears the radio's count of user MMSI entries.
    void ClearData();
    void ChooseSerialPort(int index);  // entry COM<index+1>
    void EditSerialDevices();
    void RefreshSerialPortCaptions();
    void HelpContents();
    void HelpAbout();
    void ShowContextHelp(QWidget* focus);
    // Hidden commands of debug mode (Ctrl+F3, Ctrl+F2).
    void SaveHexFile();
    void LoadHexFile();
    void RunToolbarButton(const QString& key);
    QAction* SerialPortAction(int index) const {
        return serialPort_[static_cast<std::size_t>(index)];
    }

    // Work that other parts of the program plug in. The transfer dialog shows itself modally
    // for the session's TransferMode and sets TransferResult; the hex file load returns true
    // when it replaced the image and the model.
    std::function<void()> transferDialog;
    std::function<void()> hexFileSave;
    std::function<bool()> hexFileLoad;

    // --- layout ---
    layout::WindowMetrics Metrics() const;
    void SizeControls(int x);   // clamps
    void SizeControls2(int x);  // does not clamp
    int SplitterPosition() const { return splitter_; }

  signals:
    // A panel was loaded for the node with this key.
    void nodeShown(const QString& key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateCentralArea();
    void LoadSequence();
    void NodeClick(QTreeWidgetItem* node);
    void PlainClick();
    void Present(EditorPanel* panel);
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& key, const QString& text);
    void OnNewTimer();
    void OnSplitterPressed(int x);
    void OnSplitterMoved(int x);
    void OnSplitterReleased(int x);
    bool HandleKey(QWidget* target, QKeyEvent* key);

    EditorSession& session_;
    SettingsStore& settings_;
    Prompts& prompts_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<SafetyCommands> safety_;

    QTreeWidget* tree_ = nullptr;
    std::vector<QTreeWidgetItem*> nodes_;  // in the order added; index = position + 1
    int lastShownIndex_ = -1;
    bool buildingTree_ = false;

    QWidget* central_ = nullptr;
    QWidget* pictData_ = nullptr;
    SplitterGrip* grip_ = nullptr;
    QWidget* bar_ = nullptr;  // `picSplitter`
    FrameLines* dataFrame_ = nullptr;
    PriorityPanel* pictA_ = nullptr;
    ChannelListPanel* pictB_ = nullptr;
    ChannelPanel* pictC_ = nullptr;
    WxPanel* pictD_ = nullptr;
    DirectoryListPanel* pictE_ = nullptr;
    SettingsPanel* pictF_ = nullptr;
    DirectoryEntryPanel* pictG_ = nullptr;
    EditorPanel* front_ = nullptr;

    QToolBar* toolBar_ = nullptr;
    std::array<QLabel*, 3> status_{};
    std::array<QAction*, 4> serialPort_{};
    QTimer* newTimer_ = nullptr;
    HelpBrowser* help_ = nullptr;
    QString helpFile_;

    int splitter_ = layout::kSplitterMin;
    bool moving_ = false;
    int barLeft_ = 0;
};

}  // namespace rse
