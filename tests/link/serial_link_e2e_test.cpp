// The clone protocol on a real serial port (a pseudo-terminal) against rse-radio-sim.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <memory>

#include "files/image_file.h"
#include "image/codec.h"
#include "link/clone_protocol.h"
#include "process_support.h"
#include "qt/serial_link.h"

namespace rse::test {
namespace {

MemoryImage PatternImage() {
    MemoryImage image = DefaultImage();
    for (std::size_t i = 2; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 13 + 1);
    return image;
}

struct Port {
    explicit Port(const std::string& device, bool skipReceive = false)
        : link(QString::fromStdString(device)) {
        env.settings.SkipReceive = skipReceive;
        env.showProgress = [this](int p) { progress.push_back(p); };
    }
    QtSerialLink link;
    SteadyClock clock;
    std::atomic<bool> cancel{false};
    std::vector<int> progress;
    LinkEnvironment env{link, clock, cancel};
};

class SerialLinkE2E : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SaveImageFile((dir / "radio.hex").string(), PatternImage()).ok);
    }
    std::vector<std::string> Args(std::vector<std::string> extra) const {
        return SimArgs(dir, std::move(extra));
    }
    MemoryImage Saved() const {
        MemoryImage image{};
        EXPECT_TRUE(LoadImageFile((dir / "saved.hex").string(), image).ok);
        return image;
    }
    TempDir dir;
};

TEST_F(SerialLinkE2E, ReadProgramAndClearOnOnePort) {
    Sim sim(dir, Args({}));
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    Port port(sim.Device());

    // Each step opens and closes the port: the radio must serve all of them in a row.
    const ReadRadioResult read = CloneProtocol(port.env).ReadRadio(DefaultImage());
    ASSERT_TRUE(read.outcome.Succeeded()) << read.outcome.message->FullText();
    EXPECT_EQ(read.image, PatternImage());
    EXPECT_EQ(port.progress.size(), 257u);
    EXPECT_FALSE(port.link.IsOpen());

    MemoryImage image = DefaultImage();
    image[0x123] = 0x45;
    image[addr::kMmsiEntryCount] = 3;
    const TransferOutcome programmed = CloneProtocol(port.env).ProgramRadio(image);
    ASSERT_TRUE(programmed.Succeeded()) << programmed.message->FullText();
    EXPECT_EQ(Saved(), image);

    const ClearCountResult cleared = CloneProtocol(port.env).ClearCount(image);
    ASSERT_TRUE(cleared.outcome.Succeeded()) << cleared.outcome.message->FullText();
    EXPECT_EQ(cleared.image[addr::kMmsiEntryCount], 0);
    image[addr::kMmsiEntryCount] = 0;
    EXPECT_EQ(Saved(), image);
    EXPECT_EQ(sim.Stop(), 0);
}

TEST_F(SerialLinkE2E, InjectedFaultsAreRetried) {
    Sim sim(dir, Args({"--bad-checksum", "0x100", "--bad-checksum", "0x0", "--no-reply", "0x200",
                       "--no-ack", "0x300", "--junk", "5"}));
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    Port port(sim.Device());
    const ReadRadioResult read = CloneProtocol(port.env).ReadRadio(DefaultImage());
    ASSERT_TRUE(read.outcome.Succeeded()) << read.outcome.message->FullText();
    EXPECT_EQ(read.image, PatternImage());
    const TransferOutcome programmed = CloneProtocol(port.env).ProgramRadio(DefaultImage());
    ASSERT_TRUE(programmed.Succeeded()) << programmed.message->FullText();
    EXPECT_EQ(Saved(), DefaultImage());
}

TEST_F(SerialLinkE2E, FailuresAreReportedAndLeaveTheImage) {
    const MemoryImage before = DefaultImage();
    {
        // Block 100 answers with a bad checksum every time.
        Sim sim(dir, Args({"--bad-checksum", "0x640:2"}));
        Port port(sim.Device());
        const ReadRadioResult read = CloneProtocol(port.env).ReadRadio(before);
        EXPECT_EQ(read.outcome.status, TransferStatus::Failed);
        EXPECT_EQ(read.image, before);
        ASSERT_TRUE(read.outcome.message);
        EXPECT_EQ(read.outcome.message->text, "CommunicatiOn Error!!");
        EXPECT_EQ(read.outcome.message->title, "Read from Radio");
        EXPECT_NE(read.outcome.message->detail.find("0x0640"), std::string::npos);
        EXPECT_EQ(port.progress.back(), BlockProgress(0x640));
    }
    {
        Sim sim(dir, Args({"--model", "0D49"}));
        Port port(sim.Device());
        const TransferOutcome outcome = CloneProtocol(port.env).ProgramRadio(before);
        ASSERT_TRUE(outcome.message);
        EXPECT_EQ(outcome.message->text, "ModelName Error !!");
        EXPECT_EQ(Saved(), PatternImage());  // nothing written
    }
    {
        Port port((dir / "no-such-port").string());
        const ReadRadioResult read = CloneProtocol(port.env).ReadRadio(before);
        EXPECT_EQ(read.outcome.status, TransferStatus::Failed);
        ASSERT_TRUE(read.outcome.message);
        EXPECT_EQ(read.outcome.message->text, "CommunicatiOn Error!!");
        EXPECT_NE(read.outcome.message->detail.find("no-such-port"), std::string::npos);
    }
}

