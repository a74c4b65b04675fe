// Panel `pictC`: one channel of a plan bank or of the EXP bank, with the inner frame `pictCC`.
#pragma once

#include "ui/editor_panel.h"
#include "ui/frame_lines.h"

namespace rse {

class ChannelPanel : public EditorPanel {
    Q_OBJECT

  public:
    // Top and height of `pictCC` inside the panel (twips).
    static constexpr int kInnerTop = 1800;
    static constexpr int kInnerHeight = 2400;

    ChannelPanel(EditorSession& session, QWidget* parent);

    // Loads the channel of a leaf under "PU", "PI" or "PC" (key such as "PU 3").
    void ShowPlanChannel(const QString& key);
    // Loads the EXP memory of a leaf under "E" (key such as "E 7").
    void ShowExpChannel(const QString& key);
    void Clear() override;

    QWidget* Inner() const { return inner_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* inner_;
    FrameLines innerFrame_;
};

}  // namespace rse
