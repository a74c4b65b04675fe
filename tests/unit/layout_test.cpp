// The window's geometry: the layout in twips of the design and its conversion to pixels
// through the user's font.
#include <gtest/gtest.h>

#include "layout/font_units.h"
#include "layout/window_layout.h"

namespace rse::layout {
namespace {

TEST(FontUnits, TwipsToPixelsThroughTheFont) {
    struct Case {
        const char* font;
        FontMetrics metrics;
        FontMetrics reference;
        Size window;      // the main window's start and minimum size, 9105 x 6660 twips
        int innerLeft;    // the channel frame's top, 1800 twips
        int innerHeight;  // and height, 2400 twips
        int dragBack;     // a drag of -1732 twips
        Size transfer;    // the transfer dialog, 398 x 233 pixels of the design
    };
    const FontMetrics ref = kReferenceFont;
    const Case cases[] = {
        // The reference font shows the design as drawn: 607 x 444 pixels.
        {"reference", {363, 17}, ref, {607, 444}, 120, 160, -115, {398, 233}},
        // Smaller fonts never shrink it; a font without metrics counts as the reference.
        {"smaller", {300, 14}, ref, {607, 444}, 120, 160, -115, {398, 233}},
        {"no metrics", {0, 0}, ref, {607, 444}, 120, 160, -115, {398, 233}},
        {"narrow and tall", {330, 23}, ref, {607, 601}, 120, 216, -115, {398, 315}},
        {"Cantarell 14", {560, 23}, ref, {936, 601}, 185, 216, -178, {614, 315}},
        // A design drawn for another font: Arial 14 against Arial 9.
        {"Arial 14 for Arial 9", {576, 27}, {364, 17}, {961, 705}, 190, 254, -183, {630, 370}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.font);
        const FontUnits u(c.metrics, c.reference);
        EXPECT_EQ((Size{u.X(kMinWidth), u.Y(kMinHeight)}), c.window);
        EXPECT_EQ(u.X(1800), c.innerLeft);
        EXPECT_EQ(u.Y(2400), c.innerHeight);
        EXPECT_EQ(u.X(-1732), c.dragBack);
        EXPECT_EQ(u.ScaledPixels({398, 233}), c.transfer);
        EXPECT_GE(u.XFactor(), 1.0);
        EXPECT_GE(u.YFactor(), 1.0);
        // Pixels measured on the screen come back as the same pixels.
        for (int px = -50; px <= 2000; ++px) {
            ASSERT_EQ(u.X(u.TwipsX(px)), px);
            ASSERT_EQ(u.Y(u.TwipsY(px)), px);
        }
        // Rectangles and frames convert place and size each to the nearest pixel.
        EXPECT_EQ(u.Pixels(Rect{100, 1800, 5773, 2400}),
                  (Rect{u.X(100), u.Y(1800), u.X(5773), u.Y(2400)}));
        const Frame f = u.Pixels(FrameAround({100, 1800, 5773, 2400}));
        EXPECT_EQ(f.top, (Line{u.X(80), u.Y(1780), u.X(5883), u.Y(1780)}));
        EXPECT_EQ(f.right, (Line{u.X(5883), u.Y(1780), u.X(5883), u.Y(4210)}));
    }
    // The default units are the reference's.
    EXPECT_EQ(FontUnits(), FontUnits(kReferenceFont));
}

TEST(Layout, WindowNeverSmallerThanItsStartSize) {
    EXPECT_EQ(ClampWindowSize({5000, 4000}), (Size{9105, 6660}));
    EXPECT_EQ(ClampWindowSize({5000, 8000}), (Size{9105, 8000}));
    EXPECT_EQ(ClampWindowSize({12000, 4000}), (Size{12000, 6660}));
    EXPECT_EQ(ClampWindowSize({12000, 9000}), (Size{12000, 9000}));
}

TEST(Layout, ResizePutsSplitterAtThirtyPercentWithinClamps) {
    EXPECT_EQ(SplitterAfterResize(12000), 3600);
    EXPECT_EQ(ClampSplitter(7000, 12000), 6000);  // keeps 6000 for the panel area
    EXPECT_EQ(ClampSplitter(1000, 12000), 2500);
    EXPECT_EQ(ClampSplitter(4000, 12000), 4000);
    EXPECT_EQ(SplitterAfterResize(9105), 2732);
}

TEST(Layout, DraggingKeepsTheBarAwayFromBothEdges) {
    EXPECT_EQ(DragBarPosition(3600, -2600, 12000), 2500);  // wanted 1000
    EXPECT_EQ(DragBarPosition(3600, 6000, 12000), 9500);   // within 2500 of the right edge
    EXPECT_EQ(DragBarPosition(3600, 5900, 12000), 9500);
    EXPECT_EQ(DragBarPosition(3600, 5800, 12000), 9400);
}

TEST(Layout, TreePanelAreaFramesAndPanels) {
    const WindowMetrics w{12000, 6000, 400, true, 300, true};
    const MainLayout l = LayOut(w, 3600);
    EXPECT_EQ(l.splitter, 3600);
    EXPECT_EQ(l.tree, (Rect{0, 450, 3600, 5100}));
    EXPECT_EQ(l.grip.left, 3600);
    EXPECT_EQ(l.grip.top, 450);
    EXPECT_EQ(l.grip.height, 5100);
    EXPECT_EQ(l.panelArea, (Rect{3730, 450, 8000, 5100}));
    EXPECT_EQ(l.dataFrame.top, (Line{3710, 430, 11740, 430}));
    EXPECT_EQ(l.dataFrame.bottom, (Line{3710, 5560, 11740, 5560}));
    EXPECT_EQ(l.panel, (Rect{100, 100, 7800, 4900}));
    EXPECT_EQ(l.grid, (Rect{0, 0, 7800, 4900}));

    // Without toolbar and status bar the tree starts at 50 and loses only 600 in height.
    const MainLayout bare = LayOut({12000, 6000, 400, false, 300, false}, 5000);
    EXPECT_EQ(bare.tree, (Rect{0, 50, 5000, 5400}));
    EXPECT_EQ(bare.panelArea, (Rect{5130, 50, 6600, 5400}));
}

TEST(Layout, InnerFramesAndAboutBox) {
    const Rect inner = InnerPanel(7800, 1800, 2400);
    EXPECT_EQ(inner, (Rect{100, 1800, 7600, 2400}));
    EXPECT_EQ(FrameAround(inner), DrawFrame(80, 1780, 7710, 4210));

    const AboutLayout about = LayOutAbout(4875, 2985, 1215);
    EXPECT_EQ(about.frameWidth, 4675);
    EXPECT_EQ(about.okLeft, 1830);
    EXPECT_EQ(about.okTop, 3055);
}

}  // namespace
}  // namespace rse::layout
