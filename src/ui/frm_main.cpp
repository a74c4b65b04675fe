#include "ui/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "image/codec.h"
#include "model/channel_plans.h"
#include "qt/settings_store.h"
#include "ui/app_icon.h"
#include "ui/busy_guard.h"
#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/frm_radio.h"
#include "ui/dialogs/help_browser.h"
#include "ui/dialogs/serial_devices_dialog.h"
#include "ui/file_commands.h"
#include "ui/help_contexts.h"
#include "ui/node_keys.h"
#include "ui/panels/channel_list_panel.h"
#include "ui/panels/channel_panel.h"
#include "ui/panels/directory_entry_panel.h"
#include "ui/panels/directory_list_panel.h"
#include "ui/panels/priority_panel.h"
#include "ui/panels/settings_panel.h"
#include "ui/panels/wx_panel.h"
#include "ui/prompts.h"
#include "ui/safety_commands.h"
#include "ui/widgets/splitter_grip.h"

namespace rse {

namespace {

constexpr int kKeyRole = Qt::UserRole;
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
QString Q(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<int>(s.size()));
}

}  // namespace

FrmMain::FrmMain(EditorSession& session, SettingsStore& settings, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), session_(session), settings_(settings), prompts_(prompts) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(AppIcon());
    setMinimumSize(layout::kStartWidthPx, layout::kStartHeightPx);

    newTimer_ = new QTimer(this);
    newTimer_->setObjectName(QStringLiteral("Timer1"));
    newTimer_->setSingleShot(true);
    connect(newTimer_, &QTimer::timeout, this, &FrmMain::OnNewTimer);

    safety_ = std::make_unique<SafetyCommands>(*this, session_, settings_, prompts_);
    CreateCentralArea();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    help_ = new HelpBrowser(this);
    help_->setWindowFlag(Qt::Window);
    files_ = std::make_unique<FileCommands>(*this, session_, prompts_);
    hexFileSave = [this] { files_->SaveImageFileCommand(); };
    hexFileLoad = [this] { return files_->LoadImageFileCommand(); };
    transferDialog = [this] {
        const QString device = settings_.DevicePath(session_.ComNum);
        FrmRadio dialog(session_, prompts_, device, this);
        dialog.showHelp = [this] { HelpContents(); };
        dialog.safetyNet = safety_->Net();
        dialog.keepBeforeProgram = [this, device](const MemoryImage& radio) {
            return safety_->KeepBeforeProgram(radio, device);
        };
        dialog.confirmProgram = [this](QWidget* parent, const MemoryImage& radio,
                                       const MemoryImage& image) {
            return safety_->ConfirmProgram(parent, radio, image);
        };
        dialog.exec();
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

    tree_ = new QTreeWidget(central_);
    tree_->setObjectName(QStringLiteral("tvTreeView"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->installEventFilter(this);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                if (!buildingTree_ && current) NodeClick(current);
            });
    connect(tree_, &QTreeWidget::itemClicked, this, [this] { PlainClick(); });
    connect(tree_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* branch) {
        if (buildingTree_) return;
        // The selection moves to the collapsed branch when it was inside it.
        for (QTreeWidgetItem* p = tree_->currentItem(); p; p = p->parent()) {
            if (p->parent() == branch) {
                tree_->setCurrentItem(branch);
                break;
            }
        }
        if (tree_->currentItem()) NodeClick(tree_->currentItem());
    });
    connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* branch) {
        if (KeyOf(branch) == Q(nodes::kDirectory)) ShadeDirectoryNodes();
    });

    grip_ = new SplitterGrip(central_);
    connect(grip_, &SplitterGrip::pressed, this, &FrmMain::OnSplitterPressed);
    connect(grip_, &SplitterGrip::moved, this, &FrmMain::OnSplitterMoved);
    connect(grip_, &SplitterGrip::released, this, &FrmMain::OnSplitterReleased);

    pictData_ = new QWidget(central_);
    pictData_->setObjectName(QStringLiteral("pictData"));
    dataFrame_ = new FrameLines(central_, QStringLiteral("lin"));

    pictA_ = new PriorityPanel(session_, pictData_);
    pictB_ = new ChannelListPanel(session_, pictData_);
    pictC_ = new ChannelPanel(session_, pictData_);
    pictD_ = new WxPanel(session_, pictData_);
    pictE_ = new DirectoryListPanel(session_, pictData_);
    pictF_ = new SettingsPanel(session_, prompts_, pictData_);
    pictG_ = new DirectoryEntryPanel(session_, prompts_, pictData_);
    for (EditorPanel* panel : {static_cast<EditorPanel*>(pictA_), static_cast<EditorPanel*>(pictB_),
                               static_cast<EditorPanel*>(pictC_), static_cast<EditorPanel*>(pictD_),
                               static_cast<EditorPanel*>(pictE_), static_cast<EditorPanel*>(pictF_),
                               static_cast<EditorPanel*>(pictG_)}) {
        connect(panel, &EditorPanel::statusHint, this,
                [this](const QString& text) { SetStatusText(1, text); });
    }
    connect(pictF_, &SettingsPanel::clearRequested, this, &FrmMain::ClearData);
    connect(pictE_, &DirectoryListPanel::jumpRequested, this, [this](const QString& key) {
        if (!SelectedKey().startsWith(Q(nodes::kDirectory))) return;
        if (QTreeWidgetItem* node = NodeByKey(key)) tree_->setCurrentItem(node);  // as a click
    });
    connect(pictG_, &DirectoryEntryPanel::directoryChanged, this, &FrmMain::ShadeDirectoryNodes);
    connect(pictB_, &ChannelListPanel::jumpRequested, this, [this](const QString& key) {
        if (QTreeWidgetItem* node = NodeByKey(key)) tree_->setCurrentItem(node);  // as a click
    });
    // The node of a channel whose Enable flag the user changed shows the new mark.
    connect(pictC_, &ChannelPanel::enableStored, this, &FrmMain::RetitleNodes);

    bar_ = new QWidget(central_);
    bar_->setObjectName(QStringLiteral("picSplitter"));
    bar_->setAutoFillBackground(true);
    bar_->setBackgroundRole(QPalette::Dark);
    bar_->hide();
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

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    action(file, "mnuFileNew", QStringLiteral("&New"), &FrmMain::FileNew, QKeySequence::New);
    action(file, "mnuFileOpen", QStringLiteral("&Open"), &FrmMain::FileOpen, QKeySequence::Open);
    separator(file, "mnuFileBar1");
    action(file, "mnuFileSave", QStringLiteral("&Save"), &FrmMain::FileSave, QKeySequence::Save);
    action(file, "mnuFileSaveAs", QStringLiteral("Save &As..."), &FrmMain::FileSaveAs);
    action(file, "mnuFileSaveAsDefault", QStringLiteral("Save As &Default"),
           &FrmMain::FileSaveAsDefault)
        ->setEnabled(false);  // reached through the toolbar only
    separator(file, "mnuFileBar2");
    action(file, "mnuFilePrint", QStringLiteral("&Print"), &FrmMain::FilePrint,
           QKeySequence::Print);
    action(file, "mnuFilePrintToFile", QStringLiteral("P&rint to File"), &FrmMain::FilePrintToFile);
    separator(file, "mnuFileBar3");
    action(file, "mnuFileBackups", QStringLiteral("&Backups..."), &FrmMain::FileBackups);
    action(file, "mnuFileCompare", QStringLiteral("Co&mpare With..."), &FrmMain::FileCompareWith);
    separator(file, "mnuFileBar4");
    action(file, "mnuFileExit", QStringLiteral("E&xit"), &FrmMain::FileExit,
           QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Defined but switched off: the editor supports one radio model only.
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QMenu* model = edit->addMenu(QStringLiteral("&Model"));
    model->setObjectName(QStringLiteral("mnuEditModel"));
    action(model, "mnuEditModel5800", QStringLiteral("&VH5800M"), nullptr);
    action(model, "mnuEditModel3600", QStringLiteral("V&H3600M"), nullptr);
    // Disabled as a widget, so that enabling the window again does not switch it on.
    edit->setEnabled(false);

    QMenu* transfer = menuBar()->addMenu(QStringLiteral("&Transfer"));
    transfer->setObjectName(QStringLiteral("mnuTransfer"));
    action(transfer, "mnuTransferProgram", QStringLiteral("&Program to Radio"),
           &FrmMain::TransferProgram);
    action(transfer, "mnuTransferRead", QStringLiteral("&Read from Radio"), &FrmMain::TransferRead);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    QMenu* serial = options->addMenu(QStringLiteral("&SerialPort"));
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
    action(serial, "mnuOptionsSerialDevices", QStringLiteral("&Device Paths..."),
           &FrmMain::EditSerialDevices);
    RefreshSerialPortCaptions();
    separator(options, "mnuOptionsBar1");
    const std::pair<const char*, const char*> switches[] = {
        {"mnuOptionsKeepBackups", "&Keep Backups"},
        {"mnuOptionsBackupBeforeProgram", "&Back Up Before Programming"},
        {"mnuOptionsVerifyAfterProgram", "&Verify After Programming"}};
    const QString keys[] = {SafetyCommands::kKeepBackups, SafetyCommands::kBackupBeforeProgram,
                            SafetyCommands::kVerifyAfterProgram};
    for (std::size_t i = 0; i < 3; ++i) {
        QAction* a = action(options, switches[i].first, QLatin1String(switches[i].second), nullptr);
        a->setCheckable(true);
        a->setChecked(safety_->Option(keys[i]));
        connect(a, &QAction::toggled, this,
                [this, key = keys[i]](bool on) { safety_->SetOption(key, on); });
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    action(help, "mnuHelpContents", QStringLiteral("&Contents"), &FrmMain::HelpContents);
    separator(help, "mnuHelpBar0");
    action(help, "mnuHelpAbout", QStringLiteral("&About RSE Version"), &FrmMain::HelpAbout);
}

void FrmMain::CreateToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Tools"));
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
    };
    QStyle* s = style();
    const Button buttons[] = {
        {"New", "New", s->standardIcon(QStyle::SP_FileIcon)},
        {"Open", "Open...", s->standardIcon(QStyle::SP_DirOpenIcon)},
        {"Save", "Save", s->standardIcon(QStyle::SP_DialogSaveButton)},
        {"SaveAsDefault", "Save As Default", QIcon()},
        {"Print", "Print", PrintIcon()},
        {"Program", "Program to Radio", QIcon()},
        {"Read", "Read from Radio", QIcon()},
    };
    for (const Button& b : buttons) {
        QAction* a = toolBar_->addAction(b.icon, QLatin1String(b.text));
        a->setObjectName(QStringLiteral("tb") + QLatin1String(b.key));
        a->setProperty("key", QLatin1String(b.key));
        a->setToolTip(QLatin1String(b.text));
        const QString key = QLatin1String(b.key);
        connect(a, &QAction::triggered, this, [this, key] { RunToolbarButton(key); });
    }
}

