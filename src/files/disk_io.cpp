#include "files/disk_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <system_error>

namespace rse {

namespace {

IoResult ErrnoFailure(int err) {
    return IoResult::Failure(err, std::error_code(err, std::generic_category()).message());
}

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a write to `path` must replace: the final target of a symbolic link.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    }
    return path;
}

}  // namespace

IoResult ReadWholeFile(const std::string& path, std::string& out, std::size_t maxSize) {
    // Non-blocking open so that a FIFO without a writer cannot hang the program.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) return ErrnoFailure(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return ErrnoFailure(errno);
    if (S_ISDIR(st.st_mode)) return ErrnoFailure(EISDIR);
    if (!S_ISREG(st.st_mode)) return IoResult::Failure(EINVAL, "Not a regular file");
    if (static_cast<std::size_t>(st.st_size) > maxSize) {
        return IoResult::Failure(EFBIG, "File too large");
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);

    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            return ErrnoFailure(errno);
        }
        if (n == 0) break;
        if (data.size() + static_cast<std::size_t>(n) > maxSize) {
            return IoResult::Failure(EFBIG, "File too large");
        }
        data.append(buf, static_cast<std::size_t>(n));
    }
    out = std::move(data);
    return {};
}

namespace {

// Writes `data` to a new temporary file in `folder`, flushed to disk; its path in tmp.
IoResult WriteTemporary(const std::string& folder, const std::string& base, std::string_view data,
                        const struct stat* keepMode, std::string& tmp) {
    std::random_device rd;
    int fdNum = -1;
    for (int attempt = 0; attempt < 100 && fdNum < 0; ++attempt) {
        tmp = folder + "/." + base + "." + std::to_string(rd() % 1000000u) + ".tmp";
        // Mode 0666 lets the umask decide the permissions of a new file.
        fdNum = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fdNum < 0 && errno != EEXIST) return ErrnoFailure(errno);
    }
    if (fdNum < 0) return ErrnoFailure(EEXIST);
    Fd fd(fdNum);

    auto fail = [&](int err) {
        ::close(fd.release());
        ::unlink(tmp.c_str());
        return ErrnoFailure(err);
    };

    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd.get(), p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (keepMode != nullptr) ::fchmod(fd.get(), keepMode->st_mode & 07777);
    if (::fsync(fd.get()) != 0) return fail(errno);
    if (::close(fd.release()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return ErrnoFailure(err);
    }
    return {};
}

// Makes a completed rename durable; a failure here does not undo the write.
void SyncFolder(const std::string& folder) {
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

IoResult WriteFileAtomic(const std::string& requested, std::string_view data) {
    const std::string path = ResolveTarget(requested);
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return ErrnoFailure(EISDIR);

    const std::string folder = FolderOf(path);
    std::string tmp;
    if (IoResult r =
            WriteTemporary(folder, BaseNameOf(path), data, exists ? &existing : nullptr, tmp);
        !r.ok) {
        return r;
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return ErrnoFailure(err);
    }
    SyncFolder(folder);
    return {};
}

IoResult WriteNewFileAtomic(const std::string& path, std::string_view data) {
    const std::string folder = FolderOf(path);
    std::string tmp;
    if (IoResult r = WriteTemporary(folder, BaseNameOf(path), data, nullptr, tmp); !r.ok) {
        return r;
    }
    // A hard link fails when the name is taken, so an existing file is never replaced; where
    // the file system has no hard links, a rename that refuses to replace does the same.
    int linked = ::link(tmp.c_str(), path.c_str());
    if (linked != 0 && (errno == EPERM || errno == ENOTSUP || errno == EMLINK)) {
        linked = ::renameat2(AT_FDCWD, tmp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE);
    }
    if (linked != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return ErrnoFailure(err);
    }
    ::unlink(tmp.c_str());
    SyncFolder(folder);
    return {};
}

}  // namespace rse
