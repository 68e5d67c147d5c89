#pragma once

#include <cstdint>

namespace quorrin::browse {

// Which directory entries a file list shows. Each flag but ftNormal stands
// for an attribute bit; ftNormal lists entries whatever their attributes.
enum FileTypeFlag : std::uint8_t {
    ftReadOnly = 1u << 0,
    ftHidden = 1u << 1,
    ftSystem = 1u << 2,
    ftVolumeID = 1u << 3,
    ftDirectory = 1u << 4,
    ftArchive = 1u << 5,
    ftNormal = 1u << 6,
};

using FileType = std::uint8_t;

// Every entry but a folder: what the main window's file list shows, and so
// what a listing holds wherever it is made.
inline constexpr FileType mainWindowFileType = ftReadOnly | ftHidden | ftSystem | ftVolumeID | ftArchive | ftNormal;

// The attribute bits a search asks for: the OR of the flags' bits.
std::uint32_t searchAttribute(FileType type);

} // namespace quorrin::browse