void FrmMain::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    const int stretch[3] = {4, 1, 0};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("sbStatusBarPanel%1").arg(i + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(i == 2 ? 110 : 60);
        bar->addWidget(label, stretch[i]);
        status_[static_cast<std::size_t>(i)] = label;
    }
}

// ---------------------------------------------------------------------------------------
// Start-up and exit

void FrmMain::LoadSequence() {
    BusyGuard busy(this);
    session_.ComNum = settings_.ReadComNum();
    session_.LinkRetries = 1;
    ChooseSerialPort(session_.ComNum - 1);
    splitter_ = layout::kSplitterMin;
    resize(layout::kStartWidthPx, layout::kStartHeightPx);
    Plans();  // the five channel plans, built once
    InitialiseConfiguration();
    SetHelpContexts();
}

void FrmMain::closeEvent(QCloseEvent* event) {
    // The specified exit asks nothing; edits are kept instead.
    safety_->KeepEdits(safety_->CurrentText(), QStringLiteral("Exit"));
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
    ResetAllPanels();
    DisableAllPanels();
    BuildTree();
    SetStatusText(1, QString());
    SetStatusText(3, QLatin1String(kModelName));
    SelectNodeByKey(Q(nodes::kSetting));
    session_.CurrentFileName.clear();
    UpdateCaption();
    safety_->TakeSnapshot();
}

