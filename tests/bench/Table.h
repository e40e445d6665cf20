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

class Table {
public:
    explicit Table(std::string machine);

    // medianLimit and worstLimit < 0 mean "no limit".
    void distribution(const std::string& what, const Distribution& d, double medianLimit, double worstLimit,
                      const std::string& target);
    // Frame times: the median and the 99th percentile have limits.
    void frames(const std::string& what, const Distribution& d, double medianLimit, double p99Limit);
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
