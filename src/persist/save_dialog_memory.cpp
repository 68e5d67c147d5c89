#include "persist/save_dialog_memory.h"

#include "text/text_scan.h"

namespace quorrin::persist {

std::string saveStartDirectory(const text::TextRules& rules, std::string_view savePath, std::string_view delimiters)
{
    const std::size_t delimiter = text::findLastOf(rules, savePath, delimiters);
    if (delimiter == std::string_view::npos)
        return {};
    const std::string_view folder = savePath.substr(0, delimiter);
    // A root keeps its delimiter ("/", "C:\"), and a drive its colon: cut
    // off, they would name no folder or the drive's current one instead.
    const bool keepDelimiter = folder.empty() || savePath[delimiter] == ':' || text::endsWithChar(rules, folder, ':');
    return std::string(keepDelimiter ? savePath.substr(0, delimiter + 1) : folder);
}

SaveDialogRequest SaveDialogMemory::request(const text::TextRules& rules, std::string_view savePath,
                                            std::string_view delimiters) const
{
    return {saveStartDirectory(rules, savePath, delimiters), last_.path, last_.typeIndex};
}

void SaveDialogMemory::remember(const SaveDialogAnswer& answer)
{
    last_ = answer;
}

} // namespace quorrin::persist
