#include "ui/frm_main.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "editing/node_keys.h"
#include "image/codec.h"
#include "model/channel_plans.h"
#include "qt/latin1.h"
#include "qt/settings_store.h"
#include "qt/translations.h"
#include "ui/app_icon.h"
#include "ui/busy_guard.h"
#include "ui/dialogs/connection_check_dialog.h"
#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/help_browser.h"
#include "ui/dialogs/serial_devices_dialog.h"
#include "ui/edit_commands.h"
#include "ui/editor_status_bar.h"
#include "ui/exchange_commands.h"
#include "ui/file_commands.h"
#include "ui/font_units.h"
#include "ui/help_contexts.h"
#include "ui/language_menu.h"
#include "ui/panels/channel_list_panel.h"
#include "ui/panels/channel_panel.h"
#include "ui/panels/directory_entry_panel.h"
#include "ui/panels/directory_list_panel.h"
#include "ui/panels/settings_panel.h"
#include "ui/prompts.h"
#include "ui/safety_commands.h"
#include "ui/widgets/list_wheel_guard.h"
#include "ui/widgets/splitter_grip.h"

namespace rse {

FrmMain::FrmMain(EditorSession& session, SettingsStore& settings, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), session_(session), settings_(settings), prompts_(prompts) {
    setObjectName(QStringLiteral("frmMain"));
    ListWheelGuard::Install(this);
    setWindowIcon(AppIcon());
    ApplyMinimumSize();

    newTimer_ = new QTimer(this);
    newTimer_->setObjectName(QStringLiteral("Timer1"));
    newTimer_->setSingleShot(true);
    connect(newTimer_, &QTimer::timeout, this, &FrmMain::OnNewTimer);

    CreateCentralArea();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    help_ = new HelpBrowser(prompts_, this);
    help_->setWindowFlag(Qt::Window);
    files_ = std::make_unique<FileCommands>(*this, session_, prompts_);
    exchange_ = std::make_unique<ExchangeCommands>(*this, session_, prompts_);
    edit_ = std::make_unique<EditCommands>(*this, session_);
    safety_ = std::make_unique<SafetyCommands>(*this, session_, settings_, prompts_);
    language_ = std::make_unique<LanguageMenu>(*this, settings_, prompts_);
    hexFileSave = [this] { files_->SaveImageFileCommand(); };
    hexFileLoad = [this] { return files_->LoadImageFileCommand(); };
    transferDialog = [this](TransferMode mode) {
        FrmRadio dialog(session_, prompts_, mode, settings_.DevicePath(session_.ComNum), this);
        dialog.showHelp = [this] { HelpContents(); };
        dialog.checkConnection = [this] { CheckConnection(); };
        safety_->Prepare(dialog, settings_.DevicePath(session_.ComNum));
        dialog.exec();
        return dialog.Outcome();
    };

    // The window sees every key before the focused control.
    qApp->installEventFilter(this);

    LoadSequence();
}

FrmMain::~FrmMain() {
    qApp->removeEventFilter(this);
}

// ---------------------------------------------------------------------------------------
// Construction

void FrmMain::CreateCentralArea() {
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("centralArea"));
    setCentralWidget(central_);

    tree_ = new NavigationTree(session_.config, central_);
    connect(tree_, &NavigationTree::showNode, this, &FrmMain::ShowNode);
    connect(tree_, &NavigationTree::statusHint, this,
            [this](const QString& text) { SetStatusText(StatusPanel::KeyHint, text); });

    grip_ = new SplitterGrip(central_);
    connect(grip_, &SplitterGrip::dropped, this, &FrmMain::SizeControls2);

    panelArea_ = new PanelArea(session_, prompts_, tree_, central_);
    connect(panelArea_, &PanelArea::statusHint, this,
            [this](const QString& text) { SetStatusText(StatusPanel::KeyHint, text); });
    dataFrame_ = new FrameLines(central_, QStringLiteral("lin"));
    connect(panelArea_->Settings(), &SettingsPanel::clearRequested, this, &FrmMain::ClearData);
    connect(panelArea_->DirectoryList(), &DirectoryListPanel::jumpRequested, this,
            [this](const nodes::NodeKey& key) {
                if (tree_->SelectedKey().branch != nodes::Branch::Directory) return;
                if (QTreeWidgetItem* node = tree_->NodeByKey(key))
                    tree_->setCurrentItem(node);  // as a click
            });
    connect(panelArea_->DirectoryEntry(), &DirectoryEntryPanel::directoryChanged, tree_,
            &NavigationTree::ShadeDirectoryNodes);
    connect(panelArea_->ChannelList(), &ChannelListPanel::jumpRequested, this,
            [this](const nodes::NodeKey& key) {
                if (QTreeWidgetItem* node = tree_->NodeByKey(key))
                    tree_->setCurrentItem(node);  // as a click
            });
    // The node of a channel whose Enable flag the user changed shows the new mark.
    connect(panelArea_->Channel(), &ChannelPanel::enableStored, tree_,
            &NavigationTree::RetitleNodes);
}

