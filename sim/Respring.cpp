#include "sim/Respring.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace {

constexpr const char* kOptionsOfTheFirstStart[] = {"--script", "--resume", "--convergance"};

bool isOptionOfTheFirstStart(const std::string& argument) {
    for (const char* option : kOptionsOfTheFirstStart) {
        if (argument == option) return true;
    }
    return false;
}

}  // namespace

std::filesystem::path writeResumeFile(const ResumePoint& point) {
    std::string name =
        (std::filesystem::temp_directory_path() / "plakko-sim-resume-XXXXXX").string();
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0)
        throw std::runtime_error("can't write the respring's resume file: " +
                                 std::string(std::strerror(errno)));
    close(descriptor);
    const nlohmann::json contents = {
        {"script", point.scriptName}, {"text", point.scriptText}, {"line", point.line}};
    std::ofstream file(name, std::ios::trunc);
    file << contents.dump();
    if (!file.flush()) throw std::runtime_error("can't write the respring's resume file " + name);
    return name;
}

ResumePoint takeResumeFile(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("can't read the resume file " + file.string());
    try {
        const nlohmann::json contents = nlohmann::json::parse(in);
        ResumePoint point{contents.at("script").get<std::string>(),
                          contents.at("text").get<std::string>(),
                          contents.at("line").get<size_t>()};
        std::filesystem::remove(file);
        return point;
    } catch (const nlohmann::json::exception&) {
        throw std::runtime_error(file.string() + " is no resume file");
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
            if (!isOptionOfTheFirstStart(arguments[i]))
                restart.insert(restart.end(), {arguments[i], arguments[i + 1]});
            ++i;
        }
    }
    if (resumeFile) restart.insert(restart.end(), {"--resume", resumeFile->string()});
    return restart;
}
