// Saving a listing of 1,000,000 lines in every encoding, measured against
// the UTF-8 save of the same lines in the same run:
//
//   save_encoding_bench [--lines N] [--runs R]
//
// builds the lines in memory (Japanese and ASCII names, sizes, dates, as the
// window composes them), saves them R times (default 5) in each encoding
// into a temporary folder, prints the medians with each goal's ratio and
// PASS or FAIL, removes the folder and exits with 1 when a goal fails.
#include "listing/output_options.h"
#include "persist/listing_encoding.h"
#include "persist/listing_file.h"
#include "platform/native.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace quorrin;
using listing::TextEncoding;

std::vector<std::string> listingLines(std::size_t count)
{
    static const char* const stems[] = {"日本語の資料", "report", "アニメ映画", "写真_旅行", "invoice", "議事録"};
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(std::string(stems[i % 6]) + "_" + std::to_string(i) + ".txt\t" +
                        std::to_string(i * 37 % 99991) + "\t2024/0" + std::to_string(1 + i % 9) + "/1" +
                        std::to_string(i % 10) + " 9:05:0" + std::to_string(i % 10));
    return lines;
}

double medianMs(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int run(std::size_t lineCount, int runs)
{
    const auto rules = platform::makeNativeTextRules();
    const auto converter = platform::makeNativeCharsetConverter();
    const auto folder = std::filesystem::temp_directory_path() / ("quorrin-save-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "listing.txt").string();
    const std::vector<std::string> lines = listingLines(lineCount);
    // The table is built once per run of the program; build it before timing.
    converter->codePage932();

    const TextEncoding encodings[] = {TextEncoding::system, TextEncoding::utf8, TextEncoding::utf8Bom,
                                      TextEncoding::shiftJis, TextEncoding::utf16le};
    std::vector<std::vector<double>> times(std::size(encodings));
    std::vector<std::vector<double>> encodeTimes(std::size(encodings));
    // Rounds go over every encoding in turn, so a load on the machine
    // weighs on all of them alike.
    for (int r = 0; r < runs; ++r)
        for (std::size_t e = 0; e < std::size(encodings); ++e) {
            const auto start = std::chrono::steady_clock::now();
            const auto sinceStart = [&start] {
                return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            };
            const auto encoded =
                persist::encodeListing(lines, encodings[e], listing::LineEnd::crlf, *converter, *rules);
            encodeTimes[e].push_back(sinceStart());
            persist::saveListingBytes(*rules, path, encoded.bytes);
            times[e].push_back(sinceStart());
        }
    std::filesystem::remove_all(folder);

    std::printf("Saving a listing of %zu lines; medians of %d runs.\n\n%-12s %12s %12s\n", lineCount, runs, "", "save",
                "of it encode");
    std::vector<double> medians;
    for (std::size_t e = 0; e < std::size(encodings); ++e) {
        medians.push_back(medianMs(times[e]));
        std::printf("%-12s %10.1fms %10.1fms\n", std::string(listing::encodingWord(encodings[e])).c_str(),
                    medians.back(), medianMs(encodeTimes[e]));
    }
    int failures = 0;
    const double utf8 = medians[1];
    for (const std::size_t e : {std::size_t(3), std::size_t(4)}) {
        const double ratio = medians[e] / utf8;
        const bool pass = ratio <= 1.5;
        failures += pass ? 0 : 1;
        std::printf("%-62s %10.3fx   (goal <= 1.5x)  %s\n",
                    ("save in " + std::string(listing::encodingWord(encodings[e])) + " / save in utf-8").c_str(), ratio,
                    pass ? "PASS" : "FAIL");
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t lines = 1'000'000;
    int runs = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--lines") == 0)
            lines = std::strtoul(argv[i + 1], nullptr, 10);
        else if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::atoi(argv[i + 1]);
    }
    if (lines == 0 || runs <= 0 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: %s [--lines N] [--runs R]\n", argv[0]);
        return 2;
    }
    return run(lines, runs);
}
