#pragma once

#include "text/text_rules.h"

#include <functional>
#include <string>

class QClipboard;

namespace quorrin::ui {

// The system clipboard as the copy handlers see it.
class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;

    // Replaces everything the clipboard holds with `text` (bytes in the code
    // page) as plain text. Throws Error "クリップボードを開くことができません"
    // when the clipboard cannot be taken; it then keeps what it held.
    virtual void putText(const std::string& text) = 0;
};

// The application's clipboard through Qt.
class QtClipboardPort final : public ClipboardPort {
public:
    // `clipboard` finds the clipboard at each copy (nothing when there is
    // none to take); Qt's application clipboard unless a test gives another.
    explicit QtClipboardPort(const text::TextRules& rules, std::function<QClipboard*()> clipboard = {});
    void putText(const std::string& text) override;

private:
    const text::TextRules& rules_;
    std::function<QClipboard*()> clipboard_;
};

} // namespace quorrin::ui
