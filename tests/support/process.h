// Starting programs from tests (rse-cli, rse-radio-sim, pdftotext) with deadlines everywhere,
// so that a test can fail but never hang.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>
#include <vector>

#include "support.h"

extern char** environ;

namespace rse::test {

using namespace std::chrono_literals;

class Process {
  public:
    // Starts argv[0] (a path); standard output goes to outPath, or to a pipe that ReadLine
    // reads when outPath is empty; standard error goes to errPath, or into that pipe too when
    // both are empty. Standard input is empty, or with `input` a pipe that Input writes.
    Process(std::vector<std::string> argv, const fs::path& outPath, const fs::path& errPath,
            bool input = false) {
        std::vector<char*> args;
        for (auto& a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        int in[2] = {-1, -1};
        if (input && ::pipe(in) == 0) {
            posix_spawn_file_actions_adddup2(&actions, in[0], 0);
            posix_spawn_file_actions_addclose(&actions, in[0]);
            posix_spawn_file_actions_addclose(&actions, in[1]);
        } else {
            posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        }
        int fds[2] = {-1, -1};
        if (!outPath.empty()) {
            posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
        } else if (::pipe(fds) == 0) {
            posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
            if (errPath.empty()) posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
            posix_spawn_file_actions_addclose(&actions, fds[0]);
            posix_spawn_file_actions_addclose(&actions, fds[1]);
        }
        if (!errPath.empty()) {
            posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
        }
        if (::posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        if (fds[1] >= 0) ::close(fds[1]);
        out_ = fds[0];
        if (in[0] >= 0) ::close(in[0]);
        in_ = in[1];
    }
    ~Process() {
        Signal(SIGTERM);
        if (Wait(10s) < 0) {
            Signal(SIGKILL);
            Wait(10s);
        }
        if (out_ >= 0) ::close(out_);
        CloseInput();
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    void Signal(int sig) const {
        if (pid_ > 0 && status_ < 0) ::kill(pid_, sig);
    }

    // One line of the piped standard output, or "" when none came within the time.
    std::string ReadLine(std::chrono::milliseconds limit) {
        std::string line;
        return ReadRawLine(std::chrono::steady_clock::now() + limit, line) ? line : std::string();
    }

    // The piped output's lines, each ended by '\n', up to and with the first that starts with
    // `start` (an empty `start`: to the end); what came, when the output ended or the time ran
    // out first.
    std::string ReadUntil(const std::string& start, std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        std::string text;
        for (std::string line; ReadRawLine(deadline, line);) {
            text += line + '\n';
            if (!start.empty() && line.starts_with(start)) break;
        }
        return text;
    }

    // Writes to the standard input pipe; CloseInput ends the input.
    void Input(const std::string& text) {
        if (in_ >= 0 && ::write(in_, text.data(), text.size()) < 0) CloseInput();
    }
    void CloseInput() {
        if (in_ >= 0) ::close(in_);
        in_ = -1;
    }

    // The exit status (128 + signal when killed), or -1 when it did not end in time.
    int Wait(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (pid_ > 0 && status_ < 0) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            } else if (std::chrono::steady_clock::now() > deadline) {
                return -1;
            } else {
                std::this_thread::sleep_for(10ms);
            }
        }
        return status_;
    }

  private:
    // One whole line of the piped output into `line`; false at its end or the deadline.
    bool ReadRawLine(std::chrono::steady_clock::time_point deadline, std::string& line) {
        line.clear();
        for (char c = 0; out_ >= 0;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd pfd{out_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&pfd, 1, static_cast<int>(left.count())) <= 0) break;
            if (::read(out_, &c, 1) != 1) break;
            if (c == '\n') return true;
            line += c;
        }
        return false;
    }

    pid_t pid_ = -1;
    int out_ = -1;
    int in_ = -1;
    int status_ = -1;
};

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs a program to its end; its standard streams are kept in `scratch`.
inline ProcessResult RunProgram(const std::vector<std::string>& argv, const fs::path& scratch) {
    ProcessResult r;
    {
        Process p(argv, scratch / ".stdout", scratch / ".stderr");
        r.status = p.Wait(120s);
    }
    r.out = ReadText(scratch / ".stdout");
    r.err = ReadText(scratch / ".stderr");
    return r;
}

#ifdef RSE_RADIO_SIM
// A running virtual radio whose memory comes from DIR/radio.hex and is saved to DIR/saved.hex
// after every write; unpaced unless the extra arguments give a baud rate.
class Sim {
  public:
    Sim(const TempDir& dir, std::vector<std::string> extra = {})
        : Sim(dir,
              {RSE_RADIO_SIM, "--baud", "0", "--image", dir.File("radio.hex"), "--save",
               dir.File("saved.hex")},
              {}, extra) {}
    // Several radios one after another, from these images, each saved to DIR/saved-N.hex.
    struct Fleet {
        std::vector<std::string> images;
    };
    Sim(const TempDir& dir, const Fleet& fleet, std::vector<std::string> extra = {})
        : Sim(dir, {RSE_RADIO_SIM, "--baud", "0", "--save", dir.File("saved-{n}.hex"), "--fleet"},
              fleet.images, extra) {}
    // Connects the next radio of a fleet: "RADIO n", or "NO RADIO" after the last.
    std::string Next() {
        process_.Signal(SIGUSR1);
        return process_.ReadLine(20s);
    }
    const std::string& Device() const { return device_; }
    std::string Errors() const { return ReadText(errPath_); }
    // Stops the radio cleanly; its exit status.
    int Stop() {
        process_.Signal(SIGTERM);
        return process_.Wait(20s);
    }

  private:
    Sim(const TempDir& dir, std::vector<std::string> args, const std::vector<std::string>& images,
        const std::vector<std::string>& extra)
        : errPath_(dir.Path() / "sim.err"), process_(Join(args, images, extra), {}, errPath_) {
        const std::string line = process_.ReadLine(20s);
        if (line.rfind("READY ", 0) == 0) device_ = line.substr(6);
    }
    static std::vector<std::string> Join(std::vector<std::string> args,
                                         const std::vector<std::string>& images,
                                         const std::vector<std::string>& extra) {
        args.insert(args.end(), images.begin(), images.end());
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }
    fs::path errPath_;
    Process process_;
    std::string device_;
};
#endif

}  // namespace rse::test
