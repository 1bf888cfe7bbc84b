// What placing the password prompt costs when its message has thousands of lines: the alert's
// layout (title and message wrapped and cut to the screen's height). The baseline is one plain
// layout of the same message (every line measured, nothing cut), in the same run.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/graphics/Typesetter.h"
#include "platform/ui/views/UIAlertViewLayout.h"

namespace {

std::string messageOfLines(int64_t lines) {
    std::string message;
    for (int64_t i = 0; i < lines; ++i)
        message += "line " + std::to_string(i) + " of the message\n";
    return message;
}

void BM_AlertLayout(benchmark::State& state) {
    UIAlertViewLayout::Content content;
    content.title = "Password";
    content.message = messageOfLines(state.range(0));
    content.hasTextField = true;
    content.buttonCount = 2;
    content.hasCancelButton = true;
    content.maximumHeight = 568 - 2 * 10;
    for (auto _ : state) benchmark::DoNotOptimize(UIAlertViewLayout::make(content));
}

void BM_PlainLayoutBaseline(benchmark::State& state) {
    const std::string message = messageOfLines(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Typesetter::sizeOfText(message, UIAlertViewLayout::messageFont()));
}

}  // namespace

BENCHMARK(BM_AlertLayout)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);
// One run each: the plain layout of 40,000 lines takes many seconds.
BENCHMARK(BM_PlainLayoutBaseline)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(40000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
