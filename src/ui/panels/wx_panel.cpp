#include "ui/panels/wx_panel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>

#include "model/channel_plans.h"
#include "qt/latin1.h"
#include "ui/font_units.h"
#include "ui/widgets/tag_edit.h"

namespace rse {

namespace {

const QString kMarker = QStringLiteral(">");
const QString kNoMarker = QStringLiteral(" ");

template <typename W>
W* Element(W* w, const char* name, int index) {
    w->setObjectName(QLatin1String(name));
    w->setProperty("index", index);  // the element of the control array
    return w;
}

}  // namespace

WxPanel::WxPanel(EditorSession& session, QWidget* parent)
    : EditorPanel(QStringLiteral("D"), session, parent) {
    SetTitle(tr("WX Channel"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, fontMetrics().height() * 2, 8, 4);  // below the title
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(1);
    const char* const headers[] = {QT_TR_NOOP("Enable"), QT_TR_NOOP("Scan"),
                                   QT_TR_NOOP("Tag Name")};
    for (int c = 0; c < 3; ++c) {
        auto* header = new QLabel(tr(headers[c]), this);
        header->setObjectName(QStringLiteral("lblDHeader"));
        grid->addWidget(header, 0, c + 1, c < 2 ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    const PlanTable& plan = Plans().PlanWX;
    QWidget* previous = nullptr;
    for (int i = 0; i < kRows; ++i) {
        Row& row = rows_[static_cast<std::size_t>(i)];
        row.label = Element(new QLabel(this), "lblWX", i);
        if (const PlanEntry* e = plan.Find(i + 1)) row.label->setText(FromLatin1(e->Label));
        row.enable = Element(new QCheckBox(kNoMarker, this), "chkDEnable", i);
        row.scan = Element(new QCheckBox(kNoMarker, this), "chkDScan", i);
        row.tag =
            Element(new TagEdit(QStringLiteral("txtDTagName"), kTagLength, this), "txtDTagName", i);
        FitFieldWidth(row.tag, QLatin1Char('W'), kTagLength);
        // No captions of their own: the row and the column name them.
        const QString name = row.label->text();
        row.enable->setAccessibleName(name + QLatin1Char(' ') + tr("Enable"));
        row.scan->setAccessibleName(name + QLatin1Char(' ') + tr("Scan"));
        row.tag->setAccessibleName(name + QLatin1Char(' ') + tr("Tag Name"));
        row.label->setBuddy(row.enable);
        SetStatusHint(row.enable, tr(kCheckHint));
        SetStatusHint(row.scan, tr(kCheckHint));
        SetStatusHint(row.tag, tr(kTagHint));
        for (QWidget* w : {static_cast<QWidget*>(row.enable), static_cast<QWidget*>(row.scan),
                           static_cast<QWidget*>(row.tag)}) {
            if (previous) setTabOrder(previous, w);
            previous = w;
        }
        grid->addWidget(row.label, i + 1, 0);
        grid->addWidget(row.enable, i + 1, 1, Qt::AlignHCenter);
        grid->addWidget(row.scan, i + 1, 2, Qt::AlignHCenter);
        grid->addWidget(row.tag, i + 1, 3);

        connect(row.enable, &QCheckBox::clicked, this, [this, i](bool on) {
            if (session_.UpdatingControls) return;
            const Row& r = rows_[static_cast<std::size_t>(i)];
            r.scan->setEnabled(on);  // the values stay
            r.tag->setEnabled(on);
            if (ChannelRecord* record = Record(i)) record->Enable = on;
        });
        connect(row.scan, &QCheckBox::clicked, this, [this, i](bool on) {
            if (session_.UpdatingControls) return;
            if (ChannelRecord* record = Record(i)) record->ScanMemory = on;
        });
        connect(row.tag, &QLineEdit::textEdited, this, [this, i] {
            if (session_.UpdatingControls) return;
            if (ChannelRecord* record = Record(i))
                record->ChTag = rows_[static_cast<std::size_t>(i)].tag->ModelText();
        });
    }
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(kRows + 1, 1);
    Clear();
    WatchUserEdits();  // after the panel's own handlers have stored the change
}

ChannelRecord* WxPanel::Record(int i) {
    std::vector<ChannelRecord>& bank = session_.config.CHWX;
    if (i < 0 || i >= static_cast<int>(bank.size())) return nullptr;
    return &bank[static_cast<std::size_t>(i)];
}

void WxPanel::FillWxRows() {
    const FlagGuard updating(session_.UpdatingControls);
    const PlanTable& plan = Plans().PlanWX;
    for (int i = 0; i < kRows; ++i) {
        const Row& row = rows_[static_cast<std::size_t>(i)];
        const ChannelRecord* r = Record(i);
        if (!r) continue;
        const PlanEntry* e = plan.Find(r->Position);
        row.label->setText(e ? FromLatin1(e->Label) : QString());
        row.enable->setChecked(r->Enable);
        row.scan->setChecked(r->ScanMemory);
        row.tag->Load(r->ChTag);
        row.scan->setEnabled(r->Enable);
        row.tag->setEnabled(r->Enable);
    }
}

void WxPanel::Clear() {
    {
        const FlagGuard updating(session_.UpdatingControls);
        for (const Row& row : rows_) {
            row.enable->setChecked(false);
            row.scan->setChecked(false);
            row.tag->clear();
        }
    }
    FillWxRows();
}

void WxPanel::ShowWxPanel() {
    FillWxRows();
}

bool WxPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool in = event->type() == QEvent::FocusIn;
    if (in || event->type() == QEvent::FocusOut) {
        if (auto* box = qobject_cast<QCheckBox*>(watched)) {
            box->setText(in ? kMarker : kNoMarker);  // the focus marker
        }
    }
    return EditorPanel::eventFilter(watched, event);
}

}  // namespace rse