void FrmMain::ResetAllPanels() {
    pictA_->Clear();
    pictB_->Clear();
    pictC_->Clear();
    pictD_->Clear();
    pictE_->Clear();
    pictF_->Clear();
    pictG_->Clear();
}

void FrmMain::DisableAllPanels() {
    // Moving the focus out of a panel first keeps it from landing in another panel.
    if (QWidget* focus = QApplication::focusWidget(); focus && pictData_->isAncestorOf(focus)) {
        tree_->setFocus();
    }
    for (QObject* child : pictData_->children()) {
        if (auto* panel = qobject_cast<EditorPanel*>(child)) panel->setEnabled(false);
    }
}

void FrmMain::Present(EditorPanel* panel) {
    DisableAllPanels();
    panel->raise();
    panel->setEnabled(true);
    front_ = panel;
}

bool FrmMain::ValidatePendingEdit() {
    if (pictG_->isEnabled()) return pictG_->ValidatePendingEdit();
    if (pictF_->isEnabled()) return pictF_->ValidatePendingEdit();
    return true;
}

// ---------------------------------------------------------------------------------------
// Navigation tree

QTreeWidgetItem* FrmMain::AddNode(QTreeWidgetItem* parent, const QString& key,
                                  const QString& text) {
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    node->setText(0, text);
    node->setData(0, kKeyRole, key);
    nodes_.push_back(node);
    return node;
}

