#pragma once

#include <string_view>

// Where the runtime reports what it refuses to do (a hook of a method a class does not have). The
// runtime is the platform's ground floor and has no log of its own: the system log installs
// itself here when the platform loads. Until something is installed, reports go to stderr.
using RuntimeReporter = void (*)(std::string_view message);
void setRuntimeReporter(RuntimeReporter reporter);
void runtimeReport(std::string_view message);
