#include "support/memory_file_system.h"

#include "support/windows_path.h"
#include "text/ascii_case.h"

#include <stdexcept>

namespace quorrin::testing {

namespace {

using platform::DirEntry;
using Kind = windows_path::PathStart::Kind;

[[noreturn]] void badSetup(const std::string& what, const std::string& path)
{
    throw std::invalid_argument("MemoryFileSystem: " + what + ": " + path);
}

} // namespace

void MemoryFileSystem::addDrive(char letter, platform::DriveType type, std::string label)
{
    const char key = text::upperAscii(letter);
    if (key < 'A' || key > 'Z' || drives_.contains(key))
        badSetup("drive letter unusable", std::string(1, letter));
    auto volume = std::make_unique<MemoryVolume>();
    volume->prefix = std::string(1, key) + ":";
    volume->type = type;
    volume->info.label = std::move(label);
    if (current_ == nullptr)
        current_ = volume.get();
    drives_.emplace(key, std::move(volume));
}

void MemoryFileSystem::setRemoteName(char letter, std::string remoteName)
{
    drive(letter).remoteName = std::move(remoteName);
}

void MemoryFileSystem::setCaseFlags(char letter, bool caseSensitive, bool casePreserving)
{
    MemoryVolume& volume = drive(letter);
    volume.info.caseSensitive = caseSensitive;
    volume.info.casePreserving = casePreserving;
}

void MemoryFileSystem::setNotReady(char letter, bool notReady)
{
    drive(letter).ready = !notReady;
}

void MemoryFileSystem::addShare(const std::string& root, std::string label)
{
    const windows_path::PathStart start = windows_path::parseStart(rules_, root);
    if (start.kind != Kind::unc || !windows_path::splitNames(rules_, start.rest).empty() ||
        volumeOfShare(start.share) != nullptr)
        badSetup("not a new share", root);
    auto volume = std::make_unique<MemoryVolume>();
    volume->prefix = start.share;
    volume->type = platform::DriveType::remote;
    volume->info.label = std::move(label);
    shares_.push_back(std::move(volume));
}

void MemoryFileSystem::addDirectory(const std::string& path, std::uint32_t attributes, platform::FileTime lastWrite)
{
    ++*changes_;
    MemoryNode& node = build(path, false);
    node.entry.attributes = attributes | platform::attr::directory;
    node.entry.lastWrite = lastWrite;
}

void MemoryFileSystem::addFile(const std::string& path, std::uint64_t size, platform::FileTime lastWrite,
                               std::uint32_t attributes)
{
    ++*changes_;
    if ((attributes & platform::attr::directory) != 0)
        badSetup("a file cannot carry the directory attribute", path);
    MemoryNode& node = build(path, true);
    node.entry.attributes = attributes;
    node.entry.size = size;
    node.entry.lastWrite = lastWrite;
}

void MemoryFileSystem::remove(const std::string& path)
{
    ++*changes_;
    MemoryNode& node = existing(path);
    if (node.parent == nullptr)
        badSetup("a root cannot be removed", path);
    node.parent->remove(node);
}

void MemoryFileSystem::denyEnter(const std::string& path)
{
    existing(path).enterDenied = true;
}

void MemoryFileSystem::denySearch(const std::string& path)
{
    existing(path).searchDenied = true;
}

MemoryVolume& MemoryFileSystem::drive(char letter)
{
    const auto it = drives_.find(text::upperAscii(letter));
    if (it == drives_.end())
        badSetup("no such drive", std::string(1, letter));
    return *it->second;
}

MemoryFileSystem::Target MemoryFileSystem::absoluteTarget(const std::string& path) const
{
    const Kind kind = windows_path::parseStart(rules_, path).kind;
    Target found = target(path);
    if ((kind != Kind::driveAbsolute && kind != Kind::unc) || found.error != 0)
        badSetup("not an absolute path on a known volume", path);
    return found;
}

MemoryNode& MemoryFileSystem::build(const std::string& path, bool isFile)
{
    const Target found = absoluteTarget(path);
    if (found.names.empty())
        badSetup("a root cannot be added", path);
    MemoryNode* node = &found.volume->root;
    for (std::size_t i = 0; i < found.names.size(); ++i) {
        const bool last = i + 1 == found.names.size();
        const bool wantFile = last && isFile;
        MemoryNode* child = node->find(rules_, found.names[i]);
        if (child == nullptr)
            child = &node->add(DirEntry{found.names[i], wantFile ? 0 : platform::attr::directory, 0, {}});
        else if (child->entry.isDirectory() == wantFile)
            badSetup(wantFile ? "a directory is in the way" : "a file is in the way", path);
        node = child;
    }
    return *node;
}

MemoryNode& MemoryFileSystem::existing(const std::string& path) const
{
    const Target found = absoluteTarget(path);
    const WalkResult walked = walk(rules_, found.volume->root, found.names);
    if (walked.node == nullptr)
        badSetup("no such entry", path);
    return *walked.node;
}

} // namespace quorrin::testing
