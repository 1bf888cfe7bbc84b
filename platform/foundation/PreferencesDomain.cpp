#include "platform/foundation/PreferencesDomain.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/foundation/FileIO.h"
#include "platform/foundation/PropertyListBounds.h"
#include "platform/foundation/PropertyListSerialization.h"
#include "platform/foundation/SystemLog.h"

namespace {

// Holds flock() on a file for one scope. A missing lock file (a folder we can't write) means no
// lock: reading still works, and a write would fail on its own.
class ScopedFileLock {
public:
    ScopedFileLock(int fd, int operation) : fd_(fd) {
        if (fd_ >= 0) {
            while (::flock(fd_, operation) != 0 && errno == EINTR) {
            }
        }
    }
    ~ScopedFileLock() {
        if (fd_ >= 0) ::flock(fd_, LOCK_UN);
    }
    ScopedFileLock(const ScopedFileLock&) = delete;
    ScopedFileLock& operator=(const ScopedFileLock&) = delete;

private:
    int fd_;
};

long long nanoseconds(const timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1'000'000'000LL + time.tv_nsec;
}

}  // namespace

PreferencesDomain::Identity PreferencesDomain::identityOf(const struct stat& info,
                                                          std::uint64_t generation) {
    return Identity{info.st_dev,
                    info.st_ino,
                    info.st_size,
                    nanoseconds(info.st_mtim),
                    nanoseconds(info.st_ctim),
                    generation};
}

PreferencesDomain::PreferencesDomain(std::filesystem::path file)
    : file_(std::move(file)), lockPath_(file_.string() + ".lock") {}

PreferencesDomain::~PreferencesDomain() {
    if (lockFd_ >= 0) ::close(lockFd_);
}

int PreferencesDomain::lockFile() {
    if (lockFd_ < 0) lockFd_ = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    return lockFd_;
}

std::uint64_t PreferencesDomain::generation(int lockFd) const {
    std::uint64_t value = 0;
    if (lockFd < 0 || ::pread(lockFd, &value, sizeof value, 0) != sizeof value) return 0;
    return value;
}

PreferencesDomain::Parse PreferencesDomain::refresh(int lockFd) {
    // Not blocking: a FIFO put where the file should be must not hang the reader.
    int fd = ::open(file_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        seen_.reset();
        diskContents_.clear();
        return seenParse_ = (errno == ENOENT ? Parse::Missing : Parse::Unreadable);
    }
    struct stat info {};
    ::fstat(fd, &info);
    const Identity now = identityOf(info, generation(lockFd));
    if (seen_ == now) {
        ::close(fd);
        return seenParse_;
    }
    auto bytes = FileIO::readRegularFile(fd, PropertyListBounds::kMaxFileBytes);
    ::close(fd);
    auto value = bytes ? PropertyListSerialization::propertyListWithData(*bytes) : std::nullopt;
    seen_ = now;
    if (value && value->asDictionary() != nullptr) {
        diskContents_ = *value->asDictionary();
        return seenParse_ = Parse::Dictionary;
    }
    NSLog("Preferences file " + file_.string() +
          (bytes ? " is not a property list dictionary (or nests or expands too far)"
                 : " is not a regular file of at most " +
                       std::to_string(PropertyListBounds::kMaxFileBytes >> 20) + " MB"));
    diskContents_.clear();
    return seenParse_ = Parse::Unreadable;
}

PlistDictionary PreferencesDomain::withPendingChanges(PlistDictionary dictionary) const {
    for (const auto& [key, value] : pending_) {
        if (value) {
            dictionary.insert_or_assign(key, *value);
        } else if (auto it = dictionary.find(key); it != dictionary.end()) {
            dictionary.erase(it);
        }
    }
    return dictionary;
}

std::optional<PlistDictionary> PreferencesDomain::contents() {
    std::lock_guard guard(mutex_);
    std::error_code error;
    const bool exists = std::filesystem::exists(file_, error);
    int lockFd = exists ? lockFile() : -1;
    ScopedFileLock lock(lockFd, LOCK_SH);
    if (refresh(lockFd) == Parse::Unreadable) return std::nullopt;
    return withPendingChanges(diskContents_);
}

void PreferencesDomain::set(std::string key, std::optional<PlistValue> value) {
    std::lock_guard guard(mutex_);
    pending_.insert_or_assign(std::move(key), std::move(value));
}

bool PreferencesDomain::hasPendingChanges() const {
    std::lock_guard guard(mutex_);
    return !pending_.empty();
}

void PreferencesDomain::keepUnreadableFileAside() {
    for (int n = 1;; ++n) {
        std::filesystem::path aside = file_.string() + ".unreadable-" + std::to_string(n);
        std::error_code error;
        if (std::filesystem::exists(aside, error)) continue;
        if (::rename(file_.c_str(), aside.c_str()) == 0) {
            NSLog("Preferences file " + file_.string() + " could not be read; it was kept as " +
                  aside.filename().string());
        }
        return;
    }
}

bool PreferencesDomain::flush() {
    std::lock_guard guard(mutex_);
    if (pending_.empty()) return true;
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    int lockFd = lockFile();
    ScopedFileLock lock(lockFd, LOCK_EX);
    if (refresh(lockFd) == Parse::Unreadable) {
        keepUnreadableFileAside();
        refresh(lockFd);
    }
    if (!writeLocked(lockFd, withPendingChanges(diskContents_))) return false;
    pending_.clear();
    return true;
}

bool PreferencesDomain::createIfMissing(const PlistDictionary& contents) {
    std::lock_guard guard(mutex_);
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    int lockFd = lockFile();
    ScopedFileLock lock(lockFd, LOCK_EX);
    struct stat info {};
    if (::lstat(file_.c_str(), &info) == 0 || errno != ENOENT) return false;
    return writeLocked(lockFd, contents);
}

void PreferencesDomain::removeStaleTemporaries() const {
    std::error_code error;
    std::filesystem::directory_iterator entry(file_.parent_path(), error), end;
    for (; !error && entry != end; entry.increment(error)) {
        std::error_code ignored;
        if (FileIO::isAtomicWriteTemporary(file_, entry->path()))
            std::filesystem::remove(entry->path(), ignored);
    }
}

bool PreferencesDomain::writeLocked(int lockFd, PlistDictionary contents) {
    if (lockFd >= 0) removeStaleTemporaries();
    // Binary, as the device writes its preference files: it carries every string, where XML 1.0
    // can't hold control characters or U+FFFF.
    if (lockFd < 0 || !FileIO::writeFileAtomically(file_, PropertyListSerialization::binaryData(
                                                              PlistValue::dictionary(contents)))) {
        NSLog("Preferences could not be written to " + file_.string());
        return false;
    }
    // What was just written is what this process knows of the file now; no need to read it back.
    const std::uint64_t next = generation(lockFd) + 1;
    struct stat info {};
    if (::pwrite(lockFd, &next, sizeof next, 0) == sizeof next &&
        ::stat(file_.c_str(), &info) == 0) {
        seen_ = identityOf(info, next);
        seenParse_ = Parse::Dictionary;
        diskContents_ = std::move(contents);
    } else {
        seen_.reset();
    }
    return true;
}
