#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes on host paths, for the platform's own file formats.
namespace FileIO {

// The file's bytes; nothing when it is missing or can't be read.
std::optional<std::string> readFile(const std::filesystem::path& file);

// Writes to a new file beside `file` and renames it over `file`, so readers see the old contents
// or the new, never a part. Gives false (and leaves `file` as it was) on failure.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Writes in place (truncating first).
bool writeFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace FileIO
