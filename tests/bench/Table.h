#pragma once

// The bench's one table: a row per figure, with the target it is held to.

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// Median, 95th and 99th percentile (nearest rank) and the worst of a set.
struct Distribution {
    std::size_t count = 0;
    double median = 0.0;
    double p95 = 0.0;
    double p99 = 0.0;
    double worst = 0.0;
    std::uint64_t allocations = 0;

    static Distribution of(std::vector<double> values);
};

// Limits of a distribution's row; one below 0 is no limit.
struct Limits {
    double median = -1.0, p99 = -1.0, worst = -1.0;
};

class Table {
public:
    explicit Table(std::string machine);

    // A row without a target only informs.
    void distribution(const std::string& what, const Distribution& d, const std::string& target = "",
                      Limits limits = {}, const char* format = "%.3f");
    void value(const std::string& what, double value, const char* format, const std::string& target, bool met);
    // A Google Benchmark case: time per iteration, no target.
    void micro(const std::string& what, double microseconds);
    void note(const std::string& text);
    void print() const;

private:
    struct Row {
        std::string what, median, p95, p99, worst, target, verdict;
    };
    std::string machine;
    std::vector<Row> rows;
    std::vector<std::string> notes;
};

}  // namespace bench