void FrmMain::CreateMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& text,
                         void (FrmMain::*slot)(), const QKeySequence& shortcut = {}) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty()) a->setShortcut(shortcut);
        if (slot) connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    action(file, "mnuFileNew", tr("&New"), &FrmMain::FileNew, QKeySequence::New);
    action(file, "mnuFileOpen", tr("&Open"), &FrmMain::FileOpen, QKeySequence::Open);
    separator(file, "mnuFileBar1");
    action(file, "mnuFileSave", tr("&Save"), &FrmMain::FileSave, QKeySequence::Save);
    action(file, "mnuFileSaveAs", tr("Save &As..."), &FrmMain::FileSaveAs);
    action(file, "mnuFileSaveAsDefault", tr("Save As &Default"),
           &FrmMain::FileSaveAsDefault)
        ->setEnabled(false);  // reached through the toolbar only
    separator(file, "mnuFileBar2");
    action(file, "mnuFilePrint", tr("&Print"), &FrmMain::FilePrint, QKeySequence::Print);
    action(file, "mnuFilePrintToFile", tr("P&rint to File"), &FrmMain::FilePrintToFile);
    separator(file, "mnuFileBar3");
    action(file, "mnuFileExit", tr("E&xit"), &FrmMain::FileExit,
           QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Undo and Redo come first (EditCommands); the Model submenu is switched off: the editor
    // supports one radio model only.
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QMenu* model = edit->addMenu(tr("&Model"));
    model->setObjectName(QStringLiteral("mnuEditModel"));
    action(model, "mnuEditModel5800", QStringLiteral("&VH5800M"), nullptr);
    action(model, "mnuEditModel3600", QStringLiteral("V&H3600M"), nullptr);
    model->setEnabled(false);  // as a widget: enabling the window again keeps it off

    QMenu* transfer = menuBar()->addMenu(tr("&Transfer"));
    transfer->setObjectName(QStringLiteral("mnuTransfer"));
    action(transfer, "mnuTransferProgram", tr("&Program to Radio"), &FrmMain::TransferProgram);
    action(transfer, "mnuTransferRead", tr("&Read from Radio"), &FrmMain::TransferRead);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    QMenu* serial = options->addMenu(tr("&SerialPort"));
    serial->setObjectName(QStringLiteral("mnuOptionsSerialPort"));
    for (int i = 0; i < kComPortCount; ++i) {
        QAction* a = serial->addAction(QString());
        a->setObjectName(QStringLiteral("mnuOptionsSerialPort1"));
        a->setProperty("index", i);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] { ChooseSerialPort(i); });
        serialPort_[static_cast<std::size_t>(i)] = a;
    }
    separator(serial, "mnuOptionsSerialBar");
    action(serial, "mnuOptionsSerialDevices", tr("&Device Paths..."), &FrmMain::EditSerialDevices);
    action(serial, "mnuOptionsSerialCheck", tr("&Check Connection..."), &FrmMain::CheckConnection);
    RefreshSerialPortCaptions();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    action(help, "mnuHelpContents", tr("&Contents"), &FrmMain::HelpContents);
    separator(help, "mnuHelpBar0");
    action(help, "mnuHelpAbout", tr("&About RSE Version"), &FrmMain::HelpAbout);
}

