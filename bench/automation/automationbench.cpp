#include "benchcomponent.h"

#include "platform/automation/automationobject.h"

#include <benchmark/benchmark.h>

// Each pair sets a late-bound access beside the direct C++ call it stands for; the ratio of the two times
// is the price of the late binding.
namespace {

void directRead(benchmark::State &state)
{
    BenchComponent component;
    for (auto _ : state)
        benchmark::DoNotOptimize(component.volume());
}
BENCHMARK(directRead);

void lateBoundReadNumber(benchmark::State &state)
{
    const AutomationObject handle = AutomationObject::adopt(new BenchComponent);
    for (auto _ : state)
        benchmark::DoNotOptimize(handle.readNumber("volume"));
}
BENCHMARK(lateBoundReadNumber);

void directCall(benchmark::State &state)
{
    BenchComponent component;
    double a = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(component.add(a, 2));
    }
}
BENCHMARK(directCall);

void lateBoundCallNumber(benchmark::State &state)
{
    const AutomationObject handle = AutomationObject::adopt(new BenchComponent);
    for (auto _ : state)
        benchmark::DoNotOptimize(handle.callNumber("ADD", {1.0, "2"}));
}
BENCHMARK(lateBoundCallNumber);

} // namespace
