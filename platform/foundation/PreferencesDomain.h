#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/foundation/PlistValue.h"

// One preference domain's property-list file, shared by every process of the device.
//
// Writes are merged, never overwritten: a flush takes the domain's advisory lock, reads the file as
// it is on disk, applies this process's pending changes on top and renames a new binary file into
// place.
// So two processes writing different keys keep each other's keys, the last write of a key wins,
// and a writer killed at any moment leaves the old file or the new one. Every writer bumps a
// generation number in the lock file; together with the file's identity it tells a reader whether
// the file changed since it last looked, so other processes' writes are seen without asking.
// A file that can't be parsed is never destroyed: the next write moves it aside first.
class PreferencesDomain {
public:
    explicit PreferencesDomain(std::filesystem::path file);
    ~PreferencesDomain();
    PreferencesDomain(const PreferencesDomain&) = delete;
    PreferencesDomain& operator=(const PreferencesDomain&) = delete;

    // The file's dictionary with this process's unwritten changes on top; nothing when the file
    // exists but can't be read as a dictionary.
    std::optional<PlistDictionary> contents();
    // Records a change for the next flush; no value removes the key.
    void set(std::string key, std::optional<PlistValue> value);
    bool hasPendingChanges() const;
    // Writes the pending changes into the file. False (changes kept for the next try) on failure.
    bool flush();
    // Writes `contents` as the whole file only if there is no file yet, deciding and writing under
    // the domain's lock, so a value another process has just written is never replaced. False
    // when a file was already there or the write failed.
    bool createIfMissing(const PlistDictionary& contents);

private:
    struct Identity {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        long long modified = 0;
        long long changed = 0;
        std::uint64_t generation = 0;
        bool operator==(const Identity&) const = default;
    };
    enum class Parse { Dictionary, Unreadable, Missing };

    static Identity identityOf(const struct stat& info, std::uint64_t generation);

    int lockFile();
    std::uint64_t generation(int lockFd) const;
    // Brings diskContents_ up to date with the file; gives what was found.
    Parse refresh(int lockFd);
    void keepUnreadableFileAside();
    PlistDictionary withPendingChanges(PlistDictionary dictionary) const;
    // Removes temporary files that writers killed before their rename left beside the file. Only
    // while the exclusive lock is held: every writer holds it while its temporary exists.
    void removeStaleTemporaries() const;
    // Replaces the file with `contents` while the exclusive lock is held.
    bool writeLocked(int lockFd, PlistDictionary contents);

    const std::filesystem::path file_;
    const std::filesystem::path lockPath_;
    mutable std::mutex mutex_;
    int lockFd_ = -1;
    std::optional<Identity> seen_;  // the file state diskContents_ and seenParse_ describe
    Parse seenParse_ = Parse::Missing;
    PlistDictionary diskContents_;
    std::map<std::string, std::optional<PlistValue>, std::less<>> pending_;
};
