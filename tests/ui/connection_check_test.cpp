// Options > SerialPort > Check Connection... against the virtual radio and a missing device:
// the findings and the summary, the buttons while it runs, Cancel, the close box, and a dialog
// that goes while its check runs. And the facts of this Linux system the check reads, from small
// made-up trees: the process's groups, the processes and the devices they hold, lock files, USB
// adapters behind serial devices, and installed programs (ModemManager, brltty).
#include <algorithm>

#include <QPushButton>
#include <QTextBrowser>

#include "files/image_file.h"
#include "process.h"
#include "qt/system_facts_posix.h"
#include "ui/dialogs/connection_check_dialog.h"
#include "ui_test_support.h"

namespace rse::test {
namespace {

class ConnectionCheckTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(SaveImageFile(dir.File("radio.hex"), DefaultImage()).ok); }
    TempDir dir;
};

TEST_F(ConnectionCheckTest, ShowsFindingsAndStopsWhenAsked) {
    enum class Act { Nothing, Cancel, CloseBox };  // the close box also closes the dialog
    struct Case {
        const char* name;
        bool radio;  // false: a device that does not exist
        Act act;
        const char* summary;  // how the heading ends
        const char* line;     // a finding shown; "" for none
    };
    // clang-format off
    const Case cases[] = {
        {"sound radio", true, Act::Nothing, "No problem found.", "answers the model check"},
        {"no such device", false, Act::Nothing, "problem found. Select a fix to copy it.", "does not exist"},
        {"Cancel while it runs", true, Act::Cancel, "Cancelled.", ""},
        {"close box while it runs", true, Act::CloseBox, "Cancelled.", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sim sim(dir);
        ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
        const QString device = QString::fromStdString(c.radio ? sim.Device() : dir.File("ttyUSB9"));
        ConnectionCheckDialog dialog(device, QStringLiteral("COM2"), false);
        dialog.show();
        auto* again = Find<QPushButton>(&dialog, "cmdCheckAgain");
        auto* close = Find<QPushButton>(&dialog, "cmdClose");
        auto* heading = Find<QLabel>(&dialog, "lblCheckHeading");
        int finished = 0;
        QObject::connect(&dialog, &ConnectionCheckDialog::checkFinished, [&] { ++finished; });
        dialog.Start();
        EXPECT_TRUE(dialog.Running());
        EXPECT_FALSE(again->isEnabled());
        EXPECT_EQ(close->text(), "Cancel");
        EXPECT_TRUE(heading->text().endsWith(QLatin1String("Checking...")));
        if (c.act == Act::Cancel) QTest::mouseClick(close, Qt::LeftButton);
        if (c.act == Act::CloseBox) dialog.close();
        EXPECT_TRUE(dialog.isVisible());  // until the check has stopped
        ASSERT_TRUE(QTest::qWaitFor([&] { return finished == 1; }, 30000));
        EXPECT_FALSE(dialog.Running());
        EXPECT_TRUE(heading->text().startsWith(QStringLiteral("<b>COM2</b> (%1): ").arg(device)))
            << heading->text().toStdString();
        EXPECT_TRUE(heading->text().endsWith(QLatin1String(c.summary)))
            << heading->text().toStdString();
        const QString results = Find<QTextBrowser>(&dialog, "txtCheckResults")->toPlainText();
        EXPECT_TRUE(results.contains(QLatin1String(c.line))) << results.toStdString();
        EXPECT_EQ(dialog.isVisible(), c.act != Act::CloseBox);
        if (c.act != Act::CloseBox) {
            EXPECT_TRUE(again->isEnabled());
            EXPECT_EQ(close->text(), "Close");
            QTest::mouseClick(close, Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible());
        }
        EXPECT_EQ(sim.Stop(), 0) << sim.Errors();
    }
}

TEST_F(ConnectionCheckTest, ADialogThatGoesWhileItsCheckRunsStopsIt) {
    Sim sim(dir, {"--baud", "9600"});
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    const QString device = QString::fromStdString(sim.Device());
    {
        ConnectionCheckDialog dialog(device, QStringLiteral("COM1"), false);
        dialog.Start();
        ASSERT_TRUE(dialog.Running());
    }
    // The port was let go: a second check gets through to the radio.
    ConnectionCheckDialog again(device, QStringLiteral("COM1"), false);
    bool finished = false;
    QObject::connect(&again, &ConnectionCheckDialog::checkFinished, [&] { finished = true; });
    again.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 30000));
    EXPECT_EQ(again.Summary(), "No problem found.");
    EXPECT_EQ(sim.Stop(), 0) << sim.Errors();
}

// A tree standing for the root folder: files with their text, and symbolic links.
class Tree {
  public:
    Tree& File(const std::string& path, const std::string& text = {}) {
        const fs::path p = Path(path);
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
        return *this;
    }
    Tree& Link(const std::string& path, const std::string& target) {
        const fs::path p = Path(path);
        fs::create_directories(p.parent_path());
        fs::create_symlink(target, p);
        return *this;
    }
    Tree& Folder(const std::string& path) {
        fs::create_directories(Path(path));
        return *this;
    }
    std::string Root() const { return dir_.Path().string(); }

  private:
    fs::path Path(const std::string& path) const { return dir_.Path() / path.substr(1); }
    TempDir dir_;
};

