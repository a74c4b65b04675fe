// rse-radio-sim: a virtual radio on a pseudo-terminal. It speaks the clone protocol with the
// cable's echo, paces its answers like a 9600 baud line and can inject faults for tests.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "files/image_file.h"
#include "image/codec.h"
#include "sim/radio_device.h"

namespace {

using Clock = std::chrono::steady_clock;

volatile sig_atomic_t g_stop = 0;
volatile sig_atomic_t g_next = 0;

void OnStopSignal(int) {
    g_stop = 1;
}

void OnNextSignal(int) {
    g_next = 1;
}

struct Options {
    std::string linkPath;
    std::string imagePath;
    std::vector<std::string> fleet;  // the images of the radios that take turns on the line
    std::string savePath;
    bool echo = true;
    long baud = 9600;
    std::optional<std::uint16_t> model;
    rse::sim::RadioFaults faults;
    bool verbose = false;
};

const char kUsage[] =
    "Usage: rse-radio-sim [OPTIONS]\n"
    "A virtual QM24 VH3400M on a pseudo-terminal. Prints 'READY <device>' when it listens.\n"
    "  --link PATH          also make PATH a symbolic link to the device\n"
    "  --image FILE.hex     the radio's memory (default: the image of a new configuration)\n"
    "  --save FILE.hex      write the memory there after each write command and on exit\n"
    "  --fleet IMAGE...     several radios on one cable, one after another: SIGUSR1 keeps\n"
    "                       the memory of the radio connected now and connects the next\n"
    "                       (prints 'RADIO <n>'; 'NO RADIO' after the last); {n} in --save\n"
    "                       stands for the radio's number; faults count across the radios\n"
    "  --no-echo            the cable does not echo what the program sends\n"
    "  --baud N             pace the answers at N baud (default 9600, 0: no pacing)\n"
    "  --model HEX          report this model code instead of the one in memory\n"
    "  --verbose            log every command on standard error\n"
    "Faults (each may be given several times; COUNT, default 1, is how many times):\n"
    "  --bad-checksum ADDR[:COUNT]  spoil the checksum of the first replies for ADDR\n"
    "  --no-reply ADDR[:COUNT]      leave the first read requests for ADDR unanswered\n"
    "  --no-ack ADDR[:COUNT]        store but do not acknowledge the first writes to ADDR\n"
    "  --lose-write ADDR[:COUNT]    acknowledge but do not store the first writes to ADDR\n"
    "  --cut-after N                close the line (a pulled cable) after N blocks\n"
    "  --junk N                     send N junk bytes before every reply and ACK\n"
    "ADDR and HEX take 0x... for hexadecimal. Stops cleanly on SIGTERM and SIGINT.\n\n"
    "Exit status: 0 after a clean stop, 1 a file, the pseudo-terminal or the line failed,\n"
    "2 wrong usage.\n";

bool ParseNumber(const char* text, long min, long max, long& out) {
    if (text == nullptr || *text == '\0') return false;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 0);
    if (errno != 0 || *end != '\0' || value < min || value > max) return false;
    out = value;
    return true;
}

bool ParseFault(const char* text, std::map<int, int>& fault) {
    std::string s = text ? text : "";
    long count = 1;
    const auto colon = s.find(':');
    if (colon != std::string::npos) {
        if (!ParseNumber(s.c_str() + colon + 1, 1, 1000000, count)) return false;
        s.resize(colon);
    }
    long address = 0;
    if (!ParseNumber(s.c_str(), 0, static_cast<long>(rse::kImageSize) - 1, address)) return false;
    fault[static_cast<int>(address)] += static_cast<int>(count);
    return true;
}

int Usage(const char* problem) {
    std::fprintf(stderr, "rse-radio-sim: %s\n%s", problem, kUsage);
    return 2;
}

