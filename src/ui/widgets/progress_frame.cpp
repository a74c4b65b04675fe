#include "ui/widgets/progress_frame.h"

#include <algorithm>

#include <QAccessibleValueChangeEvent>
#include <QAccessibleWidget>
#include <QLabel>

namespace rse {

namespace {

// What a screen reader asks about the box: a progress bar from 0 to 100 and where it stands.
class ProgressAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit ProgressAccessible(ProgressFrame* frame)
        : QAccessibleWidget(frame, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value) return QStringLiteral("%1%").arg(Frame()->Value());
        return QAccessibleWidget::text(type);
    }
    QVariant currentValue() const override { return Frame()->Value(); }
    void setCurrentValue(const QVariant&) override {}  // shown, not set by the user
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 0; }

  private:
    ProgressFrame* Frame() const { return static_cast<ProgressFrame*>(widget()); }
};

QAccessibleInterface* ProgressAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ProgressFrame::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new ProgressAccessible(static_cast<ProgressFrame*>(object));
    }
    return nullptr;
}

}  // namespace

ProgressFrame::ProgressFrame(QWidget* parent) : QFrame(parent), bar_(new QLabel(this)) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&ProgressAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    bar_->setObjectName(QStringLiteral("lblPercent"));
    bar_->setAutoFillBackground(true);
    QPalette blue = bar_->palette();
    blue.setColor(QPalette::Window, QColor(40, 110, 200));
    bar_->setPalette(blue);
    PlaceBar();
}

void ProgressFrame::SetValue(int percent) {
    const int value = std::clamp(percent, 0, 100);
    const bool changed = value != value_;
    value_ = value;
    PlaceBar();
    if (changed) {
        QAccessibleValueChangeEvent event(this, value_);
        QAccessible::updateAccessibility(&event);
    }
}

void ProgressFrame::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    PlaceBar();
}

void ProgressFrame::PlaceBar() {
    // The bar's right edge stands at the given share of the box's width.
    const int w = width();
    bar_->setGeometry(w * value_ / 100 - w, 0, w, height());
}

}  // namespace rse
