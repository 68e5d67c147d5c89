#pragma once

#include "text/text_rules.h"

#include <string>
#include <string_view>

namespace quorrin::persist {

// What the save dialog is told each time it opens. Paths are in the code
// page; an empty one means none.
struct SaveDialogRequest {
    std::string startDirectory;
    std::string fileName; // full name shown in the name field
    int typeIndex = 0;    // 0 text files, 1 all files
};

// What the user confirmed in it.
struct SaveDialogAnswer {
    std::string path;
    int typeIndex = 0;
};

// The folder the save dialog starts in: the folder of the file saved last
// (`savePath`), without a trailing delimiter unless it is a root ("/",
// "C:\") or follows a drive ("C:"). A name without a folder, or none, gives
// no starting directory.
std::string saveStartDirectory(const text::TextRules& rules, std::string_view savePath, std::string_view delimiters);

// The save dialog's memory within one run: the full name and the file type
// confirmed last, offered again at the next save. Nothing of it outlives the
// run; the starting folder across runs comes from the saved path instead.
class SaveDialogMemory {
public:
    SaveDialogRequest request(const text::TextRules& rules, std::string_view savePath,
                              std::string_view delimiters) const;
    void remember(const SaveDialogAnswer& answer);

private:
    SaveDialogAnswer last_;
};

} // namespace quorrin::persist
