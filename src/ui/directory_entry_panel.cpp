#include "ui/directory_entry_panel.h"

#include <QResizeEvent>

#include "ui/node_keys.h"

namespace rse {

DirectoryEntryPanel::DirectoryEntryPanel(EditorSession& session, QWidget* parent)
    : EditorPanel(QStringLiteral("G"), session, parent),
      inner_(new QWidget(this)),
      innerFrame_(this, QStringLiteral("linG")) {
    inner_->setObjectName(QStringLiteral("pictGG"));
    Clear();
}

void DirectoryEntryPanel::Clear() {
    SetTitle(QStringLiteral("Individual Directory Entry"));
}

void DirectoryEntryPanel::ShowDirectoryEntry(const QString& key) {
    const int slot = nodes::KeyIndex(key.toStdString(), 2);
    if (slot < 1 || slot > kDirectoryCount) return;
    SetTitle(QStringLiteral("MemoryID%1").arg(slot));
}

void DirectoryEntryPanel::resizeEvent(QResizeEvent* event) {
    EditorPanel::resizeEvent(event);
    const int width = layout::ToTwips(event->size().width());
    const layout::Rect r = layout::InnerPanel(width, kInnerTop, kInnerHeight);
    inner_->setGeometry(layout::ToPixels(r.left), layout::ToPixels(r.top),
                        std::max(0, layout::ToPixels(r.width)), layout::ToPixels(r.height));
    innerFrame_.Place(layout::FrameAround(r));
}

}  // namespace rse
