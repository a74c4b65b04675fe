// Starting rse-radio-sim and other programs from tests, with deadlines everywhere so a test
// can fail but never hang.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace rse::test {

namespace fs = std::filesystem;

inline std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A fresh folder for one test, removed afterwards.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "rse-link-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    fs::path operator/(const std::string& name) const { return path_ / name; }

  private:
    fs::path path_;
};

class Process {
  public:
    // Starts program with args; stdout goes to a pipe when pipeStdout, stderr to errPath.
    Process(const std::string& program, const std::vector<std::string>& args, bool pipeStdout,
            const fs::path& errPath) {
        std::vector<std::string> all{program};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        int pipeFds[2] = {-1, -1};
        if (pipeStdout && ::pipe(pipeFds) == 0) {
            posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
            posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
            posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
        }
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        if (pipeFds[1] >= 0) ::close(pipeFds[1]);
        out_ = pipeFds[0];
    }
    ~Process() {
        Stop();
        if (out_ >= 0) ::close(out_);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return pid_ > 0; }
    void Signal(int sig) const {
        if (pid_ > 0 && !exited_) ::kill(pid_, sig);
    }

    // One line of standard output, or "" when none came within the time.
    std::string ReadLine(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        std::string line;
        while (out_ >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return {};
            pollfd pfd{out_, POLLIN, 0};
            if (::poll(&pfd, 1, static_cast<int>(left.count())) <= 0) continue;
            char c = 0;
            if (::read(out_, &c, 1) != 1) return {};
            if (c == '\n') return line;
            line += c;
        }
        return {};
    }

    // The exit status, or -1 when it did not end in time (it is then killed).
    int Wait(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!exited_) {
            int status = 0;
            const pid_t r = ::waitpid(pid_, &status, WNOHANG);
            if (r == pid_) {
                exited_ = true;
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                break;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                Stop();
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return status_;
    }

    // Ends the process: SIGTERM, then SIGKILL if it does not go.
    void Stop() {
        if (pid_ <= 0 || exited_) return;
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 500 && !exited_; ++i) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        exited_ = true;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    bool exited_ = false;
    int status_ = -1;
};

// Arguments of an unpaced virtual radio whose memory comes from DIR/radio.hex and is saved to
// DIR/saved.hex, followed by `extra`.
inline std::vector<std::string> SimArgs(const TempDir& dir, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"--baud",  "0",
                                  "--image", (dir / "radio.hex").string(),
                                  "--save",  (dir / "saved.hex").string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

// A running rse-radio-sim and the device it listens on.
class Sim {
  public:
    Sim(const TempDir& dir, std::vector<std::string> args)
        : process_(RSE_RADIO_SIM, args, true, dir / "sim.err"), errPath_(dir / "sim.err") {
        const std::string line = process_.ReadLine(std::chrono::seconds(20));
        if (line.rfind("READY ", 0) == 0) device_ = line.substr(6);
    }
    const std::string& Device() const { return device_; }
    // Stops the radio cleanly; its exit status.
    int Stop() {
        process_.Signal(SIGTERM);
        return process_.Wait(std::chrono::seconds(20));
    }
    std::string Errors() const { return ReadText(errPath_); }

  private:
    Process process_;
    fs::path errPath_;
    std::string device_;
};

}  // namespace rse::test
