#include "cli/listing_run.h"

#include "browse/file_list_read.h"
#include "browse/filter_presets.h"
#include "browse/folder_tree_read.h"
#include "cli/column_words.h"
#include "cli/command_line.h"
#include "cli/output_words.h"
#include "cli/refusal.h"
#include "compose/listing_composer.h"
#include "persist/genre_settings.h"
#include "persist/ini_mapping.h"
#include "persist/listing_encoding.h"
#include "persist/scan_settings.h"
#include "persist/settings_file.h"
#include "platform/console.h"
#include "platform/native.h"
#include "text/text_scan.h"

namespace quorrin::cli {

namespace {

// The settings the listing is made with, and the mask it reads with.
struct ResolvedSettings {
    listing::ListSettings settings;
    std::string typedSeparator;
    listing::OutputOptions output;
    listing::GenreTable genre; // the window's own genre rules, if any
    std::string mask;
    browse::WalkOptions walk;
};

// The mask the window starts with: the one typed into its mask box last,
// when that names files by a pattern, else its stored preset's, or the last
// preset's when the stored number names none. A typed text also moves the
// window to the folder it names; here the folder is the command line's, so
// only its pattern counts.
std::string windowStartMask(const text::TextRules& rules, const listing::ListSettings& settings)
{
    const std::string& typed = settings.EditText;
    const std::size_t delimiter = text::findLastOf(rules, typed, platform::pathDelimiters());
    const std::string pattern = delimiter == std::string::npos ? typed : typed.substr(delimiter + 1);
    if (pattern.find_first_of("*?") != std::string::npos)
        return pattern;
    const browse::FilterPresets presets = browse::parseFilter(rules, rules.fromUtf8(browse::mainWindowFilterUtf8));
    const std::int32_t filterNo = settings.FilterNo;
    const bool named = filterNo >= 0 && static_cast<std::size_t>(filterNo) < presets.masks.size();
    return named ? presets.masks[static_cast<std::size_t>(filterNo)] : presets.masks.back();
}

ResolvedSettings resolveSettings(const ListRequest& request, const ListServices& services)
{
    const Texts& texts = services.texts;
    ResolvedSettings resolved{listing::defaultListSettings(listing::builtInPresetFilterCount), {}, {}, {}, {}, {}};
    if (!request.noSettings) {
        const std::string path = request.settingsFile ? *request.settingsFile : services.windowSettingsPath();
        // The window's own file may well not exist yet; one named on the
        // command line must.
        if (request.settingsFile && !services.fileSystem.fileExists(path))
            throw Refusal(texts.say(Message::settingsFileMissing, {path}));
        persist::SettingsFile file(services.rules, path);
        persist::IniRead(file, resolved.settings, resolved.typedSeparator, resolved.output);
        resolved.genre = persist::readGenreRules(file);
        const persist::ScanSettings scan = persist::readScanSettings(file);
        resolved.walk.subfolders = scan.subfolders;
        resolved.walk.depth = scan.depth;
    }

    listing::ListSettings& settings = resolved.settings;
    if (request.columns) {
        const auto kinds = columnKinds(texts, *request.columns);
        settings.ListCol1 = kinds[0];
        settings.ListCol2 = kinds[1];
        settings.ListCol3 = kinds[2];
        settings.ListCol4 = kinds[3];
        settings.ListCol5 = kinds[4];
    }
    if (request.separator) {
        SeparatorChoice choice = separatorChoice(*request.separator);
        settings.TabNo = choice.tabNo;
        resolved.typedSeparator = std::move(choice.typed);
    }
    settings.QuoteOn = request.quote.value_or(settings.QuoteOn);
    settings.SizeInK = request.sizeInKiB.value_or(settings.SizeInK);
    applyOutputFlags(texts, request, resolved.output);
    resolved.walk.subfolders = request.subfolders.value_or(resolved.walk.subfolders);
    resolved.walk.depth = request.depth.value_or(resolved.walk.depth);

    resolved.mask = request.mask ? *request.mask : windowStartMask(services.rules, settings);
    if (resolved.mask.empty())
        throw Refusal(texts.say(Message::emptyMask));
    if (text::findLastOf(services.rules, resolved.mask, platform::pathDelimiters()) != std::string::npos)
        throw Refusal(texts.say(Message::maskNamesFolder, {resolved.mask}));
    return resolved;
}

// The folder's absolute path as the system reports it after moving there,
// which is what the path column shows. The process's current directory is
// put back, so a relative output path means what the user meant.
std::string openFolder(const std::string& folder, const ListServices& services)
{
    const Texts& texts = services.texts;
    platform::FileSystem& fs = services.fileSystem;
    if (!platform::isValidSystemText(folder))
        throw Refusal(texts.say(Message::invalidFolderName, {folder}));
    const std::string start = fs.currentDirectory();
    try {
        fs.changeDirectory(folder);
    } catch (const DirectoryChangeError& e) {
        if (fs.fileExists(folder))
            throw Refusal(texts.say(Message::notAFolder, {folder}));
        if (e.code() == win_error::fileNotFound || e.code() == win_error::pathNotFound)
            throw Refusal(texts.say(Message::noSuchFolder, {folder}));
        throw Refusal(texts.say(Message::cannotEnterFolder, {folder, e.what()}));
    }
    const std::string dir = fs.currentDirectory();
    fs.changeDirectory(start);
    if (!platform::directoryCanBeListed(dir))
        throw Refusal(texts.say(Message::cannotReadFolder, {folder}));
    return dir;
}

// The lines of the folder and, when asked for, of the folders below it,
// each with its own path; the header, if any, stands once at the top.
struct ComposedListing {
    std::vector<std::string> lines;
    std::vector<std::string> unreadable;
};

ComposedListing composeListing(const ResolvedSettings& resolved, const std::string& dir, const ListServices& services)
{
    browse::ListedEntries entries;
    browse::FolderTree tree;
    {
        ProgressLine progress(services.console, services.texts, services.rules, dir, services.clock);
        entries = browse::readEntries(services.fileSystem, services.rules, dir, resolved.mask,
                                      browse::mainWindowFileType, {}, [&progress](std::size_t count) {
                                          progress.entriesSoFar(count);
                                          return true;
                                      });
        if (resolved.walk.subfolders)
            tree = browse::readFoldersBelow(services.fileSystem, services.rules, dir, resolved.mask,
                                            browse::mainWindowFileType, resolved.walk,
                                            [&progress, listed = entries.items.size()](std::size_t count) {
                                                progress.entriesSoFar(listed + count);
                                                return true;
                                            });
    }
    const listing::CategoryClassifier classifier(services.rules, resolved.genre);
    const compose::ListingFormat format{resolved.settings, resolved.typedSeparator, services.locale, services.rules,
                                        classifier,        resolved.output};
    ComposedListing composed;
    composed.lines = compose::composeListing(format, dir, entries.items, entries.facts, tree);
    composed.unreadable = std::move(tree.unreadable);
    return composed;
}

void writeListing(const std::optional<std::string>& output, const std::string& text, const ListServices& services)
{
    const Texts& texts = services.texts;
    if (!output) {
        if (!services.console.writeOutput(text))
            throw Refusal(texts.say(Message::cannotWriteStandardOutput));
        return;
    }
    switch (services.write(*output, text)) {
    case platform::WriteOutcome::written: return;
    case platform::WriteOutcome::cannotCreate: throw Refusal(texts.say(Message::cannotCreateOutput, {*output}));
    case platform::WriteOutcome::cannotWrite: throw Refusal(texts.say(Message::cannotWriteOutputFile, {*output}));
    case platform::WriteOutcome::leftIncomplete: throw Refusal(texts.say(Message::outputLeftIncomplete, {*output}));
    }
}

} // namespace

int runListing(const ListRequest& request, const ListServices& services)
{
    try {
        const ResolvedSettings resolved = resolveSettings(request, services);
        const std::string dir = openFolder(request.folder, services);
        const ComposedListing composed = composeListing(resolved, dir, services);
        const std::vector<std::string>& lines = composed.lines;
        const persist::EncodedListing encoded = persist::encodeListing(
            lines, resolved.output.encoding, resolved.output.lineEnd, services.charsets, services.rules);
        // Nothing is written rather than a listing with names changed,
        // unless the geta mark was asked for.
        if (!encoded.unmappableLines.empty() && !request.replace) {
            const std::string encoding(listing::encodingWord(resolved.output.encoding));
            for (const std::size_t line : encoded.unmappableLines)
                services.console.writeError(
                    services.texts.errorLine(Message::cannotEncodeLine, {encoding, lines[line]}));
            return exitPartly;
        }
        writeListing(request.output, encoded.bytes, services);
        // The listing stands without the folders that could not be read;
        // each is named, and the status tells a script it is not whole.
        for (const std::string& folder : composed.unreadable)
            services.console.writeError(services.texts.errorLine(Message::cannotReadSubfolder, {folder}));
        return composed.unreadable.empty() ? exitListed : exitPartly;
    } catch (const Error& e) {
        services.console.writeError(std::string(programName) + ": " + e.what() + "\n");
        return exitFailed;
    }
}

} // namespace quorrin::cli
