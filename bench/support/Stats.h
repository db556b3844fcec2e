#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace quorbel::bench {

// Wall-clock time in microseconds.
inline double NowMicroseconds()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1e6 / frequency;
}

// Repeated measurements of one figure.
class Samples {
public:
    void Add(double value) { values_.push_back(value); }
    std::size_t Count() const { return values_.size(); }

    double Quantile(double q) const
    {
        if (values_.empty())
            return 0;
        std::vector<double> sorted = values_;
        std::sort(sorted.begin(), sorted.end());
        const auto index = static_cast<std::size_t>(q * static_cast<double>(sorted.size() - 1) + 0.5);
        return sorted[std::min(index, sorted.size() - 1)];
    }
    double Median() const { return Quantile(0.5); }
    double Min() const { return Quantile(0); }
    double Max() const { return Quantile(1); }

private:
    std::vector<double> values_;
};

// One row of a result table: the figure's median and spread, in `unit`.
inline void PrintRow(const std::string& name, const Samples& samples, const char* unit, double scale = 1)
{
    std::printf("%-46s %10.3f %10.3f %10.3f %6zu  %s\n", name.c_str(), samples.Median() * scale,
                samples.Min() * scale, samples.Max() * scale, samples.Count(), unit);
}

inline void PrintHeader(const char* title)
{
    std::printf("\n%s\n%-46s %10s %10s %10s %6s\n", title, "figure", "median", "min", "max", "runs");
}

// A figure against its floor, measured in the same run.
inline void PrintRatio(const std::string& name, const Samples& figure, const Samples& floor, double goal)
{
    const double ratio = floor.Median() > 0 ? figure.Median() / floor.Median() : 0;
    std::printf("%-46s %10.2f  (goal <= %.2f: %s)\n", name.c_str(), ratio, goal, ratio <= goal ? "met" : "MISSED");
}

inline void PrintGoal(const std::string& name, double value, const char* unit, double goal)
{
    std::printf("%-46s %10.3f %s  (goal <= %.3f: %s)\n", name.c_str(), value, unit, goal,
                value <= goal ? "met" : "MISSED");
}

}  // namespace quorbel::bench
