#include "browse/drive_combo_box.h"

#include "browse/directory_list_box.h"

namespace quorrin::browse {

namespace {

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// A drive letter in the case the selector keeps: the upper case, or the code
// of the upper case plus 32, which for a letter is its lower case.
char inCase(char c, TextCase textCase)
{
    const auto upper = static_cast<unsigned char>(asciiUpper(c));
    return textCase == tcUpperCase ? static_cast<char>(upper) : static_cast<char>(upper + 32);
}

} // namespace

TDriveComboBox::TDriveComboBox(platform::FileSystem& fs, const text::TextRules& rules)
    : fs_(fs), rules_(rules), typing_(rules)
{
    const platform::PathSyntax syntax = fs.pathSyntax();
    const std::string current = fs.currentDirectory();
    // A network directory starts with the separator and is on no drive.
    if (syntax.driveLetters && !current.empty() && current.front() != syntax.separator)
        driveLetter_ = inCase(current.front(), textCase_);
}

void TDriveComboBox::createWindow()
{
    windowCreated_ = true;
    RebuildDrives();
    SetDriveLetter(driveLetter_);
}

void TDriveComboBox::RebuildDrives()
{
    rows_ = buildDriveRows(fs_, rules_, textCase_);
    items_.clear();
    items_.reserve(rows_.size());
    for (const DriveRow& row : rows_)
        items_.push_back(row.text);
    itemIndex_ = -1;
}

void TDriveComboBox::SetDriveLetter(char letter)
{
    if (itemIndex_ >= 0 && asciiUpper(letter) == asciiUpper(driveLetter_))
        return;
    if (letter == 0 || !fs_.pathSyntax().driveLetters) {
        driveLetter_ = 0;
        itemIndex_ = fs_.pathSyntax().driveLetters
                         ? -1
                         : rowHolding(dirList_ != nullptr ? dirList_->CurrentDir() : fs_.currentDirectory());
    } else {
        driveLetter_ = inCase(letter, textCase_);
        // A letter without a row keeps the row selected before.
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const std::string& text = items_[i];
            if (text.size() >= 2 && asciiUpper(text[0]) == asciiUpper(driveLetter_) && text[1] == ':') {
                itemIndex_ = static_cast<int>(i);
                break;
            }
        }
    }
    if (dirList_ != nullptr)
        dirList_->ChangeDrive(driveLetter_);
    change();
}

void TDriveComboBox::restoreDrive(std::int32_t storedDriveChar)
{
    if (storedDriveChar == 0)
        return;
    if (!windowCreated_)
        createWindow();
    SetDriveLetter(static_cast<char>(storedDriveChar & 0xFF));
}

void TDriveComboBox::SetTextCase(browse::TextCase textCase)
{
    textCase_ = textCase;
    const char held = driveLetter_;
    RebuildDrives();
    SetDriveLetter(held);
}

void TDriveComboBox::SetDirList(TDirectoryListBox* list)
{
    relinkWithBackLink(dirList_, list, this, &TDirectoryListBox::driveSelector, &TDirectoryListBox::setDriveSelector);
}

void TDriveComboBox::linkedControlGone(Control& gone)
{
    if (dirList_ == &gone)
        dirList_ = nullptr;
}

void TDriveComboBox::chooseByUser(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= rows_.size() || index == itemIndex_)
        return;
    itemIndex_ = index;
    if (OnClick)
        OnClick(*this);
    if (fs_.pathSyntax().driveLetters)
        SetDriveLetter(items_[static_cast<std::size_t>(index)].front());
    else
        moveToVolume(rows_[static_cast<std::size_t>(index)].volume);
    // The widget's own selection handling reports the change once more.
    change();
}

void TDriveComboBox::moveToVolume(const platform::Volume& volume)
{
    if (dirList_ != nullptr) {
        dirList_->SetCurrentDir(fs_.volumeCurrentDirectory(volume));
        // Also when the list was there already: the row shows where it is.
        followDirectory(dirList_->CurrentDir());
    }
    change();
}

bool TDriveComboBox::typeKey(std::string_view character)
{
    const ClosedSelectorTyping::Outcome outcome = typing_.key(character, items_);
    switch (outcome.action) {
    case ClosedSelectorTyping::Action::backspace: change(); return true;
    case ClosedSelectorTyping::Action::choose: chooseByUser(outcome.row); return true;
    case ClosedSelectorTyping::Action::pass: break;
    }
    return false;
}

void TDriveComboBox::followDirectory(const std::string& dir)
{
    if (!fs_.pathSyntax().driveLetters)
        itemIndex_ = rowHolding(dir);
}

int TDriveComboBox::rowHolding(const std::string& dir) const
{
    const char separator = fs_.pathSyntax().separator;
    int best = -1;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const std::string& root = rows_[i].volume.root;
        const bool holds = dir.starts_with(root) &&
                           (dir.size() == root.size() || root.ends_with(separator) || dir[root.size()] == separator);
        if (holds && (best < 0 || root.size() > bestLength)) {
            best = static_cast<int>(i);
            bestLength = root.size();
        }
    }
    return best;
}

void TDriveComboBox::change()
{
    if (OnChange)
        OnChange(*this);
}

} // namespace quorrin::browse