void FrmMain::BuildTree() {
    buildingTree_ = true;
    tree_->clear();
    nodes_.clear();
    const Configuration& config = session_.config;

    QTreeWidgetItem* programmable =
        AddNode(nullptr, Q(nodes::kProgrammable), QStringLiteral("Programmable Channel"));
    const struct {
        std::string_view key;
        const char* text;
        BankId bank;
    } plans[] = {{nodes::kUsa, "USA", BankId::USA},
                 {nodes::kInternational, "International", BankId::INT},
                 {nodes::kCanada, "Canada", BankId::CAN}};
    for (const auto& plan : plans) {
        QTreeWidgetItem* branch = AddNode(programmable, Q(plan.key), QLatin1String(plan.text));
        const int count = static_cast<int>(BankOf(config, plan.bank).size());
        for (int i = 0; i < count; ++i) {
            AddNode(branch, Q(nodes::LeafKey(plan.key, i)),
                    Q(nodes::ChannelNodeText(config, plan.bank, i).value_or("")));
        }
    }
    AddNode(programmable, Q(nodes::kWx), QStringLiteral("WX Channel"));

    QTreeWidgetItem* exp = AddNode(nullptr, Q(nodes::kExp), QStringLiteral("Exp Channel"));
    for (int i = 1; i <= kExpCount; ++i) {
        AddNode(exp, Q(nodes::LeafKey(nodes::kExp, i)),
                Q(nodes::ExpNodeText(config, i).value_or("")));
    }

    QTreeWidgetItem* setting = AddNode(nullptr, Q(nodes::kSetting), QStringLiteral("Setting"));
    QTreeWidgetItem* directory =
        AddNode(setting, Q(nodes::kDirectory), QStringLiteral("Individual Directory"));
    for (int i = 1; i <= kDirectoryCount; ++i) {
        AddNode(directory, Q(nodes::LeafKey(nodes::kDirectory, i)),
                Q(nodes::DirectoryNodeText(config, i).value_or("")));
    }
    ShadeDirectoryNodes();
    lastShownIndex_ = -1;
    buildingTree_ = false;
}

QString FrmMain::KeyOf(const QTreeWidgetItem* node) const {
    return node ? node->data(0, kKeyRole).toString() : QString();
}

QString FrmMain::SelectedKey() const {
    return KeyOf(tree_->currentItem());
}

int FrmMain::IndexOf(const QTreeWidgetItem* node) const {
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (nodes_[i] == node) return static_cast<int>(i) + 1;
    }
    return 0;
}

QTreeWidgetItem* FrmMain::NodeByKey(const QString& key) const {
    for (QTreeWidgetItem* node : nodes_) {
        if (KeyOf(node) == key) return node;
    }
    return nullptr;
}

void FrmMain::NodeClick(QTreeWidgetItem* node) {
    SetStatusText(1, kTreeHint);
    const int index = IndexOf(node);
    if (index != lastShownIndex_) {
        lastShownIndex_ = index;
        ShowNode(node);
    }
}

void FrmMain::PlainClick() {
    SetStatusText(1, kTreeHint);
    QTreeWidgetItem* selected = tree_->currentItem();
    const int index = IndexOf(selected);
    if (index >= 1 && index != lastShownIndex_) {
        lastShownIndex_ = index;
        ShowNode(selected);
    }
}

void FrmMain::SelectNodeByKey(const QString& key) {
    QTreeWidgetItem* node = NodeByKey(key);
    if (!node) return;
    {
        const QSignalBlocker block(tree_);
        tree_->setCurrentItem(node);
    }
    tree_->scrollToItem(node);
    // The panel is shown as for a click; the key hint appears once the user works in the tree.
    const int index = IndexOf(node);
    if (index != lastShownIndex_) {
        lastShownIndex_ = index;
        ShowNode(node);
    }
}

