// `frmMain`: the main window. Navigation tree on the left, the editor panels on the right,
// menus, toolbar and status bar; it dispatches commands and the nodes the tree asks for to
// the panels.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QMainWindow>
#include <QString>

#include "layout/font_units.h"
#include "layout/window_layout.h"
#include "link/transfer_outcome.h"
#include "ui/dialogs/frm_radio.h"
#include "ui/editor_session.h"
#include "ui/editor_status_bar.h"
#include "ui/navigation_tree.h"
#include "ui/panel_area.h"
#include "ui/widgets/frame_lines.h"

class QAction;
class QLabel;
class QTimer;
class QToolBar;

namespace rse {

class EditCommands;
class ExchangeCommands;
class FileCommands;
class HelpBrowser;
class Prompts;
class SafetyCommands;
class LanguageMenu;
class SettingsStore;
class SplitterGrip;

class FrmMain : public QMainWindow {
    Q_OBJECT

  public:
    // Runs the load sequence: serial port choice, window size, New configuration, help.
    FrmMain(EditorSession& session, SettingsStore& settings, Prompts& prompts,
            QWidget* parent = nullptr);
    ~FrmMain() override;

    NavigationTree* Tree() const { return tree_; }

    // --- panels ---
    void InitialiseConfiguration();
    void ResetAllPanels();
    EditorPanel* FrontPanel() const { return panelArea_->FrontPanel(); }
    PanelArea* Panels() const { return panelArea_; }
    EditCommands& Edit() { return *edit_; }
    bool ValidatePendingEdit();

    // --- caption, status bar, help ---
    void UpdateCaption();
    QString StatusText(StatusPanel panel) const;
    // The status bar's first panel (a key hint, or what a command did).
    void ShowStatusHint(const QString& text);
    void SetHelpContexts();
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
    void TransferProgram();
    void TransferRead();
    // The Clear button of the settings panel: clears the radio's count of user MMSI entries.
    void ClearData();
    void RefreshSerialPortCaptions();
    void HelpContents();
    void HelpAbout();
    void ShowContextHelp(QWidget* focus);
    QAction* SerialPortAction(int index) const {
        return serialPort_[static_cast<std::size_t>(index)];
    }

    // Work that other parts of the program plug in. The transfer dialog runs modally for the
    // mode and returns how the transfer ended; the hex file load returns true when it
    // replaced the image and the model.
    std::function<TransferOutcome(TransferMode)> transferDialog;
    std::function<void()> hexFileSave;
    std::function<bool()> hexFileLoad;

    int SplitterPosition() const;

  signals:
    // A panel was loaded for the node with this key.
    void nodeShown(const rse::nodes::NodeKey& key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    static constexpr int kNewDelayMs = 100;

    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateCentralArea();
    void LoadSequence();
    void ApplyMinimumSize();
    void ShowNode(const nodes::NodeKey& key);
    void SetStatusText(StatusPanel panel, const QString& text);
    void OnNewTimer();
    bool HandleKey(QWidget* target, QKeyEvent* key);
    void ChooseSerialPort(int index);  // entry COM<index+1>
    void EditSerialDevices();
    // Options > SerialPort > Check Connection...: the connection check on the ticked entry.
    void CheckConnection();
    // Hidden commands of debug mode (Ctrl+F3, Ctrl+F2).
    void SaveHexFile();
    void LoadHexFile();

    // --- layout ---
    // The window's twips in pixels of its font.
    layout::FontUnits Units() const;
    layout::WindowMetrics Metrics() const;
    void SizeControls(int x);   // clamps
    void SizeControls2(int x);  // does not clamp

    EditorSession& session_;
    SettingsStore& settings_;
    Prompts& prompts_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<ExchangeCommands> exchange_;
    std::unique_ptr<SafetyCommands> safety_;
    std::unique_ptr<EditCommands> edit_;
    std::unique_ptr<LanguageMenu> language_;

    NavigationTree* tree_ = nullptr;
    QWidget* central_ = nullptr;
    PanelArea* panelArea_ = nullptr;
    SplitterGrip* grip_ = nullptr;
    FrameLines* dataFrame_ = nullptr;

    QToolBar* toolBar_ = nullptr;
    EditorStatusBar* statusBar_ = nullptr;
    std::array<QAction*, 4> serialPort_{};
    QTimer* newTimer_ = nullptr;
    HelpBrowser* help_ = nullptr;
};

}  // namespace rse
