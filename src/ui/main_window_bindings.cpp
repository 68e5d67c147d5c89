#include "browse/filter_presets.h"
#include "ui/browse_glyphs.h"
#include "ui/click_check_box.h"
#include "ui/edit_selector.h"
#include "ui/list_control_view.h"
#include "ui/main_window.h"
#include "ui/selector_control_view.h"

#include <QEvent>
#include <QListView>
#include <QPushButton>
#include <QStyle>

namespace quorrin::ui {

namespace {

QStyle::StandardPixmap standardDriveGlyph(platform::DriveType type)
{
    switch (type) {
    case platform::DriveType::removable: return QStyle::SP_DriveFDIcon;
    case platform::DriveType::remote: return QStyle::SP_DriveNetIcon;
    case platform::DriveType::cdrom: return QStyle::SP_DriveCDIcon;
    default: return QStyle::SP_DriveHDIcon;
    }
}

QIcon driveGlyph(const QStyle& style, platform::DriveType type)
{
    if (type == platform::DriveType::ramDisk)
        return QIcon(ramDiskGlyph());
    return style.standardIcon(standardDriveGlyph(type));
}

} // namespace

void TForm1::bindControls()
{
    FileListBox1.SetFileType(browse::mainWindowFileType);
    FileListBox1.SetMask("*.exe;*.com");
    FileListBox1.SetFileEdit(fileEditPort_.get());
    FileListBox1.OnChange = [this](browse::TFileListBox&) {
        fileListDirty_ = true;
        FileListBox1Change();
    };
    // The window reads the listed folder off the event loop.
    readRunner_ = std::make_unique<ThreadedReadRunner>(
        *this, services_.fileSystem, services_.rules,
        ThreadedReadRunner::Hooks{
            .started = [this] { fileReadStarted(); },
            .found =
                [this](std::size_t found) {
                    readFound_ = found;
                    showFileCount();
                },
            .ended = [this] { fileReadEnded(); },
            .composer = [this] { return composerNow(); },
            .composed = [this](std::vector<std::string> lines) { composedLines_ = std::move(lines); },
            .inWindow = [this](const std::function<void()>& landing) { landFileRead(landing); },
        });
    FileListBox1.setReadRunner(readRunner_.get());
    subdirectoryRunner_ = std::make_unique<ThreadedSubdirectoryRunner>(
        *this, services_.fileSystem, services_.rules,
        [this](const std::function<void()>& landing) { userAction(landing); });
    DirectoryListBox1.setSubdirectoryRunner(subdirectoryRunner_.get());

    DirectoryListBox1.SetFileList(&FileListBox1);
    DirectoryListBox1.OnClick = [this](browse::TDirectoryListBox&) { DirectoryListBox1Click(); };

    DriveComboBox1.SetDirList(&DirectoryListBox1);
    DriveComboBox1.OnChange = [this](browse::TDriveComboBox&) { DriveComboBox1Change(); };

    // The presets come first: a new filter reports a change, which must not
    // reach the file list before the window has set it up.
    FilterComboBox1.SetFilter(services_.rules.fromUtf8(browse::mainWindowFilterUtf8));
    FilterComboBox1.SetFileList(&FileListBox1);
    FilterComboBox1.OnChange = [this](browse::TFilterComboBox&) { FilterComboBox1Change(); };

    bindColumnSelectors();
    connect(ComboBox6, &EditSelector::OnChange, this, handler(&TForm1::ComboBox6Change));
    connect(ComboBox6, &EditSelector::OnKeyDown, this, handler(&TForm1::ComboBox6KeyDown));
    connect(CheckBox1, &ClickCheckBox::OnClick, this, handler(&TForm1::CheckBox1Click));
    connect(CheckBox2, &ClickCheckBox::OnClick, this, handler(&TForm1::CheckBox2Click));
    connect(Get_Button, &QPushButton::clicked, this, handler(&TForm1::Get_ButtonClick));
    Get_Button->installEventFilter(this);
    // Anywhere in the list, also below its last line or in an empty list.
    ListBox1->viewport()->installEventFilter(this);
}

void TForm1::bindColumnSelectors()
{
    // Selector n, its change handler and its key handler, one row each.
    const struct {
        EditSelector* selector;
        void (TForm1::*change)();
        void (TForm1::*keyUp)();
    } columns[] = {
        {columnSelector(1), &TForm1::ComboBox1Change, &TForm1::ComboBox1KeyUp},
        {columnSelector(2), &TForm1::ComboBox2Change, &TForm1::ComboBox2KeyUp},
        {columnSelector(3), &TForm1::ComboBox3Change, &TForm1::ComboBox3KeyUp},
        {columnSelector(4), &TForm1::ComboBox4Change, &TForm1::ComboBox4KeyUp},
        {columnSelector(5), &TForm1::ComboBox5Change, &TForm1::ComboBox5KeyUp},
    };
    for (const auto& column : columns) {
        connect(column.selector, &EditSelector::OnChange, this, handler(column.change));
        connect(column.selector, &EditSelector::OnKeyUp, this, handler(column.keyUp));
    }
}

// The drive and filter selectors show and take their rows the same way.
template <typename Selector>
void TForm1::bindSelectorView(SelectorControlView* view, Selector& selector, std::function<QIcon(int row)> icon)
{
    view->bind({
        .items = &selector.Items(),
        .itemIndex = [&selector] { return selector.ItemIndex(); },
        .chooseByUser = [this, &selector](int index) { userAction([&] { selector.chooseByUser(index); }); },
        .typeKey =
            [this, &selector](std::string_view key) {
                bool used = false;
                userAction([&] { used = selector.typeKey(key); });
                return used;
            },
        .icon = std::move(icon),
    });
}

void TForm1::bindViews()
{
    directoryView_->bind({
        .items = &DirectoryListBox1.Items(),
        .itemIndex = [this] { return DirectoryListBox1.ItemIndex(); },
        .selectByUser = [this](int index) { userAction([&] { DirectoryListBox1.selectByUser(index); }); },
        .typeKey = [this](std::string_view key) { userAction([&] { DirectoryListBox1.typeKey(key); }); },
        .open = [this] { userAction([&] { DirectoryListBox1.OpenSelected(); }); },
        .indent = [this](int row) { return 4 * DirectoryListBox1.rows()[static_cast<std::size_t>(row)].depth; },
        .icon =
            [this](int row) {
                return QIcon(folderGlyph(DirectoryListBox1.rows()[static_cast<std::size_t>(row)].kind));
            },
    });
    fileListView_->bind({
        .items = &FileListBox1.Items(),
        .itemIndex = [this] { return FileListBox1.ItemIndex(); },
        .selectByUser = [this](int index) { userAction([&] { FileListBox1.selectByUser(index); }); },
        .typeKey = [this](std::string_view key) { userAction([&] { FileListBox1.typeKey(key); }); },
        .open = {},
        .indent = {},
        .icon = {},
    });
    bindSelectorView(driveView_, DriveComboBox1, [this](int row) {
        return driveGlyph(*style(), DriveComboBox1.rows()[static_cast<std::size_t>(row)].volume.type);
    });
    bindSelectorView(filterView_, FilterComboBox1, {});
}

} // namespace quorrin::ui