void FrmMain::ShowNode(QTreeWidgetItem* node) {
    if (!node || isMinimized()) return;
    const QString key = KeyOf(node);
    const QString parentKey = KeyOf(node->parent());
    const std::string branch = (node->parent() ? parentKey : key).toStdString();
    const bool leaf =
        node->parent() && node->childCount() == 0 && key.startsWith(parentKey + QLatin1Char(' '));
    try {
        if (key == Q(nodes::kProgrammable)) {
            pictA_->ShowPriorityPanel();
            Present(pictA_);
        } else if (!leaf && nodes::PlanBankOfKey(key.toStdString())) {
            pictB_->ShowPlanBankList(*nodes::PlanBankOfKey(key.toStdString()));
            Present(pictB_);
        } else if (leaf && nodes::PlanBankOfKey(branch)) {
            pictC_->ShowPlanChannel(key);
            Present(pictC_);
        } else if (key == Q(nodes::kWx)) {
            pictD_->ShowWxPanel();
            Present(pictD_);
        } else if (key == Q(nodes::kExp)) {
            pictB_->ShowExpBankList();
            Present(pictB_);
        } else if (leaf && branch == nodes::kExp) {
            pictC_->ShowExpChannel(key);
            Present(pictC_);
        } else if (key == Q(nodes::kSetting)) {
            pictF_->ShowSettingsPanel();
            Present(pictF_);
        } else if (key == Q(nodes::kDirectory)) {
            pictE_->ShowDirectoryList();
            Present(pictE_);
        } else if (leaf && branch == nodes::kDirectory) {
            pictG_->ShowDirectoryEntry(key);
            Present(pictG_);
        }
    } catch (const std::exception&) {
        // A panel that could not load leaves the window as it is.
    }
    emit nodeShown(key);
}

void FrmMain::RefreshSelection() {
    QTreeWidgetItem* selected = tree_->currentItem();
    if (!selected) return;
    lastShownIndex_ = IndexOf(selected);
    ShowNode(selected);
}

void FrmMain::RetitleNodes() {
    const Configuration& config = session_.config;
    for (QTreeWidgetItem* node : nodes_) {
        const std::string key = KeyOf(node).toStdString();
        std::optional<std::string> text;
        if (key.size() >= 3) {
            if (const auto bank = nodes::PlanBankOfKey(std::string_view(key).substr(0, 2))) {
                text = nodes::ChannelNodeText(config, *bank, nodes::KeyIndex(key, 2));
            }
        }
        if (!text && key.size() >= 2 && key[0] == 'E') {
            text = nodes::ExpNodeText(config, nodes::KeyIndex(key, 1));
        }
        if (text) node->setText(0, Q(*text));
    }
    ShadeDirectoryNodes();
}

void FrmMain::ShadeDirectoryNodes() {
    QTreeWidgetItem* directory = NodeByKey(Q(nodes::kDirectory));
    if (!directory) return;
    // Entries move when one is deleted: the slots' texts follow the directory.
    for (int slot = 1; slot <= kDirectoryCount; ++slot) {
        if (QTreeWidgetItem* node = NodeByKey(Q(nodes::LeafKey(nodes::kDirectory, slot)))) {
            node->setText(0, Q(nodes::DirectoryNodeText(session_.config, slot).value_or("")));
        }
    }
    const int open = DirectoryCount(session_.config) + 1;  // used slots and the next free one
    const QColor normal = tree_->palette().color(QPalette::Active, QPalette::Text);
    const QColor grey = tree_->palette().color(QPalette::Disabled, QPalette::Text);
    const int first = IndexOf(directory);  // the slots directly follow their branch
    for (int slot = 1; slot <= kDirectoryCount; ++slot) {
        const std::size_t at = static_cast<std::size_t>(first + slot - 1);
        if (at >= nodes_.size()) break;
        nodes_[at]->setForeground(0, slot <= open ? normal : grey);
    }
}

// ---------------------------------------------------------------------------------------
// Caption, status bar and help

void FrmMain::UpdateCaption() {
    QString caption =
        QStringLiteral("%1 %2").arg(QLatin1String(kModelName), QLatin1String(kProductTitle));
    if (!session_.CurrentFileName.isEmpty()) {
        caption += QStringLiteral(" - ") + QFileInfo(session_.CurrentFileName).fileName().toLower();
    }
    setWindowTitle(caption);
}

