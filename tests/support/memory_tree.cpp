#include "support/memory_tree.h"

#include "platform/errors.h"

#include <algorithm>

namespace quorrin::testing {

MemoryNode* MemoryNode::find(const text::TextRules& rules, std::string_view name) const
{
    for (const auto& child : children) {
        if (rules.sameFileName(child->entry.name, name))
            return child.get();
    }
    return nullptr;
}

MemoryNode& MemoryNode::add(platform::DirEntry child)
{
    auto node = std::make_unique<MemoryNode>();
    node->entry = std::move(child);
    node->parent = this;
    children.push_back(std::move(node));
    return *children.back();
}

void MemoryNode::remove(const MemoryNode& child)
{
    std::erase_if(children, [&](const auto& node) { return node.get() == &child; });
}

std::vector<std::string> MemoryNode::namesFromRoot() const
{
    std::vector<std::string> names;
    for (const MemoryNode* node = this; node->parent != nullptr; node = node->parent)
        names.push_back(node->entry.name);
    std::reverse(names.begin(), names.end());
    return names;
}

std::string MemoryVolume::format(const std::vector<std::string>& names) const
{
    if (names.empty())
        return isDrive() ? prefix + "\\" : prefix;
    std::string path = prefix;
    for (const std::string& name : names)
        path += "\\" + name;
    return path;
}

WalkResult walk(const text::TextRules& rules, MemoryNode& root, const std::vector<std::string>& names)
{
    MemoryNode* node = &root;
    for (std::size_t i = 0; i < names.size(); ++i) {
        MemoryNode* child = node->entry.isDirectory() ? node->find(rules, names[i]) : nullptr;
        if (child == nullptr) {
            const bool last = i + 1 == names.size() && node->entry.isDirectory();
            return {nullptr, last ? win_error::fileNotFound : win_error::pathNotFound};
        }
        node = child;
    }
    return {node, 0};
}

} // namespace quorrin::testing
