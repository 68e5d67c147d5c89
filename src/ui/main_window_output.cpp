#include "persist/list_text.h"
#include "persist/listing_file.h"
#include "persist/saved_file_caption.h"
#include "platform/native.h"
#include "ui/clipboard_port.h"
#include "ui/folder_picker_port.h"
#include "ui/main_window.h"
#include "ui/save_dialog_port.h"

namespace quorrin::ui {

void TForm1::FileSave()
{
    const persist::SaveDialogRequest request =
        saveDialogMemory_.request(services_.rules, settings_.SavePath, platform::pathDelimiters());
    const auto answer = saveDialog_->run(this, request);
    if (!answer)
        return;
    saveDialogMemory_.remember(*answer);
    const std::string& name = answer->path;
    if (services_.fileSystem.fileExists(name))
        SetFileName(name);
    // The name is kept even when the write fails: the next save starts in
    // the folder the user chose. A failure is reported, and the file on disk
    // stays as it was.
    settings_.SavePath = name;
    // What is saved is what the folder holds now.
    FileListBox1.RescanIfChanged();
    persist::saveListing(services_.rules, name, lines_);
}

void TForm1::SetFileName(const std::string& name)
{
    const std::string caption =
        persist::savedFileCaption(services_.rules, name, platform::pathDelimiters(), services_.applicationTitle);
    setWindowTitle(QString::fromLocal8Bit(caption));
}

void TForm1::Copy1Click()
{
    FileListBox1.RescanIfChanged();
    clipboard_->putText(persist::listText(lines_));
}

void TForm1::Copy2Click()
{
    FileListBox1.RescanIfChanged();
    clipboard_->putText(persist::listText(FileListBox1.Items()));
}

void TForm1::Copy3Click()
{
    clipboard_->putText(persist::listText(DirectoryListBox1.Items()));
}

void TForm1::DirOpen()
{
    const auto chosen = folderPicker_->pick(this, settings_.DirPath);
    if (!chosen)
        return;
    settings_.DirPath = *chosen;
    DirectoryListBox1.SetCurrentDir(*chosen);
}

} // namespace quorrin::ui
