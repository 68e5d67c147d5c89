#pragma once

#include "text/text_rules.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace quorrin::cli {

enum class Language { english, japanese };

// Everything the command-line program says, in the order of the table in
// cli_texts.cpp.
enum class Message {
    // Failures: usage, the folder, the output.
    unknownOption,
    secondFolder,
    badCommandLine,
    optionNeedsValue,
    settingsTwice,
    unknownColumn,
    tooManyColumns,
    noColumns,
    unknownEncoding,
    unknownLineEnd,
    unknownDateStyle,
    unknownSort,
    emptyMask,
    maskNamesFolder,
    settingsFileMissing,
    invalidFolderName,
    noSuchFolder,
    notAFolder,
    cannotEnterFolder,
    cannotReadFolder,
    cannotCreateOutput,
    cannotWriteOutputFile,
    cannotWriteStandardOutput,
    outputLeftIncomplete,
    cannotEncodeLine,
    badDepth,
    cannotReadSubfolder,
    // The progress line while a folder is read.
    progress,
    // --help.
    description,
    helpFolder,
    helpMask,
    helpColumns,
    helpSeparator,
    helpQuote,
    helpNoQuote,
    helpKib,
    helpNoKib,
    helpEncoding,
    helpEol,
    helpHeader,
    helpNoHeader,
    helpDates,
    helpSort,
    helpSubfolders,
    helpNoSubfolders,
    helpReplace,
    helpOutput,
    helpSettings,
    helpNoSettings,
    helpHelp,
    helpVersion,
    labelUsage,
    labelOptions,
    labelPositionals,
    labelExcludes,
};

// The program's texts in the user's language, in the system's code page.
class Texts {
public:
    Texts(const text::TextRules& rules, Language language) : rules_(rules), language_(language) {}

    // The message with each "%s" replaced by the next of `args`, which are
    // bytes in the system's code page already (names, paths).
    std::string say(Message message, std::initializer_list<std::string_view> args = {}) const;

    // "quorrin-list: " + the message + a line end: one line for standard error.
    std::string errorLine(Message message, std::initializer_list<std::string_view> args = {}) const;

private:
    const text::TextRules& rules_;
    Language language_;
};

inline constexpr std::string_view programName = "quorrin-list";

} // namespace quorrin::cli
