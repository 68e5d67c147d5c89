#include "compose/listing_composer.h"
#include "persist/genre_settings.h"
#include "persist/ini_mapping.h"
#include "persist/settings_file.h"
#include "ui/app_icon.h"
#include "ui/byte_list_model.h"
#include "ui/click_check_box.h"
#include "ui/edit_selector.h"
#include "ui/main_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>
#include <utility>

namespace quorrin::ui {

namespace {

std::string bytesOf(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

} // namespace

std::int32_t& TForm1::columnField(int column)
{
    switch (column) {
    case 1: return settings_.ListCol1;
    case 2: return settings_.ListCol2;
    case 3: return settings_.ListCol3;
    case 4: return settings_.ListCol4;
    default: return settings_.ListCol5;
    }
}

std::string TForm1::typedSeparator() const
{
    return bytesOf(ComboBox6->editText());
}

void TForm1::FormCreate()
{
    settings_ = listing::defaultListSettings(static_cast<std::int32_t>(FilterComboBox1.Items().size()));
    std::string typed;
    {
        persist::SettingsFile file(services_.rules, services_.settingsPath());
        persist::IniRead(file, settings_, typed, output_);
        genre_ = persist::readGenreRules(file);
        scan_ = persist::readScanSettings(file);
    }
    classifier_ = listing::CategoryClassifier(services_.rules, genre_);
    ++classifierVersion_;
    syncSettingsMenu();
    showScanChoice();
    for (int column = 1; column <= 5; ++column)
        columnSelector(column)->setItemIndexFromCode(columnField(column));
    ComboBox6->setItemIndexFromCode(settings_.TabNo);
    // A typed separator is put back where the user typed it.
    if (settings_.TabNo == persist::typedSeparatorChoice && !typed.empty())
        ComboBox6->setInitialText(QString::fromLocal8Bit(typed));
    CheckBox1->setCheckedFromCode(settings_.QuoteOn);
    CheckBox2->setCheckedFromCode(settings_.SizeInK);
    FilterSet(settings_.FilterNo);
    DriveComboBox1.restoreDrive(settings_.DriveChar);
    if (!settings_.DirPath.empty())
        DirectoryListBox1.SetCurrentDir(settings_.DirPath);
    // The mask the user last applied applies again, in the restored folder;
    // the file list has not read yet, so it reads once, with this mask.
    if (!settings_.EditText.empty()) {
        fileEditPort_->setText(settings_.EditText);
        FileListBox1.ApplyPathText(settings_.EditText);
    }
}

bool TForm1::FormCloseQuery()
{
    persist::SettingsFile file(services_.rules, services_.settingsPath());
    const std::string typed = settings_.TabNo == persist::typedSeparatorChoice ? typedSeparator() : std::string();
    persist::IniWrite(file, settings_, DirectoryListBox1.CurrentDir(), typed, output_, genre_,
                      [&](persist::SettingsFile& more) { persist::writeScanSettings(more, scan_); });
    return true;
}

std::optional<std::string> TForm1::closeAtSessionEnd()
{
    try {
        FormCloseQuery();
        return std::nullopt;
    } catch (const std::exception& e) {
        return std::string(e.what());
    }
}

void TForm1::FilterSet(std::int32_t filterNo)
{
    FilterComboBox1.SetItemIndex(filterNo);
    fileEditPort_->setText(FilterComboBox1.SelectedMask());
    FileListBox1.ApplyPathText(fileEditPort_->text());
}

compose::ListingFormat TForm1::ListingSnapshot::format() const
{
    return {settings, inputs.separator, locale, rules, classifier, inputs.output};
}

void TForm1::ListDataSet()
{
    const ListingInputs inputs = listingInputs();
    // A new read of the listed folder alone (a change on disk there) keeps
    // the lines of the folders below: composing a million of them again
    // would hold up the window.
    const bool keepBelow = linesBelowStand_ && linesInputs_ == inputs;
    std::vector<std::string> below = keepBelow ? takeLinesBelow() : std::vector<std::string>{};
    // Released, not just emptied (a big one by a worker, at once): the old
    // lines must not sit beside the new ones while a million are composed.
    const std::size_t old = lines_.size();
    freeBeside(freeing_, std::exchange(lines_, {}), old);
    linesInputs_ = inputs;
    const compose::ListingFormat format{settings_,       inputs.separator, services_.locale,
                                        services_.rules, classifier_,      output_};
    // The lines composed beside the read serve while nothing they were
    // composed with has changed.
    auto composed = std::exchange(composedLines_, std::nullopt);
    if (composed && composedInputs_ == inputs)
        lines_ = std::move(*composed);
    else
        lines_ = compose::composeListing(format, DirectoryListBox1.CurrentDir(), FileListBox1.Items(),
                                         FileListBox1.facts(), {});
    listedFolderLines_ = lines_.size();
    compose::appendLines(lines_, keepBelow ? std::move(below) : compose::composeFoldersBelow(format, tree_));
    linesBelowStand_ = true;
    outputModel_->refresh();
}

std::vector<std::string> TForm1::takeLinesBelow()
{
    const auto below = lines_.begin() + static_cast<std::ptrdiff_t>(std::min(listedFolderLines_, lines_.size()));
    std::vector<std::string> taken(std::make_move_iterator(below), std::make_move_iterator(lines_.end()));
    lines_.erase(below, lines_.end());
    return taken;
}

TForm1::ListingInputs TForm1::listingInputs() const
{
    return ListingInputs{settings_.columns(),
                         settings_.TabNo,
                         settings_.QuoteOn,
                         settings_.SizeInK,
                         typedSeparator(),
                         DirectoryListBox1.CurrentDir(),
                         output_,
                         classifierVersion_,
                         localeVersion_};
}

std::shared_ptr<const TForm1::ListingSnapshot> TForm1::listingSnapshot() const
{
    return std::make_shared<const ListingSnapshot>(
        ListingSnapshot{settings_, listingInputs(), classifier_, services_.locale, services_.rules});
}

ThreadedReadRunner::Compose TForm1::composerNow()
{
    auto snapshot = listingSnapshot();
    composedInputs_ = snapshot->inputs;
    return [snapshot](const browse::ListedEntries& entries) {
        return compose::composeListing(snapshot->format(), snapshot->inputs.dir, entries.items, entries.facts, {});
    };
}

void TForm1::rebuildListing()
{
    // A folder that changed since its last read is read again, and the read
    // rebuilds the listing; otherwise the rows are composed from memory.
    if (!FileListBox1.RescanIfChanged())
        ListDataSet();
}

void TForm1::columnChange(int column)
{
    columnField(column) = columnSelector(column)->itemIndex();
    rebuildListing();
}

void TForm1::columnKeyUp(int column)
{
    columnSelector(column)->setItemIndexFromCode(columnField(column));
}

void TForm1::ComboBox1Change()
{
    columnChange(1);
}

void TForm1::ComboBox2Change()
{
    columnChange(2);
}

void TForm1::ComboBox3Change()
{
    columnChange(3);
}

void TForm1::ComboBox4Change()
{
    columnChange(4);
}

void TForm1::ComboBox5Change()
{
    columnChange(5);
}

void TForm1::ComboBox1KeyUp()
{
    columnKeyUp(1);
}

void TForm1::ComboBox2KeyUp()
{
    columnKeyUp(2);
}

void TForm1::ComboBox3KeyUp()
{
    columnKeyUp(3);
}

void TForm1::ComboBox4KeyUp()
{
    columnKeyUp(4);
}

void TForm1::ComboBox5KeyUp()
{
    columnKeyUp(5);
}

void TForm1::ComboBox6Change()
{
    settings_.TabNo = ComboBox6->itemIndex();
    rebuildListing();
}

void TForm1::ComboBox6KeyDown()
{
    ComboBox6->setItemIndexFromCode(-1);
}

void TForm1::CheckBox1Click()
{
    settings_.QuoteOn = CheckBox1->isChecked();
    rebuildListing();
}

void TForm1::CheckBox2Click()
{
    settings_.SizeInK = CheckBox2->isChecked();
    rebuildListing();
}

void TForm1::FileListBox1Change()
{
    ReadFoldersBelow(false);
    ListDataSet();
    showFileCount();
    // With the subfolders, once the walk is over.
    if (!scan_.subfolders)
        noticeUnwatchedFolders({});
}

void TForm1::DirectoryListBox1Click()
{
    DirectoryListBox1.OpenSelected();
    FileListBox1.Rescan();
}

void TForm1::DriveComboBox1Change()
{
    settings_.DriveChar = static_cast<unsigned char>(DriveComboBox1.DriveLetter());
}

void TForm1::FilterComboBox1Change()
{
    settings_.FilterNo = FilterComboBox1.ItemIndex();
    settings_.EditText = fileEditPort_->text();
}

bool TForm1::FileEditKeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    FileListBox1.ApplyPathText(fileEditPort_->text());
    settings_.EditText = fileEditPort_->text();
    return true;
}

void TForm1::Get_ButtonClick()
{
    FileSave();
}

void TForm1::Save1Click()
{
    FileSave();
}

void TForm1::ListBox1DblClick()
{
    FileSave();
}

void TForm1::N3Click()
{
    DirOpen();
}

void TForm1::N5Click()
{
    DirOpen();
}

void TForm1::N1Click()
{
    QMessageBox about(this);
    about.setWindowTitle(QString::fromLocal8Bit(services_.applicationTitle));
    about.setIconPixmap(applicationIconPixmap(32, devicePixelRatioF()));
    // One text, so the box is as wide as its longest line: Japanese breaks
    // between any two characters, and a second, wrapped text would be cut
    // to the width of the first.
    about.setTextFormat(Qt::RichText);
    about.setText(QStringLiteral("<b>Quorrin Jr</b><p>フォルダのファイル一覧をテキストにするツール</p>"));
    about.exec();
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::File1Click() {}

} // namespace quorrin::ui
