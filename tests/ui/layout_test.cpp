// Pure functions of the shell: window geometry and switches.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/switches.h"
#include "image/codec.h"
#include "ui/main_layout.h"

namespace rse {
namespace {

using namespace layout;

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
    EXPECT_EQ(SplitterAfterResize(30000), 9000);
}

TEST(Layout, DraggingKeepsTheBarAwayFromBothEdges) {
    EXPECT_EQ(DragBarPosition(3600, -2600, 12000), 2500);  // wanted 1000
    EXPECT_EQ(DragBarPosition(3600, 400, 12000), 4000);
    EXPECT_EQ(DragBarPosition(3600, 6000, 12000), 9500);  // within 2500 of the right edge
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
    EXPECT_EQ(l.dataFrame.left, (Line{3710, 430, 3710, 5560}));
    EXPECT_EQ(l.dataFrame.right, (Line{11740, 430, 11740, 5560}));
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

TEST(Switches, WholeLineAnyCaseOneSwitchOnly) {
    struct Case {
        const char* line;
        bool debug;
        bool skip;
    };
    const Case cases[] = {
        {"  /de  ", true, true}, {"/DE", true, true},       {"/d", true, false},
        {"/D", true, false},     {"/cd", true, false},      {"/Dc", true, false},
        {"/C", false, false},    {"/c", false, false},      {"", false, false},
        {"/D /C", false, false}, {"/DX", false, false},     {"D", false, false},
        {"/ D", false, false},   {"/DE /DE", false, false}, {"-d", false, false},
    };
    for (const Case& c : cases) {
        const Switches s = ParseSwitches(c.line);
        EXPECT_EQ(s.DebugMode, c.debug) << '"' << c.line << '"';
        EXPECT_EQ(s.SkipReceive, c.skip) << '"' << c.line << '"';
    }
}

TEST(Switches, ArgumentsFormOneCommandLine) {
    EXPECT_EQ(CommandLineOf({}), "");
    EXPECT_EQ(CommandLineOf({"/D", "/C"}), "/D /C");
    EXPECT_FALSE(ParseSwitches(CommandLineOf({"/D", "/C"})).DebugMode);
    EXPECT_TRUE(ParseSwitches(CommandLineOf({" /de "})).SkipReceive);
}

TEST(Switches, OnlyAnExistingDatFileIsOpenedAtStart) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string d = QFile::encodeName(dir.path()).toStdString();
    for (const char* name : {"boat.dat", "BOAT2.DAT", "my boat.dat", "notes.txt", "x.dat.bak"}) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.dat")));
    const struct {
        std::string line;
        bool opened;
    } cases[] = {
        {d + "/boat.dat", true},
        {d + "/BOAT2.DAT", true},
        {CommandLineOf({d + "/my", "boat.dat"}), true},  // a name with a blank, unquoted
        {d + "/notes.txt", false},
        {d + "/x.dat.bak", false},
        {d + "/folder.dat", false},
        {d + "/gone.dat", false},
        {" " + d + "/boat.dat", false},
        {"/D", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileToOpen(c.line), c.opened ? c.line : std::string()) << c.line;
    }
}

}  // namespace
}  // namespace rse