void FrmMain::CreateToolBar() {
    toolBar_ = addToolBar(tr("Tools"));
    toolBar_->setObjectName(QStringLiteral("tbToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->setIconSize(QSize(16, 16));  // keeps the bar within the 550 twips the layout allows
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    struct Button {
        const char* key;
        const char* text;
        QIcon icon;
        void (FrmMain::*command)();
    };
    QStyle* s = style();
    const Button buttons[] = {
        {"New", QT_TR_NOOP("New"), s->standardIcon(QStyle::SP_FileIcon), &FrmMain::FileNew},
        {"Open", QT_TR_NOOP("Open..."), s->standardIcon(QStyle::SP_DirOpenIcon),
         &FrmMain::FileOpen},
        {"Save", QT_TR_NOOP("Save"), s->standardIcon(QStyle::SP_DialogSaveButton),
         &FrmMain::FileSave},
        {"SaveAsDefault", QT_TR_NOOP("Save As Default"), QIcon(), &FrmMain::FileSaveAsDefault},
        {"Print", QT_TR_NOOP("Print"), PrintIcon(), &FrmMain::FilePrint},
        {"Program", QT_TR_NOOP("Program to Radio"), QIcon(), &FrmMain::TransferProgram},
        {"Read", QT_TR_NOOP("Read from Radio"), QIcon(), &FrmMain::TransferRead},
    };
    for (const Button& b : buttons) {
        QAction* a = toolBar_->addAction(b.icon, tr(b.text));
        a->setObjectName(QStringLiteral("tb") + QLatin1String(b.key));
        a->setProperty("key", QLatin1String(b.key));
        a->setToolTip(tr(b.text));
        connect(a, &QAction::triggered, this, b.command);
    }
}

void FrmMain::CreateStatusBar() {
    statusBar_ = new EditorStatusBar(this);
    setStatusBar(statusBar_);
    connect(panelArea_, &PanelArea::statusNote, statusBar_, &EditorStatusBar::ShowNote);
}

// ---------------------------------------------------------------------------------------
// Start-up and exit

void FrmMain::LoadSequence() {
    BusyGuard busy(this);
    session_.ComNum = settings_.ReadComNum();
    session_.LinkRetries = 1;
    ChooseSerialPort(session_.ComNum - 1);
    grip_->SetPosition(layout::kSplitterMin);
    resize(minimumSize());  // the size the window starts with
    Plans();                // the five channel plans, built once
    InitialiseConfiguration();
    SetHelpContexts();
}

void FrmMain::closeEvent(QCloseEvent* event) {
    // Close the other windows, the most recent first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != this && (*it)->isVisible()) (*it)->close();
    }
    if (!isMinimized()) {
        const QRect frame = frameGeometry();
        const auto tw = [](int px) { return static_cast<float>(layout::ToTwips(px)); };
        settings_.StoreGeometry(tw(frame.x()), tw(frame.y()), tw(frame.width()),
                                tw(frame.height()));
    }
    event->accept();
}

// ---------------------------------------------------------------------------------------
// Configuration and panels

void FrmMain::InitialiseConfiguration() {
    FlagGuard updating(session_.UpdatingControls);
    rse::InitialiseConfiguration(session_.config, session_.image);
    panelArea_->ResetAllPanels();
    panelArea_->DisableAllPanels();
    tree_->BuildTree();
    SetStatusText(StatusPanel::KeyHint, QString());
    SetStatusText(StatusPanel::Model, QLatin1String(kModelName));
    tree_->SelectNodeByKey({nodes::Branch::Setting});
    session_.CurrentFileName.clear();
    UpdateCaption();
    safety_->TakeSnapshot();
    session_.history.Restart();
}

void FrmMain::ResetAllPanels() {
    panelArea_->ResetAllPanels();
}

bool FrmMain::ValidatePendingEdit() {
    return panelArea_->ValidatePendingEdit();
}

// ---------------------------------------------------------------------------------------
// The node the tree asks for

void FrmMain::ShowNode(const nodes::NodeKey& key) {
    if (isMinimized()) return;
    try {
        panelArea_->ShowNode(key);
    } catch (const std::exception& e) {
        // The window stays as it was; the user and the error log learn why.
        const QString reason = QString::fromLocal8Bit(e.what());
        session_.WriteErrorLog(QStringLiteral("frmMain.ShowNode"),
                               FromLatin1(key.Text()) + QStringLiteral(": ") + reason);
        const QTreeWidgetItem* node = tree_->NodeByKey(key);
        prompts_.Message(this,
                         tr("\"%1\" could not be shown.\n\n%2")
                             .arg(node ? node->text(0) : FromLatin1(key.Text()), reason),
                         windowTitle(), Prompts::Icon::Exclamation);
    }
    emit nodeShown(key);
}

// ---------------------------------------------------------------------------------------
// Caption, status bar and help

void FrmMain::UpdateCaption() {
    QString caption = QStringLiteral("%1 %2").arg(QLatin1String(kModelName), ProductTitle());
    if (!session_.CurrentFileName.isEmpty()) {
        caption += QStringLiteral(" - ") + QFileInfo(session_.CurrentFileName).fileName().toLower();
    }
    setWindowTitle(caption);
}

void FrmMain::ShowStatusHint(const QString& text) {
    SetStatusText(StatusPanel::KeyHint, text);
}

void FrmMain::SetStatusText(StatusPanel panel, const QString& text) {
    statusBar_->SetText(panel, text);
}

QString FrmMain::StatusText(StatusPanel panel) const {
    return statusBar_->Text(panel);
}

void FrmMain::SetHelpContexts() {
    AssignHelpContexts(this);
    help_->SetHelpFile(QLatin1String(kModelName) + QStringLiteral(".hlp"));
}

void FrmMain::HelpContents() {
    help_->ShowContents(this);
}

void FrmMain::ShowContextHelp(QWidget* focus) {
    help_->ShowContextHelp(this, HelpContextOf(focus));
}

void FrmMain::HelpAbout() {
    FrmAbout about(this);
    about.exec();
}

// ---------------------------------------------------------------------------------------
// Commands

void FrmMain::FileNew() {
    if (!ValidatePendingEdit()) return;
    newTimer_->start(kNewDelayMs);
}

void FrmMain::OnNewTimer() {
    newTimer_->stop();
    BusyGuard busy(this);
    safety_->KeepEdits(safety_->CurrentText(), QStringLiteral("New"));
    InitialiseConfiguration();
    tree_->RefreshSelection();
}

void FrmMain::FileOpen() {
    if (!ValidatePendingEdit()) return;
    files_->Open();
}

void FrmMain::FileSave() {
    if (!ValidatePendingEdit()) return;
    files_->SaveConfiguration(FileCommands::SaveTo::CurrentFile);
}

void FrmMain::FileSaveAs() {
    if (!ValidatePendingEdit()) return;
    files_->SaveConfiguration(FileCommands::SaveTo::ChosenFile);
}

void FrmMain::FileSaveAsDefault() {
    if (!ValidatePendingEdit()) return;
    files_->SaveDefault();
}

void FrmMain::FilePrint() {
    if (!ValidatePendingEdit()) return;
    files_->Print();
}

void FrmMain::FilePrintToFile() {
    files_->PrintToFile();
}

void FrmMain::FileExit() {
    close();
}

void FrmMain::TransferProgram() {
    if (!ValidatePendingEdit()) return;
    statusBar_->NoteUserMmsiKind(session_.config.SETCOM.UserMmsid);
    if (transferDialog) transferDialog(TransferMode::Program);
}

void FrmMain::TransferRead() {
    if (!ValidatePendingEdit()) return;
    if (!transferDialog || !transferDialog(TransferMode::Read).Succeeded()) return;
    session_.history.Restart();
    tree_->RefreshSelection();
    tree_->RetitleNodes();
    session_.CurrentFileName.clear();
    UpdateCaption();
}

void FrmMain::ClearData() {
    if (!ValidatePendingEdit()) return;
    if (!transferDialog) return;
    // The settings panel shows the new count.
    if (transferDialog(TransferMode::Clear).Succeeded()) tree_->RefreshSelection();
}

void FrmMain::SaveHexFile() {
    if (!session_.DebugMode) return;
    if (!ValidatePendingEdit()) return;
    if (hexFileSave) hexFileSave();
}

void FrmMain::LoadHexFile() {
    // Loading replaces everything, so a half-typed number does not stop it.
    if (!session_.DebugMode) return;
    if (hexFileLoad && hexFileLoad()) {
        tree_->RefreshSelection();
        tree_->RetitleNodes();
        UpdateCaption();
    }
}

void FrmMain::ChooseSerialPort(int index) {
    session_.ComNum = static_cast<std::int16_t>(index + 1);
    for (int i = 0; i < kComPortCount; ++i)
        serialPort_[static_cast<std::size_t>(i)]->setChecked(i == index);
    settings_.StoreComNum(session_.ComNum);
}

void FrmMain::RefreshSerialPortCaptions() {
    for (int i = 0; i < kComPortCount; ++i) {
        // The text after the tab shows at the right of the entry.
        serialPort_[static_cast<std::size_t>(i)]->setText(
            QStringLiteral("COM&%1\t%2").arg(i + 1).arg(settings_.DevicePath(i + 1)));
    }
}

void FrmMain::EditSerialDevices() {
    SerialDevicesDialog dialog(settings_, this);
    if (dialog.exec() == QDialog::Accepted) RefreshSerialPortCaptions();
}

void FrmMain::CheckConnection() {
    const int com = session_.ComNum >= 1 && session_.ComNum <= kComPortCount ? session_.ComNum : 1;
    // Above the transfer dialog when a failed transfer offers the check.
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    ConnectionCheckDialog dialog(settings_.DevicePath(com), QStringLiteral("COM%1").arg(com),
                                 session_.SkipReceive, parent);
    dialog.Start();
    dialog.exec();
}

// ---------------------------------------------------------------------------------------
// Keyboard

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* target = static_cast<QWidget*>(watched);
        if (target->window() == this) return HandleKey(target, static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool FrmMain::HandleKey(QWidget* target, QKeyEvent* key) {
    if (edit_->HandleKey(target, key)) return true;
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // Enter never reaches a control; a panel may use it (the grids jump to a row).
            EditorPanel* front = panelArea_->FrontPanel();
            if (front && front->isEnabled() && front->isAncestorOf(target)) {
                front->HandleEnterKey(target);
            }
            return true;
        }
        case Qt::Key_F1:
            if (mods == Qt::NoModifier) {
                ShowContextHelp(target);
                return true;
            }
            return false;
        case Qt::Key_F2:
            if (mods != Qt::ControlModifier) return false;
            LoadHexFile();
            return true;
        case Qt::Key_F3:
            if (mods != Qt::ControlModifier) return false;
            SaveHexFile();
            return true;
        default:
            return false;
    }
}

