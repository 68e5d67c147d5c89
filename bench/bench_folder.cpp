#include "bench_folder.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace quorrin::bench {

namespace {

constexpr std::array<std::string_view, 8> stems{"ドラマ第",    "holiday_photo_", "アニメ映画「星」", "TV_show_S01E",
                                                "音楽ライブ_", "Report-draft ",  "写真 2024年",      "backup."};
constexpr std::array<std::string_view, 6> extensions{".avi", ".jpg", ".txt", ".mp3", ".tar.gz", ""};

std::string nameOf(std::size_t i)
{
    std::string name(stems[i % stems.size()]);
    name += std::to_string(i);
    name += extensions[(i / stems.size()) % extensions.size()];
    return name;
}

// Mostly small files, some large ones and a few past 4 GiB, whose sizes
// the listing must not wrap.
std::uint64_t sizeOf(std::size_t i)
{
    const std::uint64_t mixed = (static_cast<std::uint64_t>(i) * 2654435761u) % 1000003;
    switch (i % 10) {
    case 0: return 0;
    case 1:
    case 2:
    case 3: return mixed % 1024;
    case 4:
    case 5:
    case 6: return mixed * 7 % (1 << 20);
    case 7:
    case 8: return mixed * 131;
    default: return i % 1000 == 9 ? (5ull << 30) + mixed : mixed * 4099;
    }
}

// 1999 to 2024, with odd seconds and sub-second parts.
timespec timeOf(std::size_t i)
{
    const std::int64_t start = 915'148'800; // 1999-01-01
    const std::int64_t span = 820'000'000;  // about 26 years
    return timespec{static_cast<time_t>(start + (static_cast<std::int64_t>(i) * 7'919'237) % span),
                    static_cast<long>(i % 1000) * 1'000'000};
}

void makeFile(int dirFd, std::size_t i)
{
    const std::string name = nameOf(i);
    const int fd = openat(dirFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + name + ": errno " + std::to_string(errno));
    const std::uint64_t size = sizeOf(i);
    const timespec times[2] = {timeOf(i), timeOf(i)};
    const bool ok = (size == 0 || ftruncate(fd, static_cast<off_t>(size)) == 0) && futimens(fd, times) == 0;
    close(fd);
    if (!ok)
        throw std::runtime_error("cannot size or date " + name);
}

} // namespace

void fillFolder(const std::string& dir, std::size_t count)
{
    const int dirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        throw std::runtime_error("cannot open " + dir);
    // Creating a million files is bound by system calls; every core helps.
    const std::size_t workers = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    std::vector<std::exception_ptr> failures(workers);
    for (std::size_t w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            try {
                for (std::size_t i = w; i < count; i += workers)
                    makeFile(dirFd, i);
            } catch (...) {
                failures[w] = std::current_exception();
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    close(dirFd);
    for (const std::exception_ptr& failure : failures) {
        if (failure)
            std::rethrow_exception(failure);
    }
}

void removeFolder(const std::string& dir)
{
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

} // namespace quorrin::bench