// Returns 0 to go on, else the exit status.
int ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        long n = 0;
        auto needs = [&](bool ok) {
            if (ok) ++i;
            return ok;
        };
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return -1;
        } else if (arg == "--no-echo") {
            o.echo = false;
        } else if (arg == "--verbose") {
            o.verbose = true;
        } else if (arg == "--link") {
            if (!needs(value != nullptr)) return Usage("--link needs a path");
            o.linkPath = value;
        } else if (arg == "--image") {
            if (!needs(value != nullptr)) return Usage("--image needs a file");
            o.imagePath = value;
        } else if (arg == "--fleet") {
            while (i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0)
                o.fleet.push_back(argv[++i]);
            if (o.fleet.empty()) return Usage("--fleet needs at least one image");
        } else if (arg == "--save") {
            if (!needs(value != nullptr)) return Usage("--save needs a file");
            o.savePath = value;
        } else if (arg == "--baud") {
            if (!needs(ParseNumber(value, 0, 4000000, n))) return Usage("--baud needs 0..4000000");
            o.baud = n;
        } else if (arg == "--model") {
            std::string hex = value ? value : "";
            if (hex.rfind("0x", 0) != 0 && hex.rfind("0X", 0) != 0) hex = "0x" + hex;
            if (!needs(ParseNumber(hex.c_str(), 0, 0xFFFF, n))) return Usage("--model needs HEX");
            o.model = static_cast<std::uint16_t>(n);
        } else if (arg == "--bad-checksum") {
            if (!needs(ParseFault(value, o.faults.badChecksum))) return Usage("bad --bad-checksum");
        } else if (arg == "--no-reply") {
            if (!needs(ParseFault(value, o.faults.noReply))) return Usage("bad --no-reply");
        } else if (arg == "--no-ack") {
            if (!needs(ParseFault(value, o.faults.noAck))) return Usage("bad --no-ack");
        } else if (arg == "--lose-write") {
            if (!needs(ParseFault(value, o.faults.loseWrite))) return Usage("bad --lose-write");
        } else if (arg == "--cut-after") {
            if (!needs(ParseNumber(value, 0, 1000000, n))) return Usage("--cut-after needs N");
            o.faults.cutAfterBlocks = static_cast<int>(n);
        } else if (arg == "--junk") {
            if (!needs(ParseNumber(value, 0, 1000, n))) return Usage("--junk needs 0..1000");
            o.faults.junkBytes = static_cast<int>(n);
        } else {
            return Usage(("unknown option " + arg).c_str());
        }
    }
    if (!o.fleet.empty() && !o.imagePath.empty())
        return Usage("--image and --fleet exclude each other");
    return 0;
}

// The line back to the program: bytes leave one after another, each taking ten bit times.
class PacedLine {
  public:
    PacedLine(int fd, long baud) : fd_(fd) {
        if (baud > 0) byteTime_ = std::chrono::nanoseconds(10'000'000'000LL / baud);
    }

    void Queue(const std::vector<std::uint8_t>& bytes) {
        auto now = Clock::now();
        for (std::uint8_t b : bytes) {
            const auto start = std::max(now, lineFree_);
            lineFree_ = start + byteTime_;
            pending_.push_back({b, lineFree_});
        }
    }

    // Writes what is due; false when the line is gone.
    bool Flush() {
        const auto now = Clock::now();
        std::vector<std::uint8_t> due;
        for (const auto& p : pending_) {
            if (p.due > now) break;
            due.push_back(p.byte);
        }
        std::size_t done = 0;
        while (done < due.size()) {
            const ssize_t n = ::write(fd_, due.data() + done, due.size() - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && errno == EAGAIN) {
                break;
            } else {
                return false;
            }
        }
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(done));
        return true;
    }

    // Time until the next byte is due; negative when nothing is pending.
    std::chrono::nanoseconds TimeToNext() const {
        if (pending_.empty()) return std::chrono::nanoseconds(-1);
        const auto left = pending_.front().due - Clock::now();
        return std::max(std::chrono::nanoseconds(0),
                        std::chrono::duration_cast<std::chrono::nanoseconds>(left));
    }

    void Drop() { pending_.clear(); }

  private:
    struct Pending {
        std::uint8_t byte;
        Clock::time_point due;
    };
    int fd_;
    std::chrono::nanoseconds byteTime_{0};
    Clock::time_point lineFree_{};
    std::deque<Pending> pending_;
};

// After each write command: a temporary file renamed over the target, without waiting for
// the disk, so a full program of 256 blocks stays fast.
bool SaveQuick(const std::string& path, const rse::MemoryImage& memory) {
    if (path.empty()) return true;
    const std::string temp = path + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    bool ok =
        fd >= 0 && ::write(fd, memory.data(), memory.size()) == static_cast<ssize_t>(memory.size());
    if (fd >= 0) ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        std::fprintf(stderr, "rse-radio-sim: cannot save %s: %s\n", path.c_str(),
                     std::strerror(errno));
        ::unlink(temp.c_str());
    }
    return ok;
}

// On exit: written safely to disk.
bool Save(const std::string& path, const rse::MemoryImage& memory) {
    if (path.empty()) return true;
    const rse::IoResult r = rse::SaveImageFile(path, memory);
    if (!r.ok) {
        std::fprintf(stderr, "rse-radio-sim: cannot save %s: %s\n", path.c_str(),
                     r.description.c_str());
    }
    return r.ok;
}

// The save path of radio n: {n} replaced by its number.
std::string SavePathOf(std::string path, int n) {
    for (std::size_t at = path.find("{n}"); at != std::string::npos; at = path.find("{n}"))
        path.replace(at, 3, std::to_string(n));
    return path;
}

bool LoadMemory(const std::string& path, rse::MemoryImage& memory) {
    if (path.empty()) return true;
    const rse::IoResult r = rse::LoadImageFile(path, memory);
    if (!r.ok) {
        std::fprintf(stderr, "rse-radio-sim: cannot load %s: %s\n", path.c_str(),
                     r.description.c_str());
    }
    return r.ok;
}

