#pragma once

#include "browse/control.h"

#include <string>

namespace quorrin::browse {

// The edit box a file list keeps current (the main window's mask box). The
// view implements it over its widget; tests record what it is told.
class EditBoxPort : public Control {
public:
    virtual void setText(const std::string& text) = 0;
    // Selects the whole text, so that typing replaces it.
    virtual void selectAll() = 0;
};

} // namespace quorrin::browse
