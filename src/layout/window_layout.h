// Geometry of the main window in twips of the design (15 twips per pixel at the reference
// font; FontUnits turns them into pixels for the user's font): minimum size, splitter
// position and the places of the tree, the panel area, the panels and the frames. Pure
// functions of the window size and the splitter position.
#pragma once

namespace rse::layout {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kStartWidthPx = 607;
inline constexpr int kStartHeightPx = 444;
inline constexpr int kMinWidth = kStartWidthPx * kTwipsPerPixel;    // 9105
inline constexpr int kMinHeight = kStartHeightPx * kTwipsPerPixel;  // 6660
inline constexpr int kSplitterMin = 2500;                           // the tree is never narrower
inline constexpr int kPanelMinWidth = 6000;    // room kept for the panel area on resize
inline constexpr int kDragRightMargin = 2500;  // how close to the right edge a drag may go
inline constexpr int kGripWidth = 130;         // the gap between tree and panel area

// Screen twips of a pixel count (the window geometry kept in the settings).
constexpr int ToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Line {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const Line&) const = default;
};

// Four lines: top, bottom, left, right.
struct Frame {
    Line top;
    Line bottom;
    Line left;
    Line right;
    bool operator==(const Frame&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// What the layout needs to know about the window, in twips.
struct WindowMetrics {
    int width = kMinWidth;
    int innerHeight = kMinHeight;  // below the menu bar
    int toolbarHeight = 0;
    bool toolbarVisible = true;
    int statusHeight = 0;
    bool statusVisible = true;
};

// Places in window coordinates (below the menu bar) except `panel` and `grid`, which are
// inside the panel area.
struct MainLayout {
    int splitter = 0;
    Rect tree;
    Rect grip;
    Rect panelArea;
    Frame dataFrame;
    Rect panel;  // every editor panel
    Rect grid;   // the grids inside their panels
};

// The window never gets smaller than the size it starts with.
Size ClampWindowSize(Size size);

// The frame around a rectangle given as left, top, right and bottom.
Frame DrawFrame(int left, int top, int right, int bottom);
// The frame drawn around a placed rectangle: 20 outside at left and top, 10 at right and bottom.
Frame FrameAround(const Rect& r);

// The clamped splitter position used after a resize or a programmatic placement.
int ClampSplitter(int x, int windowWidth);
// The splitter position after a resize: 30 % of the width, clamped.
int SplitterAfterResize(int windowWidth);
// Where the bar stands while dragging: grip left plus mouse x inside the grip, kept at least
// 2500 from the left edge and at least 2500 from the right edge.
int DragBarPosition(int gripLeft, int mouseX, int windowWidth);

// Lays the window out for splitter position x without clamping.
MainLayout LayOut(const WindowMetrics& window, int x);

// An inner frame panel (`pictCC`, `pictGG`) inside an editor panel of the given width.
Rect InnerPanel(int enclosingWidth, int designedTop, int designedHeight);

// About box: frame width and the OK button's place for a window width (twips).
struct AboutLayout {
    int frameWidth = 0;
    int okLeft = 0;
    int okTop = 0;
};
AboutLayout LayOutAbout(int windowWidth, int frameHeight, int buttonWidth);

}  // namespace rse::layout
