// How the panel's own number rules compare with the C library they stand in
// for: every keystroke in a value field parses all nine fields, and every
// spin step formats one value. Reports ratios against the library baseline
// measured in the same run, so the numbers mean the same on any machine.
//   number_text_bench [rounds]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls/FloatSpinMath.h"
#include "controls/NumberText.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class Work>
double Seconds(Work work) {
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

volatile double sink;  // keeps the work from being optimised away

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200000;
    const std::vector<std::string> texts = {"0", "1.5", "-0.100", "10000.000", "  2.5e-3\t",
                                            "180.00", "-179.5", "0.001", "1234567"};

    const double parseBaseline = Seconds([&] {
        double total = 0;
        for (int r = 0; r < rounds; ++r)
            for (const std::string& t : texts) total += std::strtod(t.c_str(), nullptr);
        sink = total;
    });
    const double parseOurs = Seconds([&] {
        double total = 0;
        for (int r = 0; r < rounds; ++r)
            for (const std::string& t : texts) {
                float value = 0;
                if (ParseFieldFloat(t, value)) total += value;
            }
        sink = total;
    });

    const double formatBaseline = Seconds([&] {
        char text[64];
        double total = 0;
        for (int r = 0; r < rounds; ++r) {
            std::snprintf(text, sizeof text, "%.3f", r * 0.1);
            total += text[0];
        }
        sink = total;
    });
    const double formatOurs = Seconds([&] {
        double total = 0;
        for (int r = 0; r < rounds; ++r) total += FormatValue(r * 0.1, 3, false, '.')[0];
        sink = total;
    });

    std::printf("field parsing / strtod:      %.2f\n", parseOurs / parseBaseline);
    std::printf("spin formatting / snprintf:  %.2f\n", formatOurs / formatBaseline);
    return 0;
}
