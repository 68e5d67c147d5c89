#include "ui/browse_glyphs.h"
#include "ui/edit_selector.h"
#include "ui/list_control_view.h"
#include "ui/row_delegate.h"
#include "ui/selector_control_view.h"
#include "ui/window_layout.h"
#include "window_world.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

#include <array>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

namespace {

template <typename Widget> Widget* child(TForm1& window, const char* name)
{
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr)
        qFatal("no control named %s", name);
    return widget;
}

// The named control that holds the focus (an edit part belongs to its selector).
QString focusedControl()
{
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && w->objectName() != QLatin1String("qt_spinbox_lineedit"))
            return w->objectName();
    }
    return {};
}

const QStringList defaultLines{"readme.txt\t1234", "run.com\t20", "tool.exe\t1000", "アニメ映画.avi\t4096"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // `lines` are the first lines of a listing of `count`; without settings
    // each file shows as name, tab, size, with the last preset.
    void settingsShapeTheStart_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("column2");
        QTest::addColumn<int>("filterNo");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QStringList>("errors");
        const QString data = QStringLiteral("C:\\Data");
        QTest::newRow("no settings file") << QString() << defaultLines << 4 << 2 << 7 << data << QStringList();
        QTest::newRow("quoted") << "[List]\r\nKak=1\r\n"
                                << QStringList{"\"readme.txt\"\t\"1234\""} << 4 << 2 << 7 << data << QStringList();
        QTest::newRow("comma and genre") << "[List]\r\n2=4\r\nTab=3\r\n1=0\r\n"
                                         << QStringList{"C:\\Data,"} << 4 << 4 << 7 << data << QStringList();
        QTest::newRow("a preset outside the list ends on the last")
            << "[List]\r\nFilter=99\r\n"
            << defaultLines << 4 << 2 << 99 << data << QStringList();
        QTest::newRow("stored drive and folder")
            << "[Disk]\r\nDrive=355\r\nDir=D:\\Docs\r\n"
            << QStringList{"memo.doc\t5"} << 1 << 2 << 7 << "D:\\Docs" << QStringList();
        QTest::newRow("a stored drive alone opens on its own folder")
            << "[Disk]\r\nDrive=100\r\n"
            << QStringList() << 0 << 2 << 7 << "D:\\" << QStringList();
        QTest::newRow("a stored folder that is gone is reported")
            << "[Disk]\r\nDir=C:\\Gone\r\n"
            << defaultLines << 4 << 2 << 7 << data << QStringList{"File not found"};
    }
    void settingsShapeTheStart()
    {
        QFETCH(QString, settings);
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        QFETCH(QString, dir);
        WindowWorld world;
        if (!settings.isNull())
            world.dir.writeFile("quorrin.ini", settings.toStdString());
        auto window = world.open();
        const QStringList listing = toQStrings(window->listingLines());
        QCOMPARE(listing.size(), count);
        QCOMPARE(listing.mid(0, lines.size()), lines);
        QCOMPARE(child<QLabel>(*window, "FileCount_Label")->text(), QString::number(count));
        QTEST(child<EditSelector>(*window, "ComboBox2")->itemIndex(), "column2");
        QTEST(window->settings().FilterNo, "filterNo");
        QCOMPARE(window->filterSelector().ItemIndex(), 7);
        QCOMPARE(child<QLineEdit>(*window, "FileEdit")->text(), QStringLiteral("*.*"));
        QCOMPARE(QString::fromStdString(window->directoryList().CurrentDir()), dir);
        const char drive = dir.at(0).toLower().toLatin1();
        QCOMPARE(window->driveSelector().DriveLetter(), drive);
        QCOMPARE(window->settings().DriveChar, int(drive));
        QTEST(toQStrings(world.errors), "errors");
        QCOMPARE(window->windowTitle(), QStringLiteral("Quorrin Jr"));
    }

    void typingTextThatBeginsNoItemEmptiesTheColumn()
    {
        WindowWorld world;
        auto window = world.open();
        auto* selector = child<EditSelector>(*window, "ComboBox1");
        selector->setFocus();
        QTest::keyClick(selector, Qt::Key_End);
        QTest::keyClick(selector, Qt::Key_X);
        QCOMPARE(selector->itemIndex(), -1);
        QCOMPARE(window->settings().ListCol1, -1);
        QCOMPARE(QString::fromStdString(window->listingLines().front()), QStringLiteral("\t1234"));
        QCOMPARE(selector->editText(), QStringLiteral("ファイル名x"));
    }

    // Each of the five selectors is bound to its own column and no other.
    void eachColumnSelectorSetsItsOwnColumn()
    {
        const auto columns = [](const listing::ListSettings& s) {
            return std::array{s.ListCol1, s.ListCol2, s.ListCol3, s.ListCol4, s.ListCol5};
        };
        for (int column = 1; column <= 5; ++column) {
            WindowWorld world;
            auto window = world.open();
            const auto before = columns(window->settings());
            auto* selector = child<EditSelector>(*window, qPrintable(QStringLiteral("ComboBox%1").arg(column)));
            selector->setFocus();
            QTest::keyClick(selector, selector->itemIndex() + 1 < selector->count() ? Qt::Key_Down : Qt::Key_Up);
            auto expected = before;
            expected[static_cast<std::size_t>(column - 1)] = selector->itemIndex();
            QVERIFY2(expected != before, "the selector moved");
            QCOMPARE(columns(window->settings()), expected);
        }
    }

    // A space chooses the first preset (no separator); "; " typed is a
    // separator of two characters on every line, and survives a restart.
    void theSeparatorSelectorTakesPresetsAndTypedText()
    {
        WindowWorld world;
        {
            auto window = world.open();
            auto* separator = child<EditSelector>(*window, "ComboBox6");
            separator->setFocus();
            QTest::keyClick(separator, Qt::Key_Space);
            QCOMPARE(separator->itemIndex(), 0);
            QCOMPARE(window->settings().TabNo, 0);
            QCOMPARE(QString::fromStdString(window->listingLines().front()), QStringLiteral("readme.txt1234"));

            QTest::keyClick(separator, Qt::Key_Semicolon);
            QTest::keyClick(separator, Qt::Key_Space);
            QCOMPARE(separator->itemIndex(), -1);
            QCOMPARE(window->settings().TabNo, -1);
            for (const auto& line : window->listingLines())
                QVERIFY2(line.find("; ") != std::string::npos, line.c_str());
            QVERIFY(window->close());
        }
        auto window = world.open();
        QCOMPARE(window->settings().TabNo, -1);
        QCOMPARE(QString::fromStdString(window->listingLines().front()), QStringLiteral("readme.txt; 1234"));
    }

    void aClickInTheDirectoryListMovesTheFileList()
    {
        WindowWorld world;
        auto window = world.open();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* tree = child<ListControlView>(*window, "DirectoryListBox1");
        QCOMPARE(window->directoryList().Items(), (std::vector<std::string>{"C:\\", "Data", "Sub"}));
        const QRect subRow = tree->visualRect(tree->model()->index(2, 0));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, subRow.center());
        QTRY_COMPARE(QString::fromStdString(window->fileList().CurrentDir()), QStringLiteral("C:\\Data\\Sub"));
        QVERIFY(idle(*window));
        QCOMPARE(toQStrings(window->listingLines()), QStringList{QStringLiteral("inner.txt\t7")});
        QCOMPARE(child<QLabel>(*window, "FileCount_Label")->text(), QStringLiteral("1"));
    }

    // The root, the listed folder and its subfolder each have their own
    // glyph, and so has a RAM disk among the drives.
    void foldersAndARamDiskHaveGlyphsOfTheirOwn()
    {
        WindowWorld world;
        world.fs.addDrive('R', platform::DriveType::ramDisk, "RAM");
        auto window = world.open();
        auto glyph = [](QAbstractItemView* view, int row) {
            return view->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(16, 15).toImage();
        };
        auto* tree = child<ListControlView>(*window, "DirectoryListBox1");
        const QImage root = glyph(tree, 0), current = glyph(tree, 1), sub = glyph(tree, 2);
        QCOMPARE(current, folderGlyph(browse::DirectoryRowKind::current).toImage());
        QVERIFY(root != current && current != sub && root != sub);
        auto* drives = child<SelectorControlView>(*window, "DriveComboBox1");
        QCOMPARE(drives->itemText(2), QStringLiteral("r: []"));
        QCOMPARE(drives->itemIcon(2).pixmap(16, 11).toImage(), ramDiskGlyph().toImage());
        QVERIFY(drives->itemIcon(2).pixmap(16, 11).toImage() != drives->itemIcon(0).pixmap(16, 11).toImage());
    }

    // A click on a folder that has just gone fails and leaves its row
    // selected; once the folder is back, Enter or a double click opens it.
    void enterOrADoubleClickOpensTheSelectedFolderAgain_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("Enter") << false;
        QTest::newRow("double click") << true;
    }
    void enterOrADoubleClickOpensTheSelectedFolderAgain()
    {
        QFETCH(bool, doubleClick);
        WindowWorld world;
        auto window = world.open();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* tree = child<ListControlView>(*window, "DirectoryListBox1");
        world.fs.remove("C:\\Data\\Sub");
        const QRect subRow = tree->visualRect(tree->model()->index(2, 0));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, subRow.center());
        QTRY_COMPARE(toQStrings(world.errors), QStringList{"File not found"});
        QCOMPARE(window->directoryList().ItemIndex(), 2);
        QCOMPARE(tree->currentIndex().row(), 2);

        world.fs.addFile("C:\\Data\\Sub\\inner.txt", 7);
        if (doubleClick) {
            // A double click is a click followed by its second press.
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, subRow.center());
            QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, subRow.center());
        } else {
            QTest::keyClick(tree, Qt::Key_Return);
        }
        QTRY_COMPARE(QString::fromStdString(window->fileList().CurrentDir()), QStringLiteral("C:\\Data\\Sub"));
        QCOMPARE(QString::fromStdString(window->directoryList().CurrentDir()), QStringLiteral("C:\\Data\\Sub"));
        QCOMPARE(world.errors.size(), std::size_t{1});
    }

    void choosingAPresetSetsTheMaskAndRemembersIt()
    {
        WindowWorld world;
        auto window = world.open();
        auto* presets = child<SelectorControlView>(*window, "FilterComboBox1");
        presets->setFocus();
        QTest::keyClick(presets, Qt::Key_Up);
        QVERIFY(idle(*window));
        QCOMPARE(window->filterSelector().ItemIndex(), 6);
        QCOMPARE(window->settings().FilterNo, 6);
        QCOMPARE(child<QLineEdit>(*window, "FileEdit")->text(), QStringLiteral("*.wmf;*.emf"));
        QCOMPARE(window->settings().EditText, std::string("*.wmf;*.emf"));
        QVERIFY(window->listingLines().empty());
        QCOMPARE(child<QLabel>(*window, "FileCount_Label")->text(), QStringLiteral("0"));
    }

    // A typed mask applies only when it changed; an unknown name is reported
    // and changes nothing.
    void enterInTheMaskBox()
    {
        WindowWorld world;
        auto window = world.open();
        auto* mask = child<QLineEdit>(*window, "FileEdit");
        mask->setText(QStringLiteral("*.txt"));
        QTest::keyClick(mask, Qt::Key_Return);
        QVERIFY(idle(*window));
        const QStringList txt{QStringLiteral("readme.txt\t1234")};
        QCOMPARE(toQStrings(window->listingLines()), txt);
        QCOMPARE(window->settings().EditText, std::string("*.txt"));

        // The same mask again: the directory list looks at its folder once
        // more, the file list does not read.
        auto fileListReads = [&] {
            return std::count_if(world.fs.searchLog().begin(), world.fs.searchLog().end(),
                                 [](const std::string& pattern) { return pattern.ends_with("*.txt"); });
        };
        const auto reads = fileListReads();
        QTest::keyClick(mask, Qt::Key_Return);
        QVERIFY(idle(*window));
        QCOMPARE(fileListReads(), reads);
        QCOMPARE(toQStrings(window->listingLines()), txt);

        mask->setText(QStringLiteral("nothing-here"));
        QTest::keyClick(mask, Qt::Key_Return);
        QVERIFY(idle(*window));
        QCOMPARE(toQStrings(world.errors), QStringList{"File not found"});
        QCOMPARE(toQStrings(window->listingLines()), txt);
    }

    void enterAndSpacePressTheFocusedSaveButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void enterAndSpacePressTheFocusedSaveButton()
    {
        QFETCH(int, key);
        WindowWorld world;
        auto window = world.open();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* button = child<QPushButton>(*window, "Get_Button");
        QCOMPARE(QApplication::focusWidget(), button);
        QTest::keyClick(button, Qt::Key(key));
        QCOMPARE(world.saveDialog->requests.size(), std::size_t(1));
    }

    // A right click only opens the list's menu: no row is selected, no
    // folder entered, the mask box keeps its text.
    void aRightClickOpensTheMenuAndChangesNothing_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("menu");
        QTest::newRow("directory list") << "DirectoryListBox1" << 2 << QStringList{"コピー", "参照"};
        QTest::newRow("file list") << "FileListBox1" << 1 << QStringList{"コピー"};
        QTest::newRow("output list") << "ListBox1" << 1 << QStringList{"コピー"};
    }
    void aRightClickOpensTheMenuAndChangesNothing()
    {
        QFETCH(QString, list);
        QFETCH(int, row);
        WindowWorld world;
        auto window = world.open();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* view = child<QAbstractItemView>(*window, qPrintable(list));
        const QModelIndexList selected = view->selectionModel()->selectedIndexes();
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::RightButton, {}, at);

        QStringList shown;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions())
                    shown << action->text();
                menu->close();
            }
        });
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &request);
        QApplication::processEvents();

        QTEST(shown, "menu");
        QCOMPARE(QString::fromStdString(window->directoryList().CurrentDir()), QStringLiteral("C:\\Data"));
        QCOMPARE(window->fileList().ItemIndex(), -1);
        QCOMPARE(child<QLineEdit>(*window, "FileEdit")->text(), QStringLiteral("*.*"));
        QCOMPARE(view->selectionModel()->selectedIndexes(), selected);
        QVERIFY(world.saveDialog->requests.empty());
    }

    // The mask applied last is the mask again at the next start, in the
    // restored folder, which is read once.
    void theRestoredMaskIsTheMask_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("reads"); // one search per mask
        const QString avi = QStringLiteral("[List]\r\nFilter=1\r\n[File]\r\nEdit=*.avi\r\n");
        const QStringList aviLines{QStringLiteral("アニメ映画.avi\t4096")};
        QTest::newRow("in the start folder") << avi + "[Disk]\r\nDir=C:\\Data\r\n"
                                             << "C:\\Data"
                                             << "*.avi" << aviLines << 1;
        QTest::newRow("without a stored folder") << avi << "C:\\Data"
                                                 << "*.avi" << aviLines << 1;
        QTest::newRow("in another folder") << "[List]\r\nFilter=0\r\n[File]\r\nEdit=*.doc\r\n[Disk]\r\nDir=D:\\Docs\r\n"
                                           << "D:\\Docs"
                                           << "*.doc" << QStringList{"memo.doc\t5"} << 1;
        QTest::newRow("an empty text leaves the preset") << "[List]\r\nFilter=1\r\n[File]\r\nEdit=\r\n"
                                                         << "C:\\Data"
                                                         << "*.txt;*.doc" << QStringList{"readme.txt\t1234"} << 2;
    }
    void theRestoredMaskIsTheMask()
    {
        QFETCH(QString, settings);
        QFETCH(QString, folder);
        WindowWorld world;
        world.dir.writeFile("quorrin.ini", settings.toStdString());
        auto window = world.open();
        QTEST(child<QLineEdit>(*window, "FileEdit")->text(), "mask");
        QTEST(QString::fromStdString(window->fileList().Mask()), "mask");
        QTEST(toQStrings(window->listingLines()), "lines");
        const auto& searches = world.fs.searchLog();
        const auto reads = std::count_if(searches.begin(), searches.end(), [&](const std::string& pattern) {
            return QString::fromStdString(pattern).startsWith(folder + "\\") && !pattern.ends_with("\\*.*");
        });
        QTEST(int(reads), "reads");
        QVERIFY(world.errors.empty());
    }

    // Rows are as high as the layout says, and every glyph of a row lies
    // inside it: underscores and descenders are not cut off.
    void everyRowHoldsItsWholeText_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("height");
        QTest::newRow("file list") << "FileListBox1" << 12;
        QTest::newRow("output list") << "ListBox1" << 12;
        QTest::newRow("directory list") << "DirectoryListBox1" << 16;
        QTest::newRow("column selector") << "ComboBox1" << 12;
        QTest::newRow("separator selector") << "ComboBox6" << 12;
    }
    void everyRowHoldsItsWholeText()
    {
        QFETCH(QString, list);
        QFETCH(int, height);
        WindowWorld world;
        auto window = world.open();
        auto* widget = child<QWidget>(*window, qPrintable(list));
        auto* combo = qobject_cast<QComboBox*>(widget);
        QAbstractItemView* view = combo != nullptr ? combo->view() : qobject_cast<QAbstractItemView*>(widget);
        QAbstractItemDelegate* delegate = combo != nullptr ? combo->itemDelegate() : view->itemDelegate();
        QCOMPARE(view->sizeHintForRow(0), height);

        const QString text = QStringLiteral("file_000000.txt jpg_qy ＿ (アンダーバー) 漢字 |()");
        QStandardItemModel model;
        model.appendRow(new QStandardItem(text));
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.font = view->font();
        option.fontMetrics = QFontMetrics(option.font);
        option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.features = QStyleOptionViewItem::HasDisplay;
        option.state |= QStyle::State_Enabled;
        option.rect = QRect(0, 8, 400, height);
        QImage row(400, height + 16, QImage::Format_RGB32);
        row.fill(Qt::white);
        {
            QPainter painter(&row);
            delegate->paint(&painter, option, model.index(0, 0));
        }
        // The same text drawn with room all round: the row must show as
        // many lines of pixels of it, all within the row.
        QImage free(400, 60, QImage::Format_RGB32);
        free.fill(Qt::white);
        {
            QPainter painter(&free);
            painter.setFont(option.font);
            painter.drawText(QPoint(4, 30), text);
        }
        auto inkRows = [](const QImage& image) {
            int top = image.height(), bottom = -1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 230) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            return std::pair{top, bottom};
        };
        const auto [top, bottom] = inkRows(row);
        const auto [freeTop, freeBottom] = inkRows(free);
        QVERIFY(top >= 8 && bottom < 8 + height);
        QCOMPARE(bottom - top, freeBottom - freeTop);
        const QFontMetrics metrics(view->font());
        QVERIFY(rowBaseline(metrics, height) + metrics.descent() <= height);
    }

    void theMaskBoxShowsItsSelectionOnlyWithTheFocus()
    {
        WindowWorld world;
        auto window = world.open();
        auto* mask = child<QLineEdit>(*window, "FileEdit");
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(mask->hasSelectedText());
        auto showsSelection = [mask] {
            const QImage image = mask->grab().toImage();
            const QRgb highlight = mask->palette().color(QPalette::Active, QPalette::Highlight).rgb();
            const QRgb base = mask->palette().color(QPalette::Active, QPalette::Base).rgb();
            int marked = 0;
            for (int y = 3; y < image.height() - 3; ++y)
                for (int x = 3; x < image.width() - 3; ++x)
                    marked += image.pixel(x, y) == highlight && highlight != base ? 1 : 0;
            return marked > 20;
        };
        QVERIFY(!showsSelection());
        mask->setFocus(Qt::TabFocusReason);
        QVERIFY(mask->hasFocus());
        QVERIFY(showsSelection());
        child<QPushButton>(*window, "Get_Button")->setFocus();
        mask->selectAll(); // as the file list's next read does
        QVERIFY(!showsSelection());
    }

    void theAboutBoxKeepsItsLinesWhole()
    {
        WindowWorld world;
        auto window = world.open();
        const QString line = QStringLiteral("フォルダのファイル一覧をテキストにするツール");
        int width = -1;
        int needed = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            for (const QLabel* label : box->findChildren<QLabel*>()) {
                if (label->text().contains(line)) {
                    width = label->contentsRect().width();
                    needed = QFontMetrics(label->font()).horizontalAdvance(line);
                }
            }
            box->accept();
        });
        window->N1Click();
        QVERIFY(width >= needed && needed > 0);
    }

    // Before the first save the dialog starts on the listed folder.
    void theSaveDialogStartsInTheStoredOrTheListedFolder_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("start");
        QTest::newRow("nothing saved yet") << ""
                                           << "C:\\Data";
        QTest::newRow("saved before") << "[File]\r\nSDir=/srv/out/list.txt\r\n"
                                      << "/srv/out";
    }
    void theSaveDialogStartsInTheStoredOrTheListedFolder()
    {
        QFETCH(QString, settings);
        WindowWorld world;
        world.dir.writeFile("quorrin.ini", settings.toStdString());
        auto window = world.open();
        window->Get_ButtonClick();
        QCOMPARE(world.saveDialog->requests.size(), std::size_t(1));
        QTEST(QString::fromStdString(world.saveDialog->requests.front().startDirectory), "start");
    }

    // A key typed into the mask box or a selector rebuilds no other control:
    // the drive selector's rebuild looked every glyph up on disk.
    void typingRebuildsNoOtherControl_data()
    {
        QTest::addColumn<QString>("typedInto");
        QTest::addColumn<QString>("keys");
        QTest::newRow("mask box") << "FileEdit"
                                  << "*.t";
        QTest::newRow("column selector") << "ComboBox1"
                                         << "xyz";
        QTest::newRow("separator selector") << "ComboBox6"
                                            << "; ";
    }
    void typingRebuildsNoOtherControl()
    {
        QFETCH(QString, typedInto);
        QFETCH(QString, keys);
        WindowWorld world;
        auto window = world.open();
        int rebuilds = 0;
        for (const char* name : {"DirectoryListBox1", "FileListBox1", "DriveComboBox1", "FilterComboBox1"}) {
            auto* widget = child<QWidget>(*window, name);
            auto* combo = qobject_cast<QComboBox*>(widget);
            QAbstractItemModel* model =
                combo != nullptr ? combo->model() : qobject_cast<QAbstractItemView*>(widget)->model();
            connect(model, &QAbstractItemModel::modelReset, [&] { ++rebuilds; });
            connect(model, &QAbstractItemModel::rowsInserted, [&] { ++rebuilds; });
            connect(model, &QAbstractItemModel::rowsRemoved, [&] { ++rebuilds; });
        }
        auto* target = child<QWidget>(*window, qPrintable(typedInto));
        target->setFocus();
        QTest::keyClicks(target, keys);
        QCOMPARE(rebuilds, 0);
    }

    void theWindowIsCentredOnTheWholeDesktop_data()
    {
        QTest::addColumn<QRect>("desktop");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("1024 x 768") << QRect(0, 0, 1024, 768) << QPoint(195, 115);
        QTest::newRow("630 wide") << QRect(0, 0, 630, 768) << QPoint(-1, 115);
        QTest::newRow("632 wide") << QRect(0, 0, 632, 768) << QPoint(0, 115);
    }
    void theWindowIsCentredOnTheWholeDesktop()
    {
        QFETCH(QRect, desktop);
        QFETCH(QPoint, topLeft);
        QCOMPARE(centredOn(desktop, classicOuterSize), topLeft);
    }

    void everyControlStandsWhereTheLayoutPutsIt()
    {
        // The rectangles written out here, not taken from the table the
        // window is built from, so a wrong number there shows up. Labels
        // size themselves to their text: only their corner is fixed.
        const struct {
            const char* name;
            QRect rect;
        } cases[] = {
            // clang-format off
            {"Bevel3", {16, 0, 592, 265}},
            {"Bevel2", {17, 278, 591, 77}},
            {"Bevel4", {104, 279, 503, 35}},
            {"Bevel1", {18, 314, 589, 40}},
            {"Label2", {264, 10, 65, 12}},
            {"Label4", {117, 292, 57, 12}},
            {"Label5", {32, 290, 60, 12}},
            {"Label3", {32, 362, 60, 12}},
            {"Label1", {40, 10, 47, 12}},
            {"FileCount_Label", {340, 10, 24, 12}},
            {"Get_Button", {416, 225, 187, 35}},
            {"DirectoryListBox1", {16, 30, 217, 212}},
            {"FileEdit", {246, 223, 155, 20}},
            {"FileListBox1", {246, 30, 363, 189}},
            {"DriveComboBox1", {17, 247, 216, 18}},
            {"FilterComboBox1", {246, 245, 155, 20}},
            {"ListBox1", {16, 378, 593, 97}},
            {"ComboBox1", {37, 324, 105, 20}},
            {"ComboBox2", {149, 324, 105, 20}},
            {"ComboBox3", {261, 324, 105, 20}},
            {"ComboBox4", {373, 324, 105, 20}},
            {"ComboBox5", {485, 324, 105, 20}},
            {"ComboBox6", {181, 288, 132, 20}},
            {"CheckBox1", {338, 290, 115, 17}},
            {"CheckBox2", {464, 290, 137, 17}},
            // clang-format on
        };
        WindowWorld world;
        auto window = world.open();
        QCOMPARE(std::size(cases), windowLayout.size());
        for (const auto& c : cases) {
            auto* widget = window->findChild<QWidget*>(c.name);
            QVERIFY2(widget != nullptr, c.name);
            QCOMPARE(widget->pos(), c.rect.topLeft());
            if (!QByteArray(c.name).contains("Label"))
                QCOMPARE(widget->size(), c.rect.size());
        }
    }

    void hintsStandOnlyWhereTheyHelp()
    {
        WindowWorld world;
        auto window = world.open();
        QCOMPARE(child<QWidget>(*window, "ComboBox6")->toolTip(), QStringLiteral("項目間の区切り指定"));
        QCOMPARE(child<QWidget>(*window, "Get_Button")->toolTip(), QStringLiteral("テキスト・ファイルへ保存"));
        for (const char* silent : {"CheckBox1", "CheckBox2", "ComboBox1", "ComboBox5"})
            QVERIFY2(child<QWidget>(*window, silent)->toolTip().isEmpty(), silent);
    }

    void focusStartsOnTheSaveButtonAndTabWalksTheTable()
    {
        WindowWorld world;
        auto window = world.open();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(focusedControl(), QStringLiteral("Get_Button"));
        const QStringList expected{"DirectoryListBox1", "FileEdit",  "FileListBox1", "DriveComboBox1",
                                   "FilterComboBox1",   "ListBox1",  "ComboBox1",    "ComboBox2",
                                   "ComboBox3",         "ComboBox4", "ComboBox5",    "ComboBox6",
                                   "CheckBox1",         "CheckBox2", "Get_Button"};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusedControl();
        }
        QCOMPARE(visited, expected);
    }

    void onlyClosingWritesTheSettingsFile()
    {
        WindowWorld world;
        auto window = world.open();
        QVERIFY(!QFile::exists(QString::fromStdString(world.settingsPath)));
        QVERIFY(window->close());
        QCOMPARE(QString::fromStdString(world.read("quorrin.ini")),
                 QString("[List]\r\n1=1\r\n2=2\r\n3=5\r\n4=5\r\n5=5\r\nTab=2\r\nKak=0\r\nbyt=0\r\nFilter=7\r\n"
                         "[File]\r\nEdit=\r\nSDir=\r\n[Disk]\r\nDrive=99\r\nDir=C:\\Data\r\n"
                         "[Output]\r\nEncoding=system\r\nLineEnd=crlf\r\nHeader=0\r\nDates=system\r\n"
                         "Sort=name\r\nDescending=0\r\n"));
    }

    void aSettingsFileThatCannotBeWrittenKeepsTheWindowOpen()
    {
        WindowWorld world;
        world.dir.writeFile("blocker");
        const std::string blocked = world.dir / "blocker/quorrin.ini";
        world.settingsPath = blocked;
        auto window = world.open();
        window->show();
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(world.errors, std::vector<std::string>{blocked + " に書き込めません"});
        QCOMPARE(QString::fromStdString(withClosingStop(world.errors.front())),
                 QString::fromStdString(blocked) + QStringLiteral(" に書き込めません."));

        world.settingsPath = world.dir / "quorrin.ini";
        QVERIFY(window->close());
        QVERIFY(world.read("quorrin.ini").starts_with("[List]"));
    }

    void theClosingStopFollowsTheLastByte_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "File not found"
                                << "File not found.";
        QTest::newRow("already a stop") << "Done."
                                        << "Done.";
        QTest::newRow("parenthesis") << "odd (21)"
                                     << "odd (21)";
        QTest::newRow("empty") << ""
                               << "";
    }
    void theClosingStopFollowsTheLastByte()
    {
        QFETCH(QString, message);
        QTEST(QString::fromStdString(withClosingStop(message.toStdString())), "shown");
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
