#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes on host paths, for the platform's own file formats.
namespace FileIO {

// The file's bytes; nothing when it is missing, can't be read, is not a regular file (a FIFO is
// not waited on, a device not read) or holds more than `maxBytes`.
std::optional<std::string> readFile(const std::filesystem::path& file,
                                    std::size_t maxBytes = SIZE_MAX);
// The same for a file already open for reading (opened with O_NONBLOCK, so a FIFO did not block).
std::optional<std::string> readRegularFile(int fd, std::size_t maxBytes);

// Writes to a new file beside `file` and renames it over `file`, so readers see the old contents
// or the new, never a part. Gives false (and leaves `file` as it was) on failure.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);
// Whether `candidate` is named as writeFileAtomically names its temporary files for `file`.
bool isAtomicWriteTemporary(const std::filesystem::path& file,
                            const std::filesystem::path& candidate);

// Writes in place (truncating first).
bool writeFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace FileIO
