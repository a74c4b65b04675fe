// Panel `pictG`: one slot of the individual directory, with the inner frame `pictGG`.
#pragma once

#include "ui/editor_panel.h"
#include "ui/frame_lines.h"

namespace rse {

class DirectoryEntryPanel : public EditorPanel {
    Q_OBJECT

  public:
    // Top and height of `pictGG` inside the panel (twips).
    static constexpr int kInnerTop = 900;
    static constexpr int kInnerHeight = 1800;

    DirectoryEntryPanel(EditorSession& session, QWidget* parent);

    // Loads the slot of a leaf under "SM" (key such as "SM 3").
    void ShowDirectoryEntry(const QString& key);
    void Clear() override;

    QWidget* Inner() const { return inner_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* inner_;
    FrameLines innerFrame_;
};

}  // namespace rse
