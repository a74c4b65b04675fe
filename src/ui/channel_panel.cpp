#include "ui/channel_panel.h"

#include <QResizeEvent>

#include "model/channel_plans.h"
#include "ui/node_keys.h"

namespace rse {

ChannelPanel::ChannelPanel(EditorSession& session, QWidget* parent)
    : EditorPanel(QStringLiteral("C"), session, parent),
      inner_(new QWidget(this)),
      innerFrame_(this, QStringLiteral("linC")) {
    inner_->setObjectName(QStringLiteral("pictCC"));
    Clear();
}

void ChannelPanel::Clear() {
    SetTitle(QStringLiteral("Channel"));
}

void ChannelPanel::ShowPlanChannel(const QString& key) {
    const std::string k = key.toStdString();
    const auto bank = nodes::PlanBankOfKey(std::string_view(k).substr(0, 2));
    if (!bank) return;
    static const char* const kBankName[] = {"USA", "International", "Canada"};
    const auto text = nodes::ChannelNodeText(session_.config, *bank, nodes::KeyIndex(k, 2));
    if (!text) return;
    // The node text without its enable mark names the channel ("CH16").
    const std::size_t mark = text->find('[');
    SetTitle(QStringLiteral("%1 %2").arg(QLatin1String(kBankName[static_cast<int>(*bank)]),
                                         QString::fromStdString(text->substr(0, mark))));
}

void ChannelPanel::ShowExpChannel(const QString& key) {
    const int index = nodes::KeyIndex(key.toStdString(), 1);
    if (index < 1 || index > kExpCount) return;
    SetTitle(QStringLiteral("EXP%1").arg(index));
}

void ChannelPanel::resizeEvent(QResizeEvent* event) {
    EditorPanel::resizeEvent(event);
    const int width = layout::ToTwips(event->size().width());
    const layout::Rect r = layout::InnerPanel(width, kInnerTop, kInnerHeight);
    inner_->setGeometry(layout::ToPixels(r.left), layout::ToPixels(r.top),
                        std::max(0, layout::ToPixels(r.width)), layout::ToPixels(r.height));
    innerFrame_.Place(layout::FrameAround(r));
}

}  // namespace rse
