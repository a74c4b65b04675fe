// The main window's layout applied to the real widgets: minimum size, splitter, panels.
#include <QMouseEvent>
#include <QTreeWidget>

#include "layout/font_units.h"
#include "layout/window_layout.h"
#include "ui_test_support.h"

namespace rse {
namespace {

// The tests run with the application's default font, the one the designs are drawn for.
int ToPixels(int twips) {
    return layout::FontUnits().X(twips);
}
using test::Find;

class WindowLayout : public test::MainWindowTest {
  protected:
    // Sends a mouse event to the splitter grip at x (pixels inside the grip).
    static void Mouse(QWidget* grip, QEvent::Type type, int x) {
        const QPointF local(x, grip->height() / 2);
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, grip->mapToGlobal(local), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(grip, &event);
    }
    static void Drag(FrmMain& w, int toTwips) {
        QWidget* grip = Find<QWidget>(&w, "imgSplitter");
        Mouse(grip, QEvent::MouseButtonPress, 2);
        EXPECT_TRUE(Find<QWidget>(&w, "picSplitter")->isVisible());
        Mouse(grip, QEvent::MouseMove, ToPixels(toTwips - w.SplitterPosition()));
        Mouse(grip, QEvent::MouseButtonRelease, ToPixels(toTwips - w.SplitterPosition()));
        EXPECT_FALSE(Find<QWidget>(&w, "picSplitter")->isVisible());
    }
};

TEST_F(WindowLayout, MinimumSizeAndSplitterAfterResize) {
    FrmMain& w = Open();
    w.resize(5000 / 15, 4000 / 15);
    EXPECT_EQ(w.size(), QSize(607, 444));

    w.resize(800, 500);  // 12000 twips wide
    QTRY_COMPARE(w.width(), 800);
    EXPECT_EQ(w.SplitterPosition(), 3600);
    QWidget* tree = Find<QWidget>(&w, "tvTreeView");
    EXPECT_EQ(tree->width(), 240);
    EXPECT_EQ(tree->x(), 0);

    // The panel area sits 130 twips right of the splitter; the panels fill it less 100 a side.
    QWidget* data = Find<QWidget>(&w, "pictData");
    EXPECT_EQ(data->x(), ToPixels(3600 + 130));
    EXPECT_EQ(data->width(), ToPixels(12000 - (3600 + 400)));
    EXPECT_EQ(data->y(), tree->y());
    EXPECT_EQ(data->height(), tree->height());
    for (const char* name : {"pictA", "pictB", "pictC", "pictD", "pictE", "pictF", "pictG"}) {
        QWidget* panel = Find<QWidget>(&w, name);
        EXPECT_EQ(panel->geometry(), QRect(ToPixels(100), ToPixels(100),
                                           ToPixels(layout::ToTwips(data->width()) - 200),
                                           ToPixels(layout::ToTwips(data->height()) - 200)))
            << name;
    }
    // The frame lines enclose the panel area.
    EXPECT_LT(Find<QWidget>(&w, "linL")->x(), data->x());
    EXPECT_GT(Find<QWidget>(&w, "linR")->x(), data->geometry().right());
    EXPECT_LT(Find<QWidget>(&w, "linT")->y(), data->y());
    EXPECT_GT(Find<QWidget>(&w, "linB")->y(), data->geometry().bottom());
    // The tree stays above the status bar.
    EXPECT_LT(tree->mapTo(&w, QPoint(0, tree->height())).y(),
              Find<QWidget>(&w, "sbStatusBar")->y());
}

TEST_F(WindowLayout, DraggingTheSplitter) {
    FrmMain& w = Open();
    w.resize(800, 500);
    QTRY_COMPARE(w.width(), 800);

    Drag(w, 4005);
    EXPECT_NEAR(w.SplitterPosition(), 4005, 15);
    EXPECT_EQ(Find<QWidget>(&w, "tvTreeView")->width(), ToPixels(w.SplitterPosition()));

    Drag(w, 1000);
    EXPECT_EQ(w.SplitterPosition(), 2500);
    Drag(w, 11000);
    EXPECT_EQ(w.SplitterPosition(), 12000 - 2500);  // not clamped to leave 6000 on release

    w.resize(900, 500);  // any resize puts it back at 30 %
    QTRY_COMPARE(w.width(), 900);
    EXPECT_EQ(w.SplitterPosition(), 4050);
}

TEST_F(WindowLayout, InnerFramesFollowTheirPanels) {
    FrmMain& w = Open();
    for (const char* name : {"pictCC", "pictGG"}) {
        QWidget* inner = Find<QWidget>(&w, name);
        QWidget* panel = inner->parentWidget();
        EXPECT_EQ(inner->x(), ToPixels(100)) << name;
        EXPECT_EQ(inner->width(), ToPixels(layout::ToTwips(panel->width()) - 200)) << name;
    }
    EXPECT_NE(Find<QWidget>(&w, "linCT"), nullptr);
    EXPECT_NE(Find<QWidget>(&w, "linGR"), nullptr);
}

}  // namespace
}  // namespace rse
