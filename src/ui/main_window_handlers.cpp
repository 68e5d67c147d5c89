#include "listing/row_composer.h"
#include "persist/ini_mapping.h"
#include "persist/settings_file.h"
#include "ui/app_icon.h"
#include "ui/byte_list_model.h"
#include "ui/click_check_box.h"
#include "ui/edit_selector.h"
#include "ui/main_window.h"
#include "ui/tree_listing.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

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
        persist::IniRead(file, settings_, typed);
        scan_ = persist::readScanSettings(file);
    }
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
    if (!settings_.EditText.empty())
        FileEdit->setText(QString::fromLocal8Bit(settings_.EditText));
    if (settings_.DriveChar != 0) {
        // Its first use brings the drive selector up: it lists the drives and
        // reports the one it starts on before the stored letter applies.
        if (!DriveComboBox1.windowCreated())
            DriveComboBox1.createWindow();
        DriveComboBox1.SetDriveLetter(static_cast<char>(settings_.DriveChar & 0xFF));
    }
    if (!settings_.DirPath.empty())
        DirectoryListBox1.SetCurrentDir(settings_.DirPath);
}

bool TForm1::FormCloseQuery()
{
    persist::SettingsFile file(services_.rules, services_.settingsPath());
    const std::string typed = settings_.TabNo == persist::typedSeparatorChoice ? typedSeparator() : std::string();
    persist::IniWrite(file, settings_, DirectoryListBox1.CurrentDir(), typed,
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
    FileEdit->setText(QString::fromLocal8Bit(FilterComboBox1.SelectedMask()));
    FileListBox1.ApplyPathText(bytesOf(FileEdit->text()));
}

void TForm1::ListDataSet()
{
    // Released, not just emptied: the old lines' array must not sit beside
    // the new one while a listing of a million lines is built.
    std::vector<std::string>().swap(lines_);
    const std::string separator = typedSeparator();
    const listing::ListingContext context{
        settings_,  DirectoryListBox1.CurrentDir(), separator, fileFacts_, services_.locale, services_.rules,
        classifier_};
    lines_ = listing::ListDataSet(context, FileListBox1.Items());
    appendTreeLines(lines_, context, tree_);
    outputModel_->refresh();
}

void TForm1::ComboBoxChange(int column)
{
    columnField(column) = columnSelector(column)->itemIndex();
    ListDataSet();
}

void TForm1::ComboBoxKeyUp(int column)
{
    columnSelector(column)->setItemIndexFromCode(columnField(column));
}

void TForm1::ComboBox6Change()
{
    settings_.TabNo = ComboBox6->itemIndex();
    ListDataSet();
}

void TForm1::ComboBox6KeyDown()
{
    ComboBox6->setItemIndexFromCode(-1);
}

void TForm1::CheckBox1Click()
{
    settings_.QuoteOn = CheckBox1->isChecked();
    ListDataSet();
}

void TForm1::CheckBox2Click()
{
    settings_.SizeInK = CheckBox2->isChecked();
    ListDataSet();
}

void TForm1::FileListBox1Change()
{
    ReadFoldersBelow(false);
    ListDataSet();
    showFileCount();
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
    settings_.EditText = bytesOf(FileEdit->text());
}

bool TForm1::FileEditKeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    FileListBox1.ApplyPathText(bytesOf(FileEdit->text()));
    settings_.EditText = bytesOf(FileEdit->text());
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
    about.setIconPixmap(applicationIconPixmap());
    about.setText(QStringLiteral("Quorrin Jr"));
    about.setInformativeText(QStringLiteral("フォルダのファイル一覧をテキストにするツール"));
    about.exec();
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::File1Click() {}

} // namespace quorrin::ui
