#pragma once

#include "browse/file_list_box.h"
#include "browse/folder_tree_read.h"
#include "listing/file_info_source.h"
#include "ui/ordered_facts.h"

namespace quorrin::ui {

// What the file list's last read knows about each listed name, served to the
// row composer; a name it does not hold in order is searched for.
class FileListFacts final : public listing::FileInfoSource {
public:
    explicit FileListFacts(const browse::TFileListBox& list) : list_(list) {}
    const platform::DirEntry* entry(std::string_view name) const override;

private:
    const browse::TFileListBox& list_;
    OrderedFacts ordered_;
};

// What a walk read in one folder below the listed one.
class FolderFacts final : public listing::FileInfoSource {
public:
    explicit FolderFacts(const browse::ListedEntries& entries) : entries_(entries) {}
    const platform::DirEntry* entry(std::string_view name) const override
    {
        return ordered_.find(entries_.items, entries_.facts, name);
    }

private:
    const browse::ListedEntries& entries_;
    OrderedFacts ordered_;
};

} // namespace quorrin::ui