void RemoveLink(const std::string& path) {
    struct stat st {};
    if (!path.empty() && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        ::unlink(path.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (const int status = ParseOptions(argc, argv, options); status != 0) {
        return status < 0 ? 0 : status;
    }

    // The radios in turn: one without --fleet.
    std::vector<rse::MemoryImage> memories;
    for (const std::string& path :
         options.fleet.empty() ? std::vector<std::string>{options.imagePath} : options.fleet) {
        memories.push_back(rse::DefaultImage());
        if (!LoadMemory(path, memories.back())) return 1;
    }

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::fprintf(stderr, "rse-radio-sim: cannot create a pseudo-terminal: %s\n",
                     std::strerror(errno));
        return 1;
    }
    const std::string device = ::ptsname(master);
    // Holding the device open keeps the line up while the program closes and reopens it.
    const int keeper = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    termios tio{};
    if (keeper < 0 || ::tcgetattr(keeper, &tio) != 0) {
        std::fprintf(stderr, "rse-radio-sim: cannot open %s: %s\n", device.c_str(),
                     std::strerror(errno));
        return 1;
    }
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(keeper, TCSANOW, &tio);

    if (!options.linkPath.empty()) {
        RemoveLink(options.linkPath);
        if (::symlink(device.c_str(), options.linkPath.c_str()) != 0) {
            std::fprintf(stderr, "rse-radio-sim: cannot make the link %s: %s\n",
                         options.linkPath.c_str(), std::strerror(errno));
            return 1;
        }
    }

    // Signals arrive only while waiting in ppoll, so the flag is never missed.
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGHUP);
    sigaddset(&blocked, SIGUSR1);
    sigset_t waitMask;
    ::sigprocmask(SIG_BLOCK, &blocked, &waitMask);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGINT);
    sigdelset(&waitMask, SIGHUP);
    sigdelset(&waitMask, SIGUSR1);
    struct sigaction sa {};
    sa.sa_handler = OnStopSignal;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGHUP, &sa, nullptr);
    struct sigaction next {};
    next.sa_handler = OnNextSignal;
    sigemptyset(&next.sa_mask);
    ::sigaction(SIGUSR1, &next, nullptr);

    std::printf("READY %s\n", device.c_str());
    std::fflush(stdout);

    std::size_t current = 0;  // the radio on the line; memories.size() when none is left
    std::string savePath = SavePathOf(options.savePath, 1);
    std::optional<rse::sim::RadioDevice> radio;
    radio.emplace(memories[0], options.faults, options.echo, options.model);
    PacedLine line(master, options.baud);
    int status = 0;
    bool cut = false;
    std::vector<std::uint8_t> buffer(4096);
    while (!g_stop) {
        if (g_next) {
            // The radio connected now is unplugged with its memory kept; the next one follows.
            g_next = 0;
            line.Drop();
            if (radio && !Save(savePath, radio->Memory())) status = 1;
            const rse::sim::RadioFaults left = radio ? radio->Faults() : options.faults;
            radio.reset();
            if (current < memories.size()) ++current;
            if (current < memories.size()) {
                radio.emplace(memories[current], left, options.echo, options.model);
                savePath = SavePathOf(options.savePath, static_cast<int>(current) + 1);
                std::printf("RADIO %zu\n", current + 1);
            } else {
                std::printf("NO RADIO\n");
            }
            std::fflush(stdout);
        }
        pollfd pfd{master, POLLIN, 0};
        const auto wait = line.TimeToNext();
        timespec timeout{};
        timespec* timeoutPtr = nullptr;
        if (wait.count() >= 0) {
            timeout.tv_sec = static_cast<time_t>(wait.count() / 1'000'000'000);
            timeout.tv_nsec = static_cast<long>(wait.count() % 1'000'000'000);
            timeoutPtr = &timeout;
        }
        const int ready = ::ppoll(&pfd, 1, timeoutPtr, &waitMask);
        if (ready < 0 && errno != EINTR) {
            std::fprintf(stderr, "rse-radio-sim: poll failed: %s\n", std::strerror(errno));
            status = 1;
            break;
        }
        if (ready > 0 && (pfd.revents & POLLIN) != 0) {
            const ssize_t n = ::read(master, buffer.data(), buffer.size());
            if (n > 0 && radio) {
                rse::sim::RadioOutput out;
                radio->Receive(
                    std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(n)), out);
                line.Queue(out.bytes);
                if (options.verbose && radio->CommandsServed() > 0) {
                    std::fprintf(stderr, "rse-radio-sim: %d commands, %d blocks\n",
                                 radio->CommandsServed(), radio->BlocksServed());
                }
                if (out.memoryWritten) SaveQuick(savePath, radio->Memory());
                if (out.cutLine) {
                    std::fprintf(stderr, "rse-radio-sim: line cut after %d blocks\n",
                                 radio->BlocksServed());
                    cut = true;
                    break;
                }
            }
        }
        if (!line.Flush()) {
            std::fprintf(stderr, "rse-radio-sim: the line failed: %s\n", std::strerror(errno));
            status = 1;
            break;
        }
    }
    if (cut) line.Drop();
    ::close(master);
    ::close(keeper);
    RemoveLink(options.linkPath);
    if (radio && !Save(savePath, radio->Memory())) status = 1;
    return status;
}
