#include "core_measure.h"

#include "bench_process.h"
#include "browse/file_list_box.h"
#include "browse/folder_tree_read.h"
#include "compose/listing_composer.h"
#include "listing/category_classifier.h"
#include "platform/native.h"

#include <clocale>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace quorrin::bench {

namespace {

// The attributes the main window's file list asks for: everything but
// directories.
constexpr browse::FileType windowFileType = browse::ftReadOnly | browse::ftHidden | browse::ftSystem |
                                            browse::ftVolumeID | browse::ftArchive | browse::ftNormal;

struct Services {
    platform::FileSystem* fs;
    const text::TextRules* rules;
    const platform::LocaleSettings* locale;
    listing::CategoryClassifier classifier;
};

// As the window's application object does: the user's locale decides the
// order of names and the date patterns.
struct NativeServices {
    NativeServices() { std::setlocale(LC_ALL, ""); }
    std::unique_ptr<text::TextRules> rules = platform::makeNativeTextRules();
    std::unique_ptr<platform::FileSystem> fs = platform::makeNativeFileSystem(*rules);
    std::unique_ptr<platform::LocaleSettings> locale = platform::makeNativeLocaleSettings();
    Services services{fs.get(), rules.get(), locale.get(), listing::CategoryClassifier(*rules)};
};

} // namespace

namespace {

// One folder's file list and listing, as the window keeps them.
class Session {
public:
    Session(const std::string& dir, const Services& services)
        : services_(services), list_(*services.fs, *services.rules)
    {
        list_.SetFileType(windowFileType);
        list_.SetMask("*.*");
        list_.SetCurrentDir(dir);
        settings_ = listing::defaultListSettings(listing::builtInPresetFilterCount);
        settings_.ListCol1 = listing::ckFileName;
        settings_.ListCol2 = listing::ckSize;
        settings_.ListCol3 = listing::ckDate;
    }

    // Reads the folders below too and composes path, name, size and date.
    void readTree()
    {
        settings_.ListCol1 = listing::ckPath;
        settings_.ListCol2 = listing::ckFileName;
        settings_.ListCol3 = listing::ckSize;
        settings_.ListCol4 = listing::ckDate;
        list_.createWindow();
        list_.Rescan();
        tree_ = {};
        tree_ = browse::readFoldersBelow(*services_.fs, *services_.rules, list_.CurrentDir(), list_.Mask(),
                                         list_.FileType(), browse::WalkOptions{true, 0, 0}, {});
        compose();
    }

    void firstRead()
    {
        list_.createWindow();
        compose();
    }
    void reread()
    {
        list_.Rescan();
        compose();
    }
    // What the window's ListDataSet does: drop the old lines, build anew.
    void compose()
    {
        std::vector<std::string>().swap(lines_);
        const compose::ListingFormat format{settings_, "", *services_.locale, *services_.rules, services_.classifier,
                                            output_};
        lines_ = compose::composeListing(format, list_.CurrentDir(), list_.Items(), list_.facts(), tree_);
    }
    listing::ListSettings& settings() { return settings_; }
    std::size_t lines() const { return lines_.size(); }

private:
    const Services& services_;
    browse::TFileListBox list_;
    listing::ListSettings settings_;
    listing::OutputOptions output_;
    std::vector<std::string> lines_;
    browse::FolderTree tree_;
};

// Prints how long `step` takes, under `key` and the folder's position.
template <typename Step> void timed(const char* key, std::size_t folder, Step&& step)
{
    const double start = nowMs();
    step();
    std::printf("%s_%zu %.3f\n", key, folder, nowMs() - start);
}

} // namespace

int measureTree(const std::string& dir, int runs)
{
    NativeServices native;
    Session session(dir, native.services);
    for (int run = 0; run < runs; ++run)
        timed("tree_read_compose_ms", 0, [&] { session.readTree(); });
    std::printf("tree_files %zu\n", session.lines());
    std::fflush(stdout);
    return 0;
}

int measureCore(const std::vector<std::string>& dirs, int runs)
{
    NativeServices native;
    const Services& services = native.services;

    std::vector<std::unique_ptr<Session>> sessions;
    for (std::size_t i = 0; i < dirs.size(); ++i) {
        sessions.push_back(std::make_unique<Session>(dirs[i], services));
        timed("first_read_compose_ms", i, [&] { sessions[i]->firstRead(); });
        std::printf("files_%zu %zu\n", i, sessions[i]->lines());
    }
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < sessions.size(); ++i)
            timed("read_compose_ms", i, [&] { sessions[i]->reread(); });
    }

    // The changes a user makes while looking at the listing.
    const std::vector<std::function<void(listing::ListSettings&)>> changes{
        [](listing::ListSettings& s) { s.TabNo = 3; },
        [](listing::ListSettings& s) { s.QuoteOn = true; },
        [](listing::ListSettings& s) { s.ListCol4 = listing::ckOption; },
        [](listing::ListSettings& s) { s.QuoteOn = false; },
        [](listing::ListSettings& s) { s.ListCol4 = listing::ckNone; },
        [](listing::ListSettings& s) { s.TabNo = 2; },
    };
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < sessions.size(); ++i) {
            changes[static_cast<std::size_t>(run) % changes.size()](sessions[i]->settings());
            timed("recompose_ms", i, [&] { sessions[i]->compose(); });
        }
    }
    std::fflush(stdout);
    return 0;
}

} // namespace quorrin::bench
