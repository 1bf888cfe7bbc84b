// Encoding and lenient decoding of 1 MiB, side by side with GLib's codec in the same run.
#include <benchmark/benchmark.h>
#include <glib.h>

#include <random>
#include <string>

#include "common/Base64.h"
#include "platform/foundation/NSData.h"

namespace {

constexpr size_t kSize = 1 << 20;

const NSData& input() {
    static const NSData data = [] {
        NSData bytes(kSize);
        std::mt19937 random(42);
        for (auto& byte : bytes)
            byte = static_cast<std::uint8_t>(random());
        return bytes;
    }();
    return data;
}

std::string encoded(bool separateLines) {
    size_t length = 0;
    const Base64Characters text =
        NewBase64Encode(input().data(), input().size(), separateLines, &length);
    return std::string(text.get(), length);
}

void Encode(benchmark::State& state, bool separateLines) {
    for (auto _ : state) {
        size_t length = 0;
        Base64Characters text =
            NewBase64Encode(input().data(), input().size(), separateLines, &length);
        benchmark::DoNotOptimize(text.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}

void GLibEncode(benchmark::State& state) {
    for (auto _ : state) {
        gchar* text = g_base64_encode(input().data(), input().size());
        benchmark::DoNotOptimize(text);
        g_free(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}

// Bytes processed are the decoded bytes, so the figures compare with encoding.
void Decode(benchmark::State& state, bool separateLines) {
    const std::string text = encoded(separateLines);
    for (auto _ : state) {
        size_t length = 0;
        Base64Bytes bytes = NewBase64Decode(text.data(), text.size(), &length);
        benchmark::DoNotOptimize(bytes.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}

void GLibDecode(benchmark::State& state, bool separateLines) {
    const std::string text = encoded(separateLines);
    for (auto _ : state) {
        gsize length = 0;
        guchar* bytes = g_base64_decode(text.c_str(), &length);
        benchmark::DoNotOptimize(bytes);
        g_free(bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}

BENCHMARK_CAPTURE(Encode, single_line, false);
BENCHMARK(GLibEncode);
BENCHMARK_CAPTURE(Encode, lines, true);
BENCHMARK_CAPTURE(Decode, single_line, false);
BENCHMARK_CAPTURE(GLibDecode, single_line, false);
BENCHMARK_CAPTURE(Decode, lines, true);
BENCHMARK_CAPTURE(GLibDecode, lines, true);

}  // namespace
