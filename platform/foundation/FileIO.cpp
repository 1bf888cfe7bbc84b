#include "platform/foundation/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace FileIO {
namespace {

// ".<file name>.", the start of every temporary name writeFileAtomically gives `file`.
std::string temporaryPrefix(const std::filesystem::path& file) {
    return "." + file.filename().string() + ".";
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<std::string> readFile(const std::filesystem::path& file, std::size_t maxBytes) {
    int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    auto bytes = readRegularFile(fd, maxBytes);
    ::close(fd);
    return bytes;
}

std::optional<std::string> readRegularFile(int fd, std::size_t maxBytes) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return std::nullopt;
    std::string bytes;
    char buffer[16384];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) return bytes;
        if (n < 0 && errno == EINTR) continue;
        // A file that grows past the limit while it is read is refused too.
        if (n < 0 || static_cast<std::size_t>(n) > maxBytes - bytes.size()) return std::nullopt;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::string temporary = (file.parent_path() / (temporaryPrefix(file) + "XXXXXX")).string();
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, 0644) == 0 && writeAll(fd, bytes);
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temporary.c_str(), file.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
}

bool isAtomicWriteTemporary(const std::filesystem::path& file,
                            const std::filesystem::path& candidate) {
    // The prefix and the six characters mkstemp fills in.
    const std::string prefix = temporaryPrefix(file);
    const std::string name = candidate.filename().string();
    return candidate.parent_path() == file.parent_path() && name.size() == prefix.size() + 6 &&
           name.starts_with(prefix);
}

bool writeFile(const std::filesystem::path& file, std::string_view bytes) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes);
    return (::close(fd) == 0) && ok;
}

}  // namespace FileIO
