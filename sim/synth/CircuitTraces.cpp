#include "synth/CircuitTraces.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace synth {

namespace {

constexpr int kMostSamples = 100000;
constexpr int kLeastLead = 3;

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Appends the samples of an "s" line; false on anything but pairs of digits.
bool appendSamples(const std::string& hex, std::vector<int>& out) {
    if (hex.size() % 2) return false;
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int hi = hexDigit(hex[i]), lo = hexDigit(hex[i + 1]);
        if (hi < 0 || lo < 0) return false;
        const int byte = hi * 16 + lo;
        out.push_back(byte < 128 ? byte : byte - 256);
    }
    return true;
}

} // namespace

CircuitTraces readCircuitTraces(const std::string& path) {
    CircuitTraces out;
    std::ifstream in(path);
    if (!in) {
        out.error = "cannot open " + path;
        return out;
    }
    int expected = 0;
    int lineNo = 0;
    const auto fail = [&](const std::string& why) {
        out.traces.clear();
        out.error = path + ", line " + std::to_string(lineNo) + ": " + why;
        return out;
    };
    const auto complete = [&] {
        return out.traces.empty() || out.traces.back().known.trace.size() == expected;
    };
    std::string line;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string tag;
        words >> tag;
        if (tag == "trace") {
            if (!complete()) return fail("the trace before has not all its samples");
            CircuitTrace t;
            double step = 0, sigma = 0;
            std::string end;
            if (!(words >> t.family >> t.range >> step >> expected >> t.pulseNs >> t.known.rise >> sigma >>
                  end) ||
                !(step > 0) || !std::isfinite(step) || expected < 1 || expected > kMostSamples ||
                t.known.rise < 1 || !(sigma >= 0))
                return fail("a trace line needs a family, range, step above 0, 1.." +
                            std::to_string(kMostSamples) + " samples, pulse, rise and noise");
            // A report a few samples before an echo's start still finds it
            // (placed early): simulated rises can be a sample short.
            t.known.rise = std::max(t.known.rise, kLeastLead);
            t.known.trace.step = step;
            t.known.noiseShare = 6 * sigma / 256;
            t.known.launchEnd = -1;
            t.known.trace.samples.reserve(size_t(expected));
            out.traces.push_back(std::move(t));
        } else if (tag == "echo" || tag == "s") {
            if (out.traces.empty()) return fail("\"" + tag + "\" before the first trace line");
            KnownTrace& k = out.traces.back().known;
            if (tag == "s") {
                std::string hex;
                words >> hex;
                if (!appendSamples(hex, k.trace.samples) || k.trace.size() > expected)
                    return fail("samples must be pairs of hex digits, no more than the trace's count");
                continue;
            }
            KnownEcho e;
            std::string label;
            if (!(words >> e.start >> e.width >> e.height >> label) || e.start < 0 || e.start >= expected ||
                e.width < 1 || (label != "end" && label != "echo" && label != "faint" && label != "ghost"))
                return fail("an echo line needs a start inside the trace, a width above 0, a height and "
                            "end, echo, faint or ghost");
            e.endOfLine = label == "end";
            (label == "faint" || label == "ghost" ? k.unscored : k.echoes).push_back(e);
        } else {
            return fail("unknown line \"" + tag + "\"");
        }
    }
    if (!complete()) return fail("the last trace has not all its samples");
    if (out.traces.empty()) out.error = path + ": no traces";
    return out;
}

} // namespace synth