void FrmMain::SetStatusText(int panel, const QString& text) {
    if (panel < 1 || panel > 3) return;
    status_[static_cast<std::size_t>(panel - 1)]->setText(text);
}

QString FrmMain::StatusText(int panel) const {
    if (panel < 1 || panel > 3) return {};
    return status_[static_cast<std::size_t>(panel - 1)]->text();
}

void FrmMain::SetHelpContexts() {
    AssignHelpContexts(this);
    helpFile_ = QLatin1String(kModelName) + QStringLiteral(".hlp");
}

std::vector<std::pair<QString, int>> FrmMain::HelpContextTable() {
    return rse::HelpContextTable();
}

int FrmMain::HelpContextOf(const QWidget* widget) {
    return rse::HelpContextOf(widget);
}

void FrmMain::HelpContents() {
    if (helpFile_.isEmpty()) {
        prompts_.Message(this,
                         QStringLiteral("Unable to display Help Contents. There is no Help "
                                        "associated with this project."),
                         windowTitle(), Prompts::Icon::Information);
        return;
    }
    QString error;
    if (!help_->ShowTopic(helpFile_, 0, &error)) {
        prompts_.Message(this, error, windowTitle(), Prompts::Icon::None);
    }
}

void FrmMain::ShowContextHelp(QWidget* focus) {
    const int topic = HelpContextOf(focus);
    if (topic == 0 || helpFile_.isEmpty()) {
        HelpContents();
        return;
    }
    QString error;
    if (!help_->ShowTopic(helpFile_, topic, &error)) {
        prompts_.Message(this, error, windowTitle(), Prompts::Icon::None);
    }
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
    RefreshSelection();
}

void FrmMain::FileOpen() {
    if (!ValidatePendingEdit()) return;
    const std::string before = safety_->CurrentText();
    if (!files_->Open()) return;
    safety_->KeepEdits(before, QStringLiteral("Open"));
    safety_->TakeSnapshot();
}

void FrmMain::FileSave() {
    if (!ValidatePendingEdit()) return;
    if (files_->SaveConfiguration(true)) safety_->TakeSnapshot();
}

