#pragma once

#include <mutex>
#include <shared_mutex>

// The one lock over every class table: lookups share it, registration and hooking take it alone.
std::shared_mutex& runtimeLock();
