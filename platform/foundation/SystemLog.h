#pragma once

#include <string>
#include <string_view>
#include <vector>

// The system log. Programs print each message on stderr as "name[pid]: message"; while a
// SystemLogCapture is alive, messages are recorded by it instead, so tests can read them.
void NSLog(std::string_view message);

class SystemLogCapture {
  public:
    SystemLogCapture();
    ~SystemLogCapture();
    SystemLogCapture(const SystemLogCapture&) = delete;
    SystemLogCapture& operator=(const SystemLogCapture&) = delete;

    std::vector<std::string> messages() const;
    size_t count(std::string_view message) const;
};
