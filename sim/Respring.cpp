#include "sim/Respring.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <nlohmann/json.hpp>
#include <regex>
#include <stdexcept>

#include "platform/foundation/NSDataBase64.h"

namespace {

constexpr const char* kOptionsOfTheFirstStart[] = {"--script", "--resume", "--convergance",
                                                   "--zoom"};
constexpr char kResumeFilePrefix[] = "plakko-sim-resume-";
// Far beyond any script; a larger file is not one of ours.
constexpr off_t kLargestResumeFile = 256 * 1024 * 1024;

bool isOptionOfTheFirstStart(const std::string& argument) {
    for (const char* option : kOptionsOfTheFirstStart) {
        if (argument == option) return true;
    }
    return false;
}

// Script names and texts are bytes, not necessarily UTF-8: JSON carries them in Base64.
std::string encoded(const std::string& bytes) {
    return NSDataBase64::base64EncodedString(NSData(bytes.begin(), bytes.end()));
}

std::string decoded(const nlohmann::json& value) {
    const auto data = NSDataBase64::dataWithBase64EncodedString(value.get<std::string>());
    if (!data) throw std::invalid_argument("not Base64");
    return std::string(data->begin(), data->end());
}

std::string errorText() {
    return std::strerror(errno);
}

// A file descriptor closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

bool writeAll(int descriptor, const std::string& bytes) {
    for (size_t written = 0; written < bytes.size();) {
        const ssize_t count = write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        written += static_cast<size_t>(count);
    }
    return true;
}

std::string readAll(int descriptor) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) throw std::runtime_error("can't read the resume file: " + errorText());
        if (count == 0) return bytes;
        bytes.append(buffer, static_cast<size_t>(count));
    }
}

bool hasResumeFileName(const std::filesystem::path& file) {
    static const std::regex name(std::string(kResumeFilePrefix) + "[A-Za-z0-9]{6}");
    return std::regex_match(file.filename().string(), name) &&
           std::filesystem::temp_directory_path() / file.filename() == file;
}

bool isOwnPrivateFile(const struct stat& status) {
    return S_ISREG(status.st_mode) && status.st_uid == getuid() &&
           (status.st_mode & (S_IRWXG | S_IRWXO)) == 0 && status.st_size <= kLargestResumeFile;
}

ResumePoint parseResumePoint(const std::string& bytes) {
    const nlohmann::json contents = nlohmann::json::parse(bytes);
    ResumePoint point{decoded(contents.at("script")), std::nullopt,
                      contents.at("line").get<size_t>()};
    if (!contents.at("text").is_null()) point.scriptText = decoded(contents.at("text"));
    if (point.line == 0) throw std::invalid_argument("no line 0");
    return point;
}

}  // namespace

std::filesystem::path writeResumeFile(const ResumePoint& point) {
    const nlohmann::json contents = {
        {"script", encoded(point.scriptName)},
        {"text", point.scriptText ? nlohmann::json(encoded(*point.scriptText)) : nullptr},
        {"line", point.line}};
    std::string name =
        (std::filesystem::temp_directory_path() / (std::string(kResumeFilePrefix) + "XXXXXX"))
            .string();
    const Descriptor file(mkstemp(name.data()));
    if (file.get() < 0)
        throw std::runtime_error("can't write the respring's resume file: " + errorText());
    if (!writeAll(file.get(), contents.dump()) || fsync(file.get()) != 0) {
        const std::string reason = errorText();
        unlink(name.c_str());
        throw std::runtime_error("can't write the respring's resume file " + name + ": " + reason);
    }
    return name;
}

ResumePoint takeResumeFile(const std::filesystem::path& file) {
    const std::string refusal = file.string() + " is no resume file of plakko-sim's";
    if (!hasResumeFileName(file)) throw std::runtime_error(refusal);
    const Descriptor descriptor(open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (descriptor.get() < 0)
        throw std::runtime_error("can't read the resume file " + file.string() + ": " +
                                 errorText());
    struct stat status {};
    if (fstat(descriptor.get(), &status) != 0 || !isOwnPrivateFile(status))
        throw std::runtime_error(refusal);
    const std::string bytes = readAll(descriptor.get());
    // Ours and used once, whatever it holds.
    unlink(file.c_str());
    try {
        return parseResumePoint(bytes);
    } catch (const std::exception&) {
        throw std::runtime_error(file.string() + " is a damaged resume file");
    }
}

std::vector<std::string> restartArguments(const std::vector<std::string>& arguments,
                                          const std::optional<std::filesystem::path>& resumeFile) {
    // The arguments have been checked: each option but --headless comes with its value.
    std::vector<std::string> restart;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--headless") {
            restart.push_back(arguments[i]);
        } else if (i + 1 < arguments.size()) {
            if (arguments[i] == "--record") {
                restart.insert(restart.end(), {"--record-more", arguments[i + 1]});
            } else if (!isOptionOfTheFirstStart(arguments[i])) {
                restart.insert(restart.end(), {arguments[i], arguments[i + 1]});
            }
            ++i;
        }
    }
    if (resumeFile) restart.insert(restart.end(), {"--resume", resumeFile->string()});
    return restart;
}
