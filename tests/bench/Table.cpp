#include "bench/Table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bench {

namespace {

std::string number(double v, const char* format = "%.3f") {
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

double rank(const std::vector<double>& sorted, double percent) {
    const auto n = static_cast<double>(sorted.size());
    const std::size_t index = static_cast<std::size_t>(std::max(1.0, std::ceil(percent / 100.0 * n))) - 1;
    return sorted[std::min(index, sorted.size() - 1)];
}

}  // namespace

Distribution Distribution::of(std::vector<double> values) {
    Distribution d;
    if (values.empty()) return d;
    std::sort(values.begin(), values.end());
    d.count = values.size();
    d.median = rank(values, 50.0);
    d.p95 = rank(values, 95.0);
    d.p99 = rank(values, 99.0);
    d.worst = values.back();
    return d;
}

Table::Table(std::string m) : machine(std::move(m)) {}

void Table::distribution(const std::string& what, const Distribution& d, const std::string& target, Limits limits,
                         const char* format) {
    if (d.count == 0) {
        rows.push_back({what, "-", "-", "-", "-", target, "NOT MEASURED"});
        return;
    }
    const auto within = [](double value, double limit) { return limit < 0 || value <= limit; };
    const bool met = within(d.median, limits.median) && within(d.p99, limits.p99) && within(d.worst, limits.worst);
    rows.push_back({what, number(d.median, format), number(d.p95, format), number(d.p99, format),
                    number(d.worst, format), target, target.empty() ? "" : met ? "met" : "MISSED"});
}

void Table::value(const std::string& what, double v, const char* format, const std::string& target, bool met) {
    rows.push_back({what, v < 0 ? "-" : number(v, format), "", "", "", target,
                    target.empty() ? "" : met ? "met" : "MISSED"});
}

void Table::micro(const std::string& what, double microseconds) {
    rows.push_back({what, number(microseconds, "%.1f"), "", "", "", "", ""});
}

void Table::note(const std::string& text) { notes.push_back(text); }

void Table::print() const {
    std::size_t width = 10;
    for (const Row& r : rows) width = std::max(width, r.what.size());
    const int w = static_cast<int>(width);
    std::printf("\nVelvetarium performance on %s\n\n", machine.c_str());
    std::printf("%-*s %10s %10s %10s %10s  %-28s %s\n", w, "measure", "median", "p95", "p99", "worst", "target",
                "result");
    for (const Row& r : rows)
        std::printf("%-*s %10s %10s %10s %10s  %-28s %s\n", w, r.what.c_str(), r.median.c_str(), r.p95.c_str(),
                    r.p99.c_str(), r.worst.c_str(), r.target.c_str(), r.verdict.c_str());
    for (const std::string& n : notes) std::printf("%s\n", n.c_str());
    std::fflush(stdout);
}

}  // namespace bench
