#include "RatioTable.h"

#include <cstdio>
#include <vector>

namespace qv::bench {
namespace {

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

struct Comparison {
    const char* what;
    const char* ours;
    std::vector<const char*> peers;  // the best of these is the bar
    bool higherIsBetter;             // throughput ratio; otherwise a time ratio
    double goal;
};

}  // namespace

void RatioTable::ReportRuns(const std::vector<Run>& runs) {
    std::vector<Run> shown;
    for (const Run& run : runs) {
        // Best of the repetitions: on a shared machine the slow runs are noise.
        if (run.run_type == Run::RT_Aggregate) continue;
        shown.push_back(run);
        Outcome& outcome = outcomes_[run.benchmark_name().substr(0, run.benchmark_name().find("/repeats:"))];
        if (run.error_occurred) {
            outcome.error = run.error_message;
            continue;
        }
        const auto rate = run.counters.find("Mpx");
        if (rate != run.counters.end() && rate->second.value > outcome.bestMpx) outcome.bestMpx = rate->second.value;
    }
    if (!shown.empty()) ConsoleReporter::ReportRuns(shown);
}

void RatioTable::print(std::ostream& out) const {
    const std::vector<Comparison> comparisons = {
        {"GIF decode, ours / best peer (MP/s)", "decode/gif/ours", {"decode/gif/stb", "decode/gif/giflib"}, true, 1.0},
        {"BMP24 decode, ours / best peer (MP/s)", "decode/bmp24/ours", {"decode/bmp24/stb"}, true, 1.0},
        {"BMP24 decode, time / assignLarge+memcpy", "decode/bmp24/ours", {"decode/bmp24/assignLarge+memcpy"}, false, 2.0},
        {"BMP24 decode, time / mapped+memcpy", "decode/bmp24/ours", {"decode/bmp24/mapped+memcpy"}, false, 0},
        {"BMP24 decode, time / vector+memcpy", "decode/bmp24/ours", {"decode/bmp24/vector+memcpy"}, false, 0},
        {"JPEG decode, ours / libjpeg direct (MP/s)", "decode/jpeg/ours", {"decode/jpeg/libjpeg"}, true, 0.95},
        {"JPEG decode, ours / stb (MP/s)", "decode/jpeg/ours", {"decode/jpeg/stb"}, true, 0},
        {"encodeBmp24, time / assignLarge+memcpy", "encode/bmp24/ours", {"encode/bmp24/assignLarge+memcpy"}, false, 2.0},
        {"encodeBmp24, time / mapped+memcpy", "encode/bmp24/ours", {"encode/bmp24/mapped+memcpy"}, false, 0},
        {"encodeBmp24, time / vector+memcpy", "encode/bmp24/ours", {"encode/bmp24/vector+memcpy"}, false, 0},
        {"PCX8 decode (no peer reads PCX), MP/s", "decode/pcx8/ours", {}, true, 0},
        {"Icon decode (no peer reads icons), MP/s", "decode/icon/ours", {}, true, 0},
    };
    const auto find = [&](const char* name) -> const Outcome* {
        const auto it = outcomes_.find(name);
        return it == outcomes_.end() ? nullptr : &it->second;
    };
    char line[256];
    out << "\nPicture layer against its peers (best of the repetitions)\n";
    std::snprintf(line, sizeof line, "%-42s %10s %10s %-31s %8s %-8s %s\n", "comparison", "ours MP/s", "bar MP/s", "bar", "ratio",
                  "goal", "verdict");
    out << line;
    for (const Comparison& c : comparisons) {
        const Outcome* ours = find(c.ours);
        std::string barName = "-", verdict, ratio = "-", goal = "-";
        double bar = 0;
        for (const char* peer : c.peers) {
            const Outcome* o = find(peer);
            if (o != nullptr && o->error.empty() && o->bestMpx > bar) bar = o->bestMpx, barName = peer;
        }
        if (ours == nullptr) verdict = "not run";
        else if (!ours->error.empty()) verdict = "no figure: " + ours->error;
        else if (c.peers.empty()) verdict = "(no peer)";
        else if (bar <= 0) verdict = "no peer figure";
        else {
            // Throughput ratio ours/bar, or time ratio ours/bar = bar MP/s / ours MP/s.
            const double r = c.higherIsBetter ? ours->bestMpx / bar : bar / ours->bestMpx;
            ratio = format("%.2f", r);
            if (c.goal > 0) {
                goal = format(c.higherIsBetter ? (c.goal == 1.0 ? "> %.2f" : ">= %.2f") : "<= %.2f", c.goal);
                const bool met = c.higherIsBetter ? (c.goal == 1.0 ? r > c.goal : r >= c.goal) : r <= c.goal;
                verdict = met ? "met" : "MISSED";
            } else {
                verdict = "(for information)";
            }
        }
        const std::string oursText = ours != nullptr && ours->error.empty() ? format("%.1f", ours->bestMpx) : "-";
        const std::string barText = bar > 0 ? format("%.1f", bar) : "-";
        if (barName.rfind("decode/", 0) == 0) barName = barName.substr(7);
        std::snprintf(line, sizeof line, "%-42s %10s %10s %-31s %8s %-8s %s\n", c.what, oursText.c_str(), barText.c_str(),
                      barName.c_str(), ratio.c_str(), goal.c_str(), verdict.c_str());
        out << line;
    }
    out << "Every bar that produces output pays what ours pays: a fresh buffer from qv::assignLarge (huge\n"
           "pages, faulted in at once, filled), then its work. That holds for assignLarge+memcpy and for the\n"
           "direct libjpeg decode. mapped+memcpy copies into memory already mapped, and vector+memcpy into a\n"
           "plain vector whose pages fault in one by one: both for information only. stb_image and giflib\n"
           "allocate inside their own APIs (giflib's RGB expansion uses calloc), and are measured as they\n"
           "are, since that is their real cost.\n";
}

}  // namespace qv::bench
