#pragma once

#include <map>
#include <string>
#include <vector>

namespace quorrin::bench {

// What a finished child process reported.
struct ChildRun {
    double wallMs = 0;   // from start to exit
    long peakRssKiB = 0; // its largest resident set
    std::string output;  // its standard output (empty when discarded)
    int status = 0;      // exit status; -1 when killed by a signal
};

// Runs a program and waits for it. `keepOutput` false sends its standard
// output to /dev/null, as the reference command is timed.
ChildRun runChild(const std::vector<std::string>& argv, bool keepOutput);

// The "key value" lines a measuring child prints, gathered by key.
std::map<std::string, std::vector<double>> parseFigures(const std::string& output);

double median(std::vector<double> values);

// Milliseconds on a steady clock, for measuring inside a process.
double nowMs();

} // namespace quorrin::bench
