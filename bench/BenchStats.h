// Figures of a benchmark run: medians of timed rounds, ratios against a
// baseline measured in the same run, and the JSON that scripts/bench merges
// into its report. Absolute times on a shared machine are noise; a ratio of
// two medians taken in interleaved rounds is what carries from run to run.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// The q-quantile (0 <= q <= 1) of the samples, interpolating linearly
// between neighbouring order statistics; NaN when there are none.
inline double Quantile(std::vector<double> samples, double q) {
    if (samples.empty()) return NAN;
    std::sort(samples.begin(), samples.end());
    const double at = std::clamp(q, 0.0, 1.0) * static_cast<double>(samples.size() - 1);
    const size_t below = static_cast<size_t>(at);
    const size_t above = std::min(below + 1, samples.size() - 1);
    const double part = at - static_cast<double>(below);
    return samples[below] + (samples[above] - samples[below]) * part;
}

inline double Median(std::vector<double> samples) { return Quantile(std::move(samples), 0.5); }

// One side of a comparison: the median and the quartiles around it, which
// show how much the rounds scattered.
struct Summary {
    double median = NAN;
    double lowerQuartile = NAN;
    double upperQuartile = NAN;
    size_t count = 0;
};

inline Summary Summarise(const std::vector<double>& samples) {
    Summary s;
    s.median = Quantile(samples, 0.5);
    s.lowerQuartile = Quantile(samples, 0.25);
    s.upperQuartile = Quantile(samples, 0.75);
    s.count = samples.size();
    return s;
}

// A subject timed against its baseline; the target is the largest ratio of
// the medians that is acceptable.
struct Comparison {
    std::string name;
    std::string subjectWhat;
    std::string baselineWhat;
    Summary subject;
    Summary baseline;
    double target = NAN;

    double Ratio() const { return subject.median / baseline.median; }
    // A ratio that cannot be formed (no rounds, a zero baseline) is a miss:
    // a report must not claim a target it could not measure.
    bool Met() const {
        const double ratio = Ratio();
        return std::isfinite(ratio) && ratio <= target;
    }
};

inline Comparison Compare(std::string name, std::string subjectWhat, std::string baselineWhat,
                          const std::vector<double>& subject, const std::vector<double>& baseline,
                          double target) {
    Comparison c;
    c.name = std::move(name);
    c.subjectWhat = std::move(subjectWhat);
    c.baselineWhat = std::move(baselineWhat);
    c.subject = Summarise(subject);
    c.baseline = Summarise(baseline);
    c.target = target;
    return c;
}

// Interleaving: the side that takes `place` (0 .. sides-1) in `round`. Over
// any `sides` consecutive rounds every side takes every place once, so a
// cost that depends on the place (a cache just warmed by the side before,
// load that comes and goes) falls on all sides alike.
inline int SideAt(int round, int place, int sides) {
    return sides > 0 ? (round + place) % sides : 0;
}

inline std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

// JSON has no NaN or infinity: a figure that could not be measured is null.
inline std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

inline std::string ToJson(const Comparison& c, const char* unit) {
    std::string json = "{\"name\": " + JsonString(c.name);
    json += ", \"subject\": " + JsonString(c.subjectWhat);
    json += ", \"baseline\": " + JsonString(c.baselineWhat);
    json += ", \"unit\": " + JsonString(unit);
    json += ", \"subject_median\": " + JsonNumber(c.subject.median);
    json += ", \"subject_quartiles\": [" + JsonNumber(c.subject.lowerQuartile) + ", " +
            JsonNumber(c.subject.upperQuartile) + "]";
    json += ", \"baseline_median\": " + JsonNumber(c.baseline.median);
    json += ", \"baseline_quartiles\": [" + JsonNumber(c.baseline.lowerQuartile) + ", " +
            JsonNumber(c.baseline.upperQuartile) + "]";
    json += ", \"rounds\": " + std::to_string(std::min(c.subject.count, c.baseline.count));
    json += ", \"ratio\": " + JsonNumber(c.Ratio());
    json += ", \"target\": " + JsonNumber(c.target);
    json += std::string(", \"met\": ") + (c.Met() ? "true" : "false") + "}";
    return json;
}

}  // namespace bench
