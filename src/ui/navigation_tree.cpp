#include "ui/navigation_tree.h"

#include <QFocusEvent>

#include "editing/node_keys.h"
#include "model/channel_plans.h"
#include "qt/latin1.h"
#include "qt/translations.h"

namespace rse {

namespace {

constexpr int kKeyRole = Qt::UserRole;  // the node's text key

using nodes::Branch;
using nodes::NodeKey;

}  // namespace

NavigationTree::NavigationTree(const Configuration& config, QWidget* parent)
    : QTreeWidget(parent), config_(config) {
    setObjectName(QStringLiteral("tvTreeView"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                if (!buildingTree_ && current) NodeClick(current);
            });
    connect(this, &QTreeWidget::itemClicked, this, [this] { PlainClick(); });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* branch) {
        if (buildingTree_) return;
        // The selection moves to the collapsed branch when it was inside it.
        for (QTreeWidgetItem* p = currentItem(); p; p = p->parent()) {
            if (p->parent() == branch) {
                setCurrentItem(branch);
                break;
            }
        }
        if (currentItem()) NodeClick(currentItem());
    });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* branch) {
        if (KeyOf(branch) == NodeKey{Branch::Directory}) ShadeDirectoryNodes();
    });
}

QTreeWidgetItem* NavigationTree::AddNode(QTreeWidgetItem* parent, const NodeKey& key,
                                         const QString& text) {
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    node->setText(0, text);
    node->setData(0, kKeyRole, FromLatin1(key.Text()));
    nodes_.push_back(node);
    return node;
}

void NavigationTree::BuildTree() {
    buildingTree_ = true;
    clear();
    nodes_.clear();

    QTreeWidgetItem* programmable =
        AddNode(nullptr, {Branch::Programmable}, tr("Programmable Channel"));
    for (const BankId bank : {BankId::USA, BankId::INT, BankId::CAN}) {
        const Branch plan = *nodes::PlanBranch(bank);
        QTreeWidgetItem* branch = AddNode(programmable, {plan}, CoreText(FixedPlanName(bank)));
        const int count = static_cast<int>(BankOf(config_, bank).size());
        for (int i = 0; i < count; ++i) {
            AddNode(branch, {plan, i},
                    FromLatin1(nodes::ChannelNodeText(config_, bank, i).value_or("")));
        }
    }
    AddNode(programmable, {Branch::Wx}, tr("WX Channel"));

    QTreeWidgetItem* exp = AddNode(nullptr, {Branch::Exp}, tr("Exp Channel"));
    for (int i = 1; i <= kExpCount; ++i) {
        AddNode(exp, {Branch::Exp, i}, FromLatin1(nodes::ExpNodeText(config_, i).value_or("")));
    }

    QTreeWidgetItem* setting = AddNode(nullptr, {Branch::Setting}, tr("Setting"));
    QTreeWidgetItem* directory = AddNode(setting, {Branch::Directory}, tr("Individual Directory"));
    for (int i = 1; i <= kDirectoryCount; ++i) {
        AddNode(directory, {Branch::Directory, i},
                FromLatin1(nodes::DirectoryNodeText(config_, i).value_or("")));
    }
    ShadeDirectoryNodes();
    lastShownIndex_ = -1;
    buildingTree_ = false;
}

NodeKey NavigationTree::KeyOf(const QTreeWidgetItem* node) const {
    return node ? NodeKey::Parse(ToLatin1(node->data(0, kKeyRole).toString())) : NodeKey{};
}

NodeKey NavigationTree::SelectedKey() const {
    return KeyOf(currentItem());
}

int NavigationTree::IndexOf(const QTreeWidgetItem* node) const {
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (nodes_[i] == node) return static_cast<int>(i) + 1;
    }
    return 0;
}

QTreeWidgetItem* NavigationTree::NodeByKey(const NodeKey& key) const {
    const QString text = FromLatin1(key.Text());
    if (text.isEmpty()) return nullptr;
    for (QTreeWidgetItem* node : nodes_) {
        if (node->data(0, kKeyRole).toString() == text) return node;
    }
    return nullptr;
}

void NavigationTree::Show(QTreeWidgetItem* node) {
    const int index = IndexOf(node);
    if (index == lastShownIndex_) return;
    lastShownIndex_ = index;
    emit showNode(KeyOf(node));
}

void NavigationTree::NodeClick(QTreeWidgetItem* node) {
    emit statusHint(tr(kTreeHint));
    Show(node);
}

void NavigationTree::PlainClick() {
    emit statusHint(tr(kTreeHint));
    QTreeWidgetItem* selected = currentItem();
    if (IndexOf(selected) >= 1) Show(selected);
}

void NavigationTree::SelectNodeByKey(const NodeKey& key) {
    QTreeWidgetItem* node = NodeByKey(key);
    if (!node) return;
    {
        const QSignalBlocker block(this);
        setCurrentItem(node);
    }
    scrollToItem(node);
    // The panel is shown as for a click; the key hint appears once the user works in the tree.
    Show(node);
}

void NavigationTree::RefreshSelection() {
    QTreeWidgetItem* selected = currentItem();
    if (!selected) return;
    lastShownIndex_ = IndexOf(selected);
    emit showNode(KeyOf(selected));
}

void NavigationTree::RetitleNodes() {
    for (QTreeWidgetItem* node : nodes_) {
        const NodeKey key = KeyOf(node);
        std::optional<std::string> text;
        if (key.View() == nodes::NodeView::PlanChannel) {
            text = nodes::ChannelNodeText(config_, *key.Bank(), *key.index);
        } else if (key.View() == nodes::NodeView::ExpChannel) {
            text = nodes::ExpNodeText(config_, *key.index);
        }
        if (text) node->setText(0, FromLatin1(*text));
    }
    ShadeDirectoryNodes();
}

void NavigationTree::ShadeDirectoryNodes() {
    QTreeWidgetItem* directory = NodeByKey({Branch::Directory});
    if (!directory) return;
    // Entries move when one is deleted: the slots' texts follow the directory.
    for (int slot = 1; slot <= kDirectoryCount; ++slot) {
        if (QTreeWidgetItem* node = NodeByKey({Branch::Directory, slot})) {
            node->setText(0, FromLatin1(nodes::DirectoryNodeText(config_, slot).value_or("")));
        }
    }
    const int open = DirectoryCount(config_) + 1;  // used slots and the next free one
    const QColor normal = palette().color(QPalette::Active, QPalette::Text);
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    const int first = IndexOf(directory);  // the slots directly follow their branch
    for (int slot = 1; slot <= kDirectoryCount; ++slot) {
        const std::size_t at = static_cast<std::size_t>(first + slot - 1);
        if (at >= nodes_.size()) break;
        nodes_[at]->setForeground(0, slot <= open ? normal : grey);
    }
}

void NavigationTree::focusInEvent(QFocusEvent* event) {
    // Not when the window merely becomes active (at start-up the status panel stays empty).
    if (event->reason() != Qt::ActiveWindowFocusReason) emit statusHint(tr(kTreeHint));
    QTreeWidget::focusInEvent(event);
}

}  // namespace rse
