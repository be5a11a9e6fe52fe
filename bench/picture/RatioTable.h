#pragma once
// Collects each benchmark's best throughput while the console shows the runs,
// then prints how ours compares with the best peer of each format.
#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>

namespace qv::bench {

struct Outcome {
    double bestMpx = 0;   // highest megapixels per second over the repetitions
    std::string error;    // why the benchmark was skipped, if it was
};

class RatioTable : public benchmark::ConsoleReporter {
public:
    RatioTable() : benchmark::ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    void print(std::ostream& out) const;

private:
    std::map<std::string, Outcome> outcomes_;
};

}  // namespace qv::bench
