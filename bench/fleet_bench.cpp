// The identity guard's cost and a fleet radio's time against the virtual radio (or a real
// one) on DEVICE, at the line's own rate: bench/fleet_transfer.sh starts the radio.
//   rse_fleet_bench DEVICE BAUD
#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "image/codec.h"
#include "link/clone_protocol.h"
#include "link/fleet.h"
#include "qt/serial_link.h"

namespace {

using Seconds = std::chrono::duration<double>;

template <typename F>
double Time(F f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return Seconds(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: rse_fleet_bench DEVICE BAUD\n");
        return 2;
    }
    QCoreApplication app(argc, argv);  // the serial port's notifiers need one
    const double baud = std::atof(argv[2]);
    rse::QtSerialLink link(QString::fromLocal8Bit(argv[1]));
    rse::SteadyClock clock;
    std::atomic<bool> cancel{false};
    rse::LinkEnvironment env{link, clock, cancel};

    // The guard: the identity block read after the model check (port opened and closed).
    constexpr int kRounds = 20;
    double guard = 0, worst = 0;
    for (int i = 0; i < kRounds; ++i) {
        rse::MemoryImage held{};
        rse::CloneProtocol protocol(env);
        double t = 0;
        bool ok = false;
        t = Time([&] { ok = protocol.ReadIdentity(held).Succeeded(); });
        if (!ok) {
            std::fprintf(stderr, "the identity read failed\n");
            return 1;
        }
        guard += t;
        worst = std::max(worst, t);
    }
    // One read-block exchange on the line: the frame's echo (10 bytes) and the reply (38).
    const double frameLine = baud > 0 ? 48 * 10 / baud : 0;
    std::printf("identity guard: mean %.3f s, worst %.3f s over %d programs (line time %.3f s)\n",
                guard / kRounds, worst, kRounds, frameLine);

    // A fleet radio: read, program, read back, against three transfers at line rate.
    rse::Configuration config;
    rse::MemoryImage image{};
    rse::InitialiseConfiguration(config, image);
    config.SETCOM.KeyBeep = !config.SETCOM.KeyBeep;  // something to change
    rse::FleetRadio radio;
    const double fleet = Time([&] { radio = rse::ProgramFleetRadio(env, config, true, {}); });
    if (radio.result != rse::FleetResult::Verified) {
        std::fprintf(stderr, "the fleet radio was not verified\n");
        return 1;
    }
    // The same three transfers one after another, without the fleet around them.
    const double plain = Time([&] {
        rse::ImageOutcome before = rse::CloneProtocol(env).ReadRadio(image);
        rse::CloneProtocol(env).ProgramRadio(before.image);
        rse::CloneProtocol(env).ReadRadio(image);
    });
    std::printf("fleet radio: %.2f s, the three transfers alone %.2f s, over %+.1f %%\n", fleet,
                plain, (fleet - plain) / plain * 100);
    const double check = 2 * (10 + 8), read = check + 256 * (10 + 38);
    const double program = check + 256 * (42 + 1);
    const double lineBytes = 2 * read + program;
    if (baud > 0) {
        const double limit = lineBytes * 10 / baud + 3 * 0.5;  // and three closing pauses
        std::printf("fleet radio: %.2f s, three transfers at line rate %.2f s, over %+.1f %%\n",
                    fleet, limit, (fleet - limit) / limit * 100);
        std::printf("three transfers alone: over the line rate %+.1f %%\n",
                    (plain - limit) / limit * 100);
    } else {
        std::printf("fleet radio: %.2f s (no pacing; 1.50 s of it closing pauses)\n", fleet);
    }
    return 0;
}
