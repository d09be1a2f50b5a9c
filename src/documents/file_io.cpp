#include "documents/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace stelvar {
namespace {

[[noreturn]] void Fail(const char* what, const std::filesystem::path& file, int error) {
    throw FileError(std::string("cannot ") + what + " '" + file.string() + "': " +
                    std::strerror(error));
}

// Closes the descriptor and removes the half-written file unless the rename succeeded.
class TemporaryFile {
public:
    TemporaryFile(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_) ::unlink(path_.c_str());
    }
    int Descriptor() const { return fd_; }
    const std::filesystem::path& Path() const { return path_; }
    // Closes the descriptor; returns errno on failure, 0 on success.
    int Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }
    void Commit() { committed_ = true; }

private:
    int fd_;
    std::filesystem::path path_;
    bool committed_ = false;
};

// Links followed before a chain counts as a loop, as many as the system itself follows.
constexpr int kMaxLinks = 40;

// The file that the target names through symbolic links: each link's own target in
// turn, a relative one taken from the folder the link is in. A dangling link gives the
// file it points to, which the write then creates, as an editor does.
std::filesystem::path ThroughLinks(const std::filesystem::path& target) {
    std::filesystem::path file = target;
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(file, ec)) return file;
        const std::filesystem::path next = std::filesystem::read_symlink(file, ec);
        if (ec) Fail("write", target, ec.value());
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    Fail("write", target, ELOOP);
}

}  // namespace

void WriteFileReplacing(const std::filesystem::path& target, std::string_view bytes) {
    // Through a symbolic link the file it names is replaced, and the link stays: the new
    // file is made beside that file and renamed over it.
    const std::filesystem::path destination = ThroughLinks(target);
    const std::filesystem::path folder =
        destination.has_parent_path() ? destination.parent_path() : std::filesystem::path(".");

    struct stat existing {};
    const bool exists = ::stat(destination.c_str(), &existing) == 0;
    // A file the user may not write stays as it is, as it would when written in place.
    if (exists && !S_ISDIR(existing.st_mode) && ::access(destination.c_str(), W_OK) != 0)
        Fail("write", target, errno);

    static std::atomic<unsigned> counter{0};
    int fd = -1;
    std::filesystem::path temporary;
    for (int attempt = 0; fd < 0; ++attempt) {
        std::string name = ".";
        name += destination.filename().string();
        name += '.';
        name += std::to_string(::getpid());
        name += '.';
        name += std::to_string(counter++);
        name += ".tmp";
        temporary = folder / name;
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt >= 100)) Fail("write", target, errno);
    }
    TemporaryFile file(fd, temporary);
    if (exists) (void)::fchmod(fd, existing.st_mode & 07777);

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail("write", target, errno);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fsync(fd) != 0) Fail("write", target, errno);
    if (const int error = file.Close(); error != 0) Fail("write", target, error);
    if (::rename(temporary.c_str(), destination.c_str()) != 0) Fail("write", target, errno);
    file.Commit();
}

std::string ReadWholeFile(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) Fail("open", file, errno);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            Fail("read", file, error);
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

}  // namespace stelvar
