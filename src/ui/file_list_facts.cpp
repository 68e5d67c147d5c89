#include "ui/file_list_facts.h"

namespace quorrin::ui {

const platform::DirEntry* FileListFacts::entry(std::string_view name) const
{
    if (const platform::DirEntry* found = ordered_.find(list_.Items(), list_.facts(), name))
        return found;
    auto found = list_.fileInformation(name);
    return found ? ordered_.hold(std::move(*found)) : nullptr;
}

} // namespace quorrin::ui
