// The goals on a huge settings file:
//
//   settings_file_bench [--megabytes N] [--runs R]
//
// writes settings files of N MB (default 40) in a temporary folder, one of
// blank lines and one of foreign keys, each with the program's own sections
// at the end, and measures in child processes of their own a read pass (the
// start-up's) and a write pass (the close's, to the disk). It prints the
// medians of R runs (default 5) and the peak memory above an empty child
// against the file's size, each goal with PASS or FAIL, removes the files
// and exits with 1 when a goal fails.
#include "bench_process.h"
#include "persist/ini_mapping.h"
#include "platform/native.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace quorrin;
using namespace quorrin::bench;

std::string self;
int runs = 5;
int failures = 0;

void goal(const std::string& label, double value, double limit, const char* unit)
{
    const bool pass = value <= limit;
    failures += pass ? 0 : 1;
    std::printf("%-56s %10.2f%-3s (goal <= %g%s)  %s\n", label.c_str(), value, unit, limit, unit,
                pass ? "PASS" : "FAIL");
}

const char* ownSections = "[List]\r\n1=1\r\n2=2\r\n3=5\r\n4=5\r\n5=5\r\nTab=2\r\nKak=0\r\nbyt=0\r\nFilter=7\r\n"
                          "[File]\r\nEdit=\r\nSDir=\r\n[Disk]\r\nDrive=0\r\nDir=/tmp\r\n";

void writeSettingsFile(const std::string& path, std::size_t bytes, bool blankLines)
{
    std::string text;
    text.reserve(bytes + 256);
    if (blankLines) {
        text.assign(bytes, '\n');
    } else {
        text = "[Foreign]\r\n";
        for (std::size_t n = 0; text.size() < bytes; ++n)
            text += "key" + std::to_string(n) + "=a value of some thirty bytes\r\n";
    }
    text += ownSections;
    std::ofstream(path, std::ios::binary) << text;
}

// The child's own peak resident set. Not the rusage figure: that one also
// holds the parent's peak, which the child shared until it started.
long peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return 0;
}

// In the child: one pass, its time printed as "ms N" and its peak memory as
// "kib N".
int measurePass(const std::string& mode, const std::string& path)
{
    const auto rules = platform::makeNativeTextRules();
    listing::ListSettings settings = listing::defaultListSettings(listing::builtInPresetFilterCount);
    std::string typed;
    const double start = nowMs();
    if (mode == "read") {
        persist::SettingsFile file(*rules, path);
        listing::OutputOptions output;
        persist::IniRead(file, settings, typed, output);
    } else if (mode == "write") {
        persist::SettingsFile file(*rules, path);
        settings.QuoteOn = true;
        persist::IniWrite(file, settings, "/tmp", "", {});
    } else if (mode != "none") {
        return 2;
    }
    std::printf("ms %f\nkib %ld\n", nowMs() - start, peakResidentKiB());
    return 0;
}

struct PassFigures {
    double ms;
    long peakKiB;
};

PassFigures pass(const std::string& mode, const std::string& path)
{
    std::vector<double> times;
    long peak = 0;
    for (int r = 0; r < runs; ++r) {
        const ChildRun run = runChild({self, "--child", mode, path}, true);
        if (run.status != 0)
            throw std::runtime_error("the " + mode + " pass failed");
        const auto figures = parseFigures(run.output);
        times.push_back(figures.at("ms").front());
        peak = std::max(peak, static_cast<long>(figures.at("kib").front()));
    }
    return {median(times), peak};
}

int runBenchmark(std::size_t megabytes)
{
    std::string folder = (std::filesystem::temp_directory_path() / "quorrin-settings-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr)
        throw std::runtime_error("cannot create a folder for the benchmark");
    const std::size_t bytes = megabytes * 1'000'000;
    std::printf("Settings files of %zu MB; medians of %d runs.\n\n", megabytes, runs);
    try {
        for (const bool blankLines : {true, false}) {
            const std::string shape = blankLines ? "blank lines" : "foreign keys";
            const std::string path = folder + "/quorrin.ini";
            writeSettingsFile(path, bytes, blankLines);
            const double size = static_cast<double>(std::filesystem::file_size(path));
            const PassFigures empty = pass("none", path);
            const PassFigures read = pass("read", path);
            const PassFigures write = pass("write", path);
            const auto memory = [&](const PassFigures& figures) {
                return static_cast<double>(figures.peakKiB - empty.peakKiB) * 1024 / size;
            };
            goal("read pass, " + shape, read.ms, 1000, "ms");
            goal("write pass to the disk, " + shape, write.ms, 1000, "ms");
            goal("read pass, peak memory / file size, " + shape, memory(read), 4, "x");
            goal("write pass, peak memory / file size, " + shape, memory(write), 4, "x");
        }
    } catch (...) {
        std::filesystem::remove_all(folder);
        throw;
    }
    std::filesystem::remove_all(folder);
    std::printf("\n%s\n", failures == 0 ? "All goals met." : "Some goals are not met.");
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    self = std::filesystem::canonical("/proc/self/exe").string();
    try {
        if (argc == 4 && std::strcmp(argv[1], "--child") == 0)
            return measurePass(argv[2], argv[3]);
        std::size_t megabytes = 40;
        for (int i = 1; i + 1 < argc; i += 2) {
            if (std::strcmp(argv[i], "--megabytes") == 0)
                megabytes = std::strtoul(argv[i + 1], nullptr, 10);
            else if (std::strcmp(argv[i], "--runs") == 0)
                runs = std::atoi(argv[i + 1]);
        }
        if (megabytes == 0 || runs <= 0 || argc % 2 == 0) {
            std::fprintf(stderr, "usage: %s [--megabytes N] [--runs R]\n", argv[0]);
            return 2;
        }
        return runBenchmark(megabytes);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "settings_file_bench: %s\n", e.what());
        return 2;
    }
}
