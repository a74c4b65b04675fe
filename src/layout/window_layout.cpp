#include "layout/window_layout.h"

#include <algorithm>
#include <cmath>

namespace rse::layout {

Size ClampWindowSize(Size size) {
    return {std::max(size.width, kMinWidth), std::max(size.height, kMinHeight)};
}

Frame DrawFrame(int left, int top, int right, int bottom) {
    return {{left, top, right, top},
            {left, bottom, right, bottom},
            {left, top, left, bottom},
            {right, top, right, bottom}};
}

Frame FrameAround(const Rect& r) {
    return DrawFrame(r.left - 20, r.top - 20, r.left + r.width + 10, r.top + r.height + 10);
}

int ClampSplitter(int x, int windowWidth) {
    if (x < kSplitterMin) x = kSplitterMin;
    if (x > windowWidth - kPanelMinWidth) x = windowWidth - kPanelMinWidth;
    return x;
}

int SplitterAfterResize(int windowWidth) {
    return ClampSplitter(static_cast<int>(std::lround(0.3 * windowWidth)), windowWidth);
}

int DragBarPosition(int gripLeft, int mouseX, int windowWidth) {
    const int wanted = gripLeft + mouseX;
    if (wanted < kSplitterMin) return kSplitterMin;
    if (wanted > windowWidth - kDragRightMargin) return windowWidth - kDragRightMargin;
    return wanted;
}

MainLayout LayOut(const WindowMetrics& window, int x) {
    MainLayout l;
    l.splitter = x;
    const int top = window.toolbarVisible ? window.toolbarHeight + 50 : 50;
    const int height = window.statusVisible ? window.innerHeight - (window.statusHeight + 600)
                                            : window.innerHeight - 600;
    l.tree = {0, top, x, height};
    l.grip = {x, top, kGripWidth, height};
    l.panelArea = {x + 130, top, window.width - (x + 400), height};
    l.dataFrame = FrameAround(l.panelArea);
    l.panel = {100, 100, l.panelArea.width - 200, l.panelArea.height - 200};
    l.grid = {0, 0, l.panelArea.width - 200, l.panelArea.height - 200};
    return l;
}

Rect InnerPanel(int enclosingWidth, int designedTop, int designedHeight) {
    return {100, designedTop, enclosingWidth - 200, designedHeight};
}

AboutLayout LayOutAbout(int windowWidth, int frameHeight, int buttonWidth) {
    return {windowWidth - 200, (windowWidth - buttonWidth) / 2, frameHeight + 70};
}

}  // namespace rse::layout