// ---------------------------------------------------------------------------------------
// Layout

layout::FontUnits FrmMain::Units() const {
    return UnitsOf(font());
}

void FrmMain::ApplyMinimumSize() {
    // The window starts at and never gets smaller than 607 x 444 pixels of the design.
    const layout::FontUnits units = Units();
    setMinimumSize(units.X(layout::kMinWidth), units.Y(layout::kMinHeight));
}

layout::WindowMetrics FrmMain::Metrics() const {
    const layout::FontUnits units = Units();
    layout::WindowMetrics m;
    m.width = units.TwipsX(width());
    const int menu = menuBar()->isHidden() ? 0 : menuBar()->height();
    m.innerHeight = units.TwipsY(height() - menu);
    m.toolbarVisible = !toolBar_->isHidden();
    m.toolbarHeight = units.TwipsY(toolBar_->height());
    m.statusVisible = !statusBar()->isHidden();
    m.statusHeight = units.TwipsY(statusBar()->height());
    return m;
}

void FrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // The desktop's font changed: the design follows it.
        ApplyMinimumSize();
        SizeControls(layout::SplitterAfterResize(Metrics().width));
    }
}

void FrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The minimum size keeps the window at least 9105 x 6660 twips of the design.
    SizeControls(layout::SplitterAfterResize(Metrics().width));
    statusBar_->FitNote();
}

