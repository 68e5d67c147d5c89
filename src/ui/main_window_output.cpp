#include "persist/list_text.h"
#include "persist/listing_encoding.h"
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
    persist::SaveDialogRequest request =
        saveDialogMemory_.request(services_.rules, settings_.SavePath, platform::pathDelimiters());
    // Before the first save the dialog opens on the listed folder, so a bare
    // name typed there is saved beside the files listed.
    if (request.startDirectory.empty())
        request.startDirectory = DirectoryListBox1.CurrentDir();
    const auto answer = saveDialog_->run(this, request);
    if (!answer)
        return;
    saveDialogMemory_.remember(*answer);
    const std::string& name = answer->path;
    // What is saved is what the folder holds now.
    FileListBox1.RescanIfChanged();
    waitForReads();
    // Encoded before anything changes: an encoding the system cannot give,
    // or a cancelled question, leaves the file, the caption and SavePath
    // as they were.
    const auto bytes = encodedListingToSave();
    if (!bytes)
        return;
    if (services_.fileSystem.fileExists(name))
        SetFileName(name);
    // The name is kept even when the write fails: the next save starts in
    // the folder the user chose. A failure is reported, and the file on disk
    // stays as it was.
    settings_.SavePath = name;
    persist::saveListingBytes(services_.rules, name, *bytes);
}

std::optional<std::string> TForm1::encodedListingToSave()
{
    persist::EncodedListing encoded =
        persist::encodeListing(lines_, output_.encoding, output_.lineEnd, *charsets_, services_.rules);
    if (encoded.unmappableLines.empty())
        return std::move(encoded.bytes);
    constexpr std::size_t shown = 5;
    QStringList firstLines;
    for (std::size_t i = 0; i < encoded.unmappableLines.size() && i < shown; ++i)
        firstLines << QString::fromLocal8Bit(lines_[encoded.unmappableLines[i]]);
    switch (unmappableQuestion_->ask(this, encodingMenuName(output_.encoding), encoded.unmappableLines.size(),
                                     firstLines)) {
    case UnmappableAnswer::saveWithGeta: return std::move(encoded.bytes);
    case UnmappableAnswer::saveAsUtf8:
        return persist::encodeListing(lines_, listing::TextEncoding::utf8Bom, output_.lineEnd, *charsets_,
                                      services_.rules)
            .bytes;
    case UnmappableAnswer::cancel: break;
    }
    return std::nullopt;
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
    waitForReads();
    // The clipboard holds Unicode text; only the line ends and the header
    // row (already among the lines) follow the output choices.
    clipboard_->putText(persist::listText(lines_, listing::lineEndText(output_.lineEnd)));
}

void TForm1::Copy2Click()
{
    FileListBox1.RescanIfChanged();
    waitForReads();
    clipboard_->putText(persist::listText(FileListBox1.Items()));
}

void TForm1::Copy3Click()
{
    waitForReads();
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