TEST(SystemFacts, GroupsOfThisProcess) {
    struct Case {
        const char* name;
        std::string status;
        std::vector<unsigned> groups;  // the effective group first
    };
    const Case cases[] = {
        {"effective and supplementary",
         "Name:\trse\nUid:\t1000\t1000\t1000\t1000\nGid:\t1000\t1001\t1001\t1001\n"
         "Groups:\t20 24 1000 \n",
         {1001, 20, 24, 1000}},
        {"no supplementary group", "Gid:\t0\t0\t0\t0\nGroups:\t\n", {0}},
        {"no status", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Tree tree;
        if (!c.status.empty()) tree.File("/proc/self/status", c.status);
        EXPECT_EQ(PosixSystemFacts(tree.Root()).Self().processGroups, c.groups);
    }
}

TEST(SystemFacts, ProcessesAndTheDevicesTheyHold) {
    Tree tree;
    tree.File("/proc/310/comm", "ModemManager\n")
        .Link("/proc/310/fd/0", "/dev/null")
        .Link("/proc/310/fd/7", "/dev/ttyUSB0")
        .Link("/proc/310/fd/8", "socket:[4711]")
        .File("/proc/422/comm", "rse-radio-sim\n")
        .Link("/proc/422/fd/3", "/dev/ptmx")
        .File("/proc/422/fdinfo/3", "pos:\t0\nflags:\t0100002\ntty-index:\t7\n")
        .File("/proc/423/comm", "gone\n")  // ended while the list was read: no fd folder
        .Folder("/proc/self/fd")
        .Folder("/proc/sys");
    std::vector<ProcessInfo> list = PosixSystemFacts(tree.Root()).Processes();
    std::sort(list.begin(), list.end(), [](auto& a, auto& b) { return a.pid < b.pid; });
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].pid, 310);
    EXPECT_EQ(list[0].command, "ModemManager");
    std::vector<std::string> held;
    for (const OpenFile& f : list[0].files)
        held.push_back(f.target);
    std::sort(held.begin(), held.end());
    EXPECT_EQ(held, (std::vector<std::string>{"/dev/null", "/dev/ttyUSB0"}));
    EXPECT_EQ(list[1].command, "rse-radio-sim");
    ASSERT_EQ(list[1].files.size(), 1u);
    EXPECT_EQ(list[1].files[0].ptyIndex, 7);
}

TEST(SystemFacts, LockFilesUsbAdaptersAndPrograms) {
    Tree tree;
    const std::string usb = "/sys/devices/pci0000:00/0000:00:14.0/usb1";
    tree.File("/var/lock/LCK..ttyUSB0", "      4242\n")
        .Folder("/var/lock/LCK..ttyUSB1")
        .File(usb + "/idVendor", "1d6b\n")
        .File(usb + "/idProduct", "0002\n")
        .File(usb + "/1-2/idVendor", "0403\n")
        .File(usb + "/1-2/idProduct", "6001\n")
        .Folder(usb + "/1-2/1-2:1.0/ttyUSB0")
        .Link("/sys/class/tty/ttyUSB0/device", "../../../.." + usb + "/1-2/1-2:1.0")
        .File("/sys/devices/platform/uart.0/idVendor", "zz\n")
        .File("/sys/devices/platform/uart.0/idProduct", "0001\n")
        .Link("/sys/class/tty/ttyUSB1/device", "../../../../sys/devices/platform/uart.0")
        .Link("/sys/bus/usb/devices/usb1", "../../../.." + usb)
        .Link("/sys/bus/usb/devices/1-2", "../../../.." + usb + "/1-2")
        .Link("/sys/bus/usb/devices/1-2:1.0", "../../../.." + usb + "/1-2/1-2:1.0")
        .File("/usr/sbin/ModemManager")
        .File("/bin/brltty");
    PosixSystemFacts facts(tree.Root());

    EXPECT_EQ(facts.ReadLockFile("/var/lock/LCK..ttyUSB0"), "      4242\n");
    EXPECT_EQ(facts.ReadLockFile("/var/lock/LCK..ttyUSB1"), std::nullopt);  // a folder
    EXPECT_EQ(facts.ReadLockFile("/run/lock/LCK..ttyUSB0"), std::nullopt);

    const struct {
        const char* device;
        std::optional<UsbId> id;
    } adapters[] = {{"/dev/ttyUSB0", UsbId{0x0403, 0x6001}},
                    {"/dev/ttyUSB1", std::nullopt},  // an id that is not a number
                    {"/dev/ttyS0", std::nullopt}};
    for (const auto& a : adapters)
        EXPECT_EQ(facts.UsbIdOf(a.device), a.id) << a.device;

    std::vector<UsbId> plugged = facts.UsbDevices();
    std::sort(plugged.begin(), plugged.end(),
              [](const UsbId& a, const UsbId& b) { return a.vendor < b.vendor; });
    EXPECT_EQ(plugged, (std::vector<UsbId>{{0x0403, 0x6001}, {0x1d6b, 0x0002}}));

    for (const auto& [program, installed] :
         {std::pair{"ModemManager", true}, std::pair{"brltty", true}, std::pair{"udevd", false}})
        EXPECT_EQ(facts.PackageInstalled(program), installed) << program;
}

}  // namespace
}  // namespace rse::test
