#pragma once

#include "browse/control.h"

#include <string>

namespace quorrin::browse {

// What a file list needs of the directory list that names it as its
// FileList: a typed path is handed over whole, so the directory list moves
// (drive first) and then sets the file list's directory itself.
class DirectoryListLink : public Control {
public:
    virtual void SetCurrentDir(const std::string& text) = 0;
};

} // namespace quorrin::browse
