// The panel's own number rules against the C library calls they stand in
// for, on the same values: every keystroke in a value field parses the nine
// fields, every spin step parses its buddy and formats one value, and every
// read writes nine fields. Each pair is registered as NAME/subject and
// NAME/baseline; the custom context carries each pair's target ratio and
// what the two sides are, for scripts/bench's report.
//
//   number_text_bench [Google Benchmark flags]
//
// scripts/bench runs it with repetitions, random interleaving of the
// repetitions and median aggregates; the figure is the ratio of the medians.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls/FloatSpinMath.h"
#include "controls/NumberText.h"

namespace {

// What the spins write: steps of 0.1 and 1 from typical values, with three
// (location, size) or two (rotation) decimals.
const std::vector<double> kSpinValues = {0.0,   0.1,  -0.1,  2.5,    10000.0, -10000.0,
                                         0.001, 1.9,  45.0,  -179.5, 180.0,   123.4,
                                         999.9, -2.3, 17.25, 0.05};

// What the fields hold: numbers the panel wrote ("%g" or a spin's fixed
// form) and a few typed ones.
const std::vector<std::string> kFieldTexts = {
    "0",       "1.5", "-0.100", "10000.000", "2.5e-3", "180.00", "-179.5", "0.001",
    "1234.57", "2",   "45.00",  "-2.300",    "17.25",  "0.05",   "1e+06",  "999.900"};

const std::vector<float> kFieldValues = {0.0f,    1.5f,   -0.1f,    10000.0f, 0.0025f, 180.0f,
                                         -179.5f, 0.001f, 1234.57f, 2.0f,     45.0f,   -2.3f,
                                         17.25f,  0.05f,  1e6f,     999.9f};

void FormatSpin(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        std::string text = FormatValue(kSpinValues[i++ % kSpinValues.size()], 3, false);
        benchmark::DoNotOptimize(text.data());
    }
}

void FormatSpinBaseline(benchmark::State& state) {
    size_t i = 0;
    char text[64];
    for (auto _ : state) {
        std::snprintf(text, sizeof text, "%.3f", kSpinValues[i++ % kSpinValues.size()]);
        benchmark::DoNotOptimize(text);
    }
}

void FormatField(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        std::string text = FormatFieldFloat(kFieldValues[i++ % kFieldValues.size()]);
        benchmark::DoNotOptimize(text.data());
    }
}

void FormatFieldBaseline(benchmark::State& state) {
    size_t i = 0;
    char text[64];
    for (auto _ : state) {
        std::snprintf(text, sizeof text, "%g",
                      static_cast<double>(kFieldValues[i++ % kFieldValues.size()]));
        benchmark::DoNotOptimize(text);
    }
}

void ParseField(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        float value = 0.0f;
        benchmark::DoNotOptimize(ParseFieldFloat(kFieldTexts[i++ % kFieldTexts.size()], value));
        benchmark::DoNotOptimize(value);
    }
}

void ParseBuddy(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AtofDecimal(kFieldTexts[i++ % kFieldTexts.size()].c_str()));
    }
}

void ParseBaseline(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        const std::string& text = kFieldTexts[i++ % kFieldTexts.size()];
        benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
    }
}

struct Pair {
    const char* name;
    void (*subject)(benchmark::State&);
    void (*baseline)(benchmark::State&);
    const char* subjectWhat;
    const char* baselineWhat;
    double target;
};

const Pair kPairs[] = {
    {"spin formatting", FormatSpin, FormatSpinBaseline, "FormatValue, 3 decimals",
     "snprintf \"%.3f\"", 1.2},
    {"field formatting", FormatField, FormatFieldBaseline, "FormatFieldFloat", "snprintf \"%g\"",
     1.2},
    {"field parsing", ParseField, ParseBaseline, "ParseFieldFloat", "strtod", 1.2},
    {"buddy parsing", ParseBuddy, ParseBaseline, "AtofDecimal", "strtod", 1.2},
};

}  // namespace

int main(int argc, char** argv) {
    for (const Pair& pair : kPairs) {
        const std::string name = pair.name;
        benchmark::RegisterBenchmark((name + "/subject").c_str(), pair.subject);
        benchmark::RegisterBenchmark((name + "/baseline").c_str(), pair.baseline);
        char target[32];
        std::snprintf(target, sizeof target, "%g", pair.target);
        benchmark::AddCustomContext("target:" + name, target);
        benchmark::AddCustomContext("subject:" + name, pair.subjectWhat);
        benchmark::AddCustomContext("baseline:" + name, pair.baselineWhat);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
