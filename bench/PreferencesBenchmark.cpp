// What one frame of a note drag costs the main thread: three preference writes and the end-of-turn
// file update, in a 30-key domain. The baseline is the bare file write the update can't avoid:
// serialising the same dictionary and renaming it into place, with no lock, merge or change check.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/FileIO.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/foundation/PropertyListSerialization.h"

namespace {

constexpr char kDomain[] = "com.ovamo.plakko";
constexpr int kRepetitions = 2000;

struct Domain {
    Domain() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "plakko-bench-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        DeviceRoot::setPath(root);
        for (int i = 0; i < 27; ++i)
            contents.emplace("setting" + std::to_string(i), PlistValue::float32(i * 0.5f));
        contents.emplace(
            "Text", PlistValue::string("Buy milk, call Anna about the weekend, water the plants."));
        contents.emplace("X", PlistValue::float32(20));
        contents.emplace("Y", PlistValue::float32(100));
        for (const auto& [key, value] : contents) {
            CFPreferencesSetValue(key, value, kDomain, kCFPreferencesCurrentUser,
                                  kCFPreferencesAnyHost);
        }
        CFPreferencesAppSynchronize(kDomain);
    }
    ~Domain() { std::filesystem::remove_all(root); }

    std::filesystem::path root;
    PlistDictionary contents;
};

Domain& domain() {
    static Domain instance;
    return instance;
}

double percentile(const std::vector<double>& samples, double fraction) {
    std::vector<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1))];
}

void withPercentiles(benchmark::internal::Benchmark* benchmark) {
    benchmark->Iterations(1)
        ->Repetitions(kRepetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("p50", [](const std::vector<double>& v) { return percentile(v, 0.50); })
        ->ComputeStatistics("p99", [](const std::vector<double>& v) { return percentile(v, 0.99); })
        ->Unit(benchmark::kMicrosecond);
}

void DragFrame(benchmark::State& state) {
    Domain& prefs = domain();
    float x = 0;
    for (auto _ : state) {
        x += 1;
        CFPreferencesSetValue("Text", prefs.contents.at("Text"), kDomain, kCFPreferencesCurrentUser,
                              kCFPreferencesAnyHost);
        CFPreferencesSetValue("X", PlistValue::float32(x), kDomain, kCFPreferencesCurrentUser,
                              kCFPreferencesAnyHost);
        CFPreferencesSetValue("Y", PlistValue::float32(x / 2), kDomain, kCFPreferencesCurrentUser,
                              kCFPreferencesAnyHost);
        NSRunLoop::mainRunLoop().runOneTurn();
    }
}
BENCHMARK(DragFrame)->Apply(withPercentiles);

void BaselineBareAtomicWrite(benchmark::State& state) {
    Domain& prefs = domain();
    auto file = DeviceRoot::resolve(CFPreferencesDomainPath(kDomain));
    float x = 0;
    for (auto _ : state) {
        x += 1;
        prefs.contents.insert_or_assign("X", PlistValue::float32(x));
        prefs.contents.insert_or_assign("Y", PlistValue::float32(x / 2));
        FileIO::writeFileAtomically(
            file, PropertyListSerialization::xmlData(PlistValue::dictionary(prefs.contents)));
    }
}
BENCHMARK(BaselineBareAtomicWrite)->Apply(withPercentiles);

}  // namespace