void FrmMain::SizeControls(int x) {
    SizeControls2(layout::ClampSplitter(x, Metrics().width));
}

void FrmMain::SizeControls2(int x) {
    grip_->SetPosition(x);
    const layout::FontUnits units = Units();
    const layout::WindowMetrics m = Metrics();
    const layout::MainLayout l = layout::LayOut(m, x);
    // Layout coordinates start below the menu bar; the central area starts below the toolbar.
    const int menu = menuBar()->isHidden() ? 0 : menuBar()->height();
    const int offset = units.TwipsY(central_->y() - menu);
    const auto place = [&](QWidget* w, layout::Rect r, int dy) {
        r.top -= dy;
        const layout::Rect px = units.Pixels(r);
        w->setGeometry(px.left, px.top, std::max(0, px.width), std::max(0, px.height));
    };
    place(tree_, l.tree, offset);
    place(grip_, l.grip, offset);
    place(panelArea_, l.panelArea, offset);
    layout::Frame frame = l.dataFrame;
    for (layout::Line* line : {&frame.top, &frame.bottom, &frame.left, &frame.right}) {
        line->y1 -= offset;
        line->y2 -= offset;
    }
    dataFrame_->Place(frame, units);
    for (QObject* child : panelArea_->children()) {
        if (auto* panel = qobject_cast<EditorPanel*>(child)) place(panel, l.panel, 0);
    }
}

int FrmMain::SplitterPosition() const {
    return grip_->Position();
}

}  // namespace rse