void FrmMain::FileSaveAs() {
    if (!ValidatePendingEdit()) return;
    if (files_->SaveConfiguration(false)) safety_->TakeSnapshot();
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

void FrmMain::FileBackups() {
    safety_->ShowBackups();
}

void FrmMain::FileCompareWith() {
    if (!ValidatePendingEdit()) return;
    safety_->CompareWith();
}

void FrmMain::TransferProgram() {
    if (!ValidatePendingEdit()) return;
    session_.TransferMode = 1;
    if (!transferDialog) return;
    transferDialog();
}

void FrmMain::TransferRead() {
    if (!ValidatePendingEdit()) return;
    session_.TransferResult = false;
    session_.TransferMode = 0;
    if (!transferDialog) return;
    const std::string before = safety_->CurrentText();
    transferDialog();
    if (session_.TransferResult) {
        safety_->KeepRead(session_.image, settings_.DevicePath(session_.ComNum));
        safety_->KeepEdits(before, QStringLiteral("Read from Radio"));
        safety_->TakeSnapshot();
        RefreshSelection();
        RetitleNodes();
        session_.CurrentFileName.clear();
        UpdateCaption();
    }
    session_.TransferResult = false;
}

void FrmMain::ClearData() {
    if (!ValidatePendingEdit()) return;
    session_.TransferResult = false;  // only this clear's outcome counts
    session_.TransferMode = 2;
    if (!transferDialog) return;
    transferDialog();
    if (session_.TransferResult) RefreshSelection();  // the settings panel shows the new count
    session_.TransferResult = false;
}

void FrmMain::SaveHexFile() {
    if (!session_.DebugMode) return;
    if (!ValidatePendingEdit()) return;
    if (hexFileSave) hexFileSave();
}

void FrmMain::LoadHexFile() {
    // Loading replaces everything, so a half-typed number does not stop it.
    if (!session_.DebugMode) return;
    const std::string before = safety_->CurrentText();
    if (hexFileLoad && hexFileLoad()) {
        safety_->KeepEdits(before, QStringLiteral("Ctrl+F2"));
        safety_->TakeSnapshot();
        RefreshSelection();
        RetitleNodes();
        UpdateCaption();
    }
}

void FrmMain::RunToolbarButton(const QString& key) {
    if (key == QLatin1String("New"))
        FileNew();
    else if (key == QLatin1String("Open"))
        FileOpen();
    else if (key == QLatin1String("Save"))
        FileSave();
    else if (key == QLatin1String("SaveAsDefault"))
        FileSaveAsDefault();
    else if (key == QLatin1String("Print"))
        FilePrint();
    else if (key == QLatin1String("Program"))
        TransferProgram();
    else if (key == QLatin1String("Read"))
        TransferRead();
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

// ---------------------------------------------------------------------------------------
// Keyboard

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tree_ && event->type() == QEvent::FocusIn) {
        // Not when the window merely becomes active (at start-up the status panel stays empty).
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
            SetStatusText(1, kTreeHint);
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* target = static_cast<QWidget*>(watched);
        if (target->window() == this) return HandleKey(target, static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool FrmMain::HandleKey(QWidget* target, QKeyEvent* key) {
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter never reaches a control; a panel may use it (the grids jump to a row).
            if (front_ && front_->isEnabled() && front_->isAncestorOf(target)) {
                front_->HandleEnterKey(target);
            }
            return true;
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

layout::WindowMetrics FrmMain::Metrics() const {
    using layout::ToTwips;
    layout::WindowMetrics m;
    m.width = ToTwips(width());
    const int menu = menuBar()->isHidden() ? 0 : menuBar()->height();
    m.innerHeight = ToTwips(height() - menu);
    m.toolbarVisible = !toolBar_->isHidden();
    m.toolbarHeight = ToTwips(toolBar_->height());
    m.statusVisible = !statusBar()->isHidden();
    m.statusHeight = ToTwips(statusBar()->height());
    return m;
}

void FrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The minimum size keeps the window at least 9105 x 6660 twips.
    SizeControls(layout::SplitterAfterResize(layout::ToTwips(width())));
}

void FrmMain::SizeControls(int x) {
    SizeControls2(layout::ClampSplitter(x, Metrics().width));
}

void FrmMain::SizeControls2(int x) {
    using layout::ToPixels;
    splitter_ = x;
    const layout::WindowMetrics m = Metrics();
    const layout::MainLayout l = layout::LayOut(m, x);
    // Layout coordinates start below the menu bar; the central area starts below the toolbar.
    const int menu = menuBar()->isHidden() ? 0 : menuBar()->height();
    const int offset = layout::ToTwips(central_->y() - menu);
    const auto place = [&](QWidget* w, const layout::Rect& r, int dy) {
        w->setGeometry(ToPixels(r.left), ToPixels(r.top - dy), std::max(0, ToPixels(r.width)),
                       std::max(0, ToPixels(r.height)));
    };
    place(tree_, l.tree, offset);
    place(grip_, l.grip, offset);
    place(pictData_, l.panelArea, offset);
    layout::Frame frame = l.dataFrame;
    for (layout::Line* line : {&frame.top, &frame.bottom, &frame.left, &frame.right}) {
        line->y1 -= offset;
        line->y2 -= offset;
    }
    dataFrame_->Place(frame);
    for (QObject* child : pictData_->children()) {
        if (auto* panel = qobject_cast<EditorPanel*>(child)) place(panel, l.panel, 0);
    }
}

void FrmMain::OnSplitterPressed(int) {
    using layout::ToPixels;
    const int left = splitter_;  // the grip stands at the splitter position
    const int height = layout::ToTwips(grip_->height());
    const int width = layout::ToTwips(grip_->width());
    barLeft_ = left;
    bar_->setGeometry(ToPixels(left), grip_->y(), std::max(1, ToPixels(width / 2)),
                      std::max(0, ToPixels(height - 20)));
    bar_->show();
    bar_->raise();
    moving_ = true;
}

void FrmMain::OnSplitterMoved(int x) {
    if (!moving_) return;
    barLeft_ = layout::DragBarPosition(splitter_, layout::ToTwips(x), Metrics().width);
    bar_->move(layout::ToPixels(barLeft_), bar_->y());
}

void FrmMain::OnSplitterReleased(int) {
    if (!moving_) return;
    SizeControls2(barLeft_);
    bar_->hide();
    moving_ = false;
}

}  // namespace rse
