// `tvTreeView`: the navigation tree. Builds the nodes from the configuration, keeps their
// texts and shading in step with it and asks for a node's panel when the user (or the
// program) selects it. Each node keeps its text key ("PU 3") as data; the editor passes the
// keys around as `nodes::NodeKey`.
#pragma once

#include <vector>

#include <QString>
#include <QTreeWidget>

#include "editing/node_keys.h"

namespace rse {

struct Configuration;

class NavigationTree : public QTreeWidget {
    Q_OBJECT

  public:
    // The key hint shown while the tree has the focus.
    static constexpr const char* kTreeHint =
        QT_TR_NOOP("[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");

    NavigationTree(const Configuration& config, QWidget* parent);

    // Builds every node from the configuration; nothing is selected afterwards.
    void BuildTree();
    // Selects the node with this key as a click does, without the key hint.
    void SelectNodeByKey(const rse::nodes::NodeKey& key);
    // Shows the selected node's panel again.
    void RefreshSelection();
    // Node texts follow the enable flags of the channels and the directory.
    void RetitleNodes();
    // Directory slots: texts follow the entries, slots after the next free one are grey.
    void ShadeDirectoryNodes();

    QTreeWidgetItem* NodeByKey(const nodes::NodeKey& key) const;
    // The key of a node; the empty key for none.
    nodes::NodeKey KeyOf(const QTreeWidgetItem* node) const;
    nodes::NodeKey SelectedKey() const;
    // Index of a node in the order the nodes were added, from 1; 0 for none.
    int IndexOf(const QTreeWidgetItem* node) const;

  signals:
    // The panel of the node with this key is to be shown.
    void showNode(const rse::nodes::NodeKey& key);
    // The user works in the tree: the status bar shows this hint.
    void statusHint(const QString& text);

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const nodes::NodeKey& key,
                             const QString& text);
    // Shows the node unless it is the one shown last.
    void Show(QTreeWidgetItem* node);
    void NodeClick(QTreeWidgetItem* node);
    void PlainClick();

    const Configuration& config_;
    std::vector<QTreeWidgetItem*> nodes_;  // in the order added; index = position + 1
    int lastShownIndex_ = -1;
    bool buildingTree_ = false;
};

}  // namespace rse