TEST_F(SerialLinkE2E, PulledCableEndsInAClearErrorNotAHang) {
    Sim sim(dir, Args({"--cut-after", "100"}));
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    Port port(sim.Device());
    const auto start = std::chrono::steady_clock::now();
    const ReadRadioResult read = CloneProtocol(port.env).ReadRadio(DefaultImage());
    EXPECT_EQ(read.outcome.status, TransferStatus::Failed);
    EXPECT_EQ(read.image, DefaultImage());
    ASSERT_TRUE(read.outcome.message);
    EXPECT_EQ(read.outcome.message->text, "CommunicatiOn Error!!");
    EXPECT_NE(read.outcome.message->detail.find("lost: the line hung up"), std::string::npos)
        << read.outcome.message->detail;
    // Not the full round of time-outs of a silent radio.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST_F(SerialLinkE2E, CableWithoutEcho) {
    Sim sim(dir, Args({"--no-echo"}));
    Port port(sim.Device(), true);
    const ReadRadioResult read = CloneProtocol(port.env).ReadRadio(DefaultImage());
    ASSERT_TRUE(read.outcome.Succeeded()) << read.outcome.message->FullText();
    EXPECT_EQ(read.image, PatternImage());
}

TEST_F(SerialLinkE2E, SymbolicLinkToTheDevice) {
    const std::string linkPath = (dir / "ttyRADIO").string();
    Sim sim(dir, Args({"--link", linkPath}));
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    EXPECT_EQ(fs::read_symlink(linkPath).string(), sim.Device());
    Port port(linkPath);
    EXPECT_TRUE(CloneProtocol(port.env).CheckModel().Succeeded());
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(linkPath)));
}

TEST(PortPath, ComNamesMapToUsbAdaptersOthersAreTakenAsTheyStand) {
    EXPECT_EQ(PortPathFor(QStringLiteral("COM1")), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(PortPathFor(QStringLiteral("com4")), QStringLiteral("/dev/ttyUSB3"));
    EXPECT_EQ(PortPathFor(QStringLiteral("COM2"),
                          {QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyACM0")}),
              QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(PortPathFor(QStringLiteral("COM3"), {QStringLiteral("/dev/ttyS0")}),
              QStringLiteral("/dev/ttyUSB2"));
    EXPECT_EQ(PortPathFor(QStringLiteral("COM5")), QStringLiteral("COM5"));
    EXPECT_EQ(PortPathFor(QStringLiteral("/dev/pts/7")), QStringLiteral("/dev/pts/7"));
}

TEST_F(SerialLinkE2E, CancelFromAnotherThreadStopsAPacedRead) {
    // At 9600 baud a read takes about 13 s: plenty of time to cancel it in the middle.
    Sim sim(dir, {"--image", (dir / "radio.hex").string()});
    ASSERT_FALSE(sim.Device().empty()) << sim.Errors();
    Port port(sim.Device());
    std::atomic<int> lastProgress{-1};
    port.env.showProgress = [&lastProgress](int p) { lastProgress = p; };
    ReadRadioResult result;
    std::unique_ptr<QThread> worker(
        QThread::create([&] { result = CloneProtocol(port.env).ReadRadio(DefaultImage()); }));
    worker->start();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (lastProgress < 3 && !worker->isFinished() &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    port.cancel = true;
    const auto cancelledAt = std::chrono::steady_clock::now();
    ASSERT_TRUE(worker->wait(QDeadlineTimer(60000)));
    EXPECT_LT(std::chrono::steady_clock::now() - cancelledAt, std::chrono::seconds(5));
    EXPECT_EQ(result.outcome.status, TransferStatus::Cancelled);
    EXPECT_FALSE(result.outcome.message);
    EXPECT_EQ(result.image, DefaultImage());
    EXPECT_LT(lastProgress, 100);

    // The port was closed and opens again. The radio may still be sending the rest of the
    // answer that was cut short, which can spoil the first check: try until it is quiet.
    port.cancel = false;
    port.env.showProgress = {};
    TransferOutcome check;
    for (int i = 0; i < 5 && !check.Succeeded(); ++i)
        check = CloneProtocol(port.env).CheckModel();
    EXPECT_TRUE(check.Succeeded()) << check.message->FullText();
}

}  // namespace
}  // namespace rse::test

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
