#include "ui/main_window.h"

#include "platform/native.h"
#include "ui/accessible_name.h"
#include "ui/app_icon.h"
#include "ui/bevel.h"
#include "ui/byte_list_model.h"
#include "ui/click_check_box.h"
#include "ui/clipboard_port.h"
#include "ui/edit_selector.h"
#include "ui/focus_selection_edit.h"
#include "ui/folder_picker_port.h"
#include "ui/hint_style.h"
#include "ui/list_control_view.h"
#include "ui/right_click_guard.h"
#include "ui/row_delegate.h"
#include "ui/save_dialog_port.h"
#include "ui/selector_control_view.h"
#include "ui/window_font.h"
#include "ui/window_layout.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>

namespace quorrin::ui {

namespace {

const ControlPlace& placeOf(std::string_view name)
{
    const auto it =
        std::find_if(windowLayout.begin(), windowLayout.end(), [&](const ControlPlace& p) { return p.name == name; });
    Q_ASSERT(it != windowLayout.end());
    return *it;
}

QStringList columnItems(bool lastColumn)
{
    QStringList items{QStringLiteral("パス"), QStringLiteral("ファイル名"), QStringLiteral("サイズ"),
                      QStringLiteral("日付"), QStringLiteral("オプション"), QStringLiteral("なし")};
    // The fifth selector's first item carries a leading space.
    if (lastColumn)
        items[0] = QStringLiteral(" パス");
    return items;
}

QStringList separatorItems()
{
    return {QStringLiteral(" なし"),           QStringLiteral(" 空白"),         QStringLiteral(" Tab"),
            QStringLiteral(" ， (カンマ)"),    QStringLiteral("－ (ハイフン)"), QStringLiteral("＿ (アンダーバー)"),
            QStringLiteral("／ (スラッシュ)"), QStringLiteral("＋ (プラス)")};
}

void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setToolTipDuration(HintStyle::shownForMs);
}

} // namespace

TForm1::TForm1(const WindowServices& services, Ports ports, QWidget* parent)
    : QMainWindow(parent), services_(services), classifier_(services.rules),
      errorDisplay_(ports.errors ? std::move(ports.errors)
                                 : std::make_unique<MessageBoxErrorDisplay>(
                                       this, QString::fromLocal8Bit(services.applicationTitle))),
      clipboard_(ports.clipboard ? std::move(ports.clipboard) : std::make_unique<QtClipboardPort>(services.rules)),
      // Qt's own dialogs: they keep the save dialog's size and place, and
      // the folder browser's line showing the selected path.
      saveDialog_(ports.saveDialog ? std::move(ports.saveDialog) : std::make_unique<QtSaveDialogPort>(false)),
      folderPicker_(ports.folderPicker ? std::move(ports.folderPicker) : std::make_unique<QtFolderPickerPort>(false)),
      unmappableQuestion_(ports.unmappableQuestion ? std::move(ports.unmappableQuestion)
                                                   : std::make_unique<QtUnmappableQuestionPort>()),
      charsets_(ports.charsets ? std::move(ports.charsets) : platform::makeNativeCharsetConverter()),
      FileListBox1(services.fileSystem, services.rules), DirectoryListBox1(services.fileSystem, services.rules),
      DriveComboBox1(services.fileSystem, services.rules), FilterComboBox1(services.rules)
{
    setWindowTitle(QStringLiteral("Quorrin Jr"));
    setWindowIcon(applicationIcon());
    setFont(windowFont());

    auto* scroll = new QScrollArea(this);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* canvas = new QWidget(scroll);
    canvas->setObjectName(QStringLiteral("canvas"));
    // Scroll bars appear once the window no longer holds every control.
    canvas->setMinimumSize(controlsExtent);
    scroll->setWidget(canvas);
    setCentralWidget(scroll);

    buildControls(canvas);
    nameUncaptionedControls();
    buildMenus();
    setTabOrder();
    bindViews();
    bindControls();
    acceptDroppedPaths();

    // The classic outer size given to the part we control: menu bar and
    // controls, with room to spare around the controls; the window manager's
    // frame comes on top.
    resize(classicOuterSize);

    // The settings take over once the directory list shows its folder; an
    // error on the way is shown and start-up goes on. The drive selector
    // comes up afterwards unless the settings use it, so the drive it
    // reports is the one the window starts on; the file list comes up last
    // and so reads its folder once, with the mask the settings chose, which
    // matters in a folder of a million files.
    userAction([&] { DirectoryListBox1.createWindow(); });
    userAction([&] { FormCreate(); });
    userAction([&] {
        if (!DriveComboBox1.windowCreated())
            DriveComboBox1.createWindow();
    });
    userAction([&] { FileListBox1.createWindow(); });
    Get_Button->setFocus();
    startFollowingDisk();
}

TForm1::~TForm1()
{
    FileListBox1.setReadRunner(nullptr);
    DirectoryListBox1.setSubdirectoryRunner(nullptr);
    readRunner_.reset();
    subdirectoryRunner_.reset();
    // Gives the busy cursor back too.
    setReadingFiles(false);
    CancelFolderRead();
}

void TForm1::place(QWidget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(placeOf(name).rect);
}

void TForm1::buildControls(QWidget* canvas)
{
    // Boxes and labels first, so every control is drawn over them.
    const std::pair<const char*, Bevel::Shape> bevels[] = {{"Bevel3", Bevel::Shape::sunken},
                                                           {"Bevel2", Bevel::Shape::sunken},
                                                           {"Bevel4", Bevel::Shape::raised},
                                                           {"Bevel1", Bevel::Shape::raised}};
    for (const auto& [name, shape] : bevels)
        place(new Bevel(shape, canvas), name);

    const std::pair<const char*, QString> labels[] = {
        {"Label2", QStringLiteral("対象ファイル")}, {"Label4", QStringLiteral("区切り文字")},
        {"Label5", QStringLiteral("出 力 形 式")},  {"Label3", QStringLiteral("出 力 内 容")},
        {"Label1", QStringLiteral("対象パス")},     {"FileCount_Label", QStringLiteral("0000")}};
    for (const auto& [name, caption] : labels) {
        auto* label = new QLabel(caption, canvas);
        place(label, name);
        label->adjustSize();
        if (std::string_view(name) == "FileCount_Label")
            FileCount_Label = label;
    }

    Get_Button = new QPushButton(QStringLiteral("ファイル・リスト保存"), canvas);
    place(Get_Button, "Get_Button");
    setHint(Get_Button, QStringLiteral("テキスト・ファイルへ保存"));
    Get_Button->setAutoDefault(false);

    directoryView_ = new ListControlView(canvas, 16);
    place(directoryView_, "DirectoryListBox1");
    setHint(directoryView_, QStringLiteral("ディレクトリの移動"));

    FileEdit = new FocusSelectionEdit(QStringLiteral("*.exe;*.com"), canvas);
    place(FileEdit, "FileEdit");
    setHint(FileEdit, QStringLiteral("フィルター指定"));
    FileEdit->installEventFilter(this);
    fileEditPort_ = std::make_unique<LineEditPort>(*FileEdit);

    fileListView_ = new ListControlView(canvas, 12);
    place(fileListView_, "FileListBox1");
    setHint(fileListView_, QStringLiteral("ファイル・リスト"));

    driveView_ = new SelectorControlView(canvas);
    place(driveView_, "DriveComboBox1");
    setHint(driveView_, QStringLiteral("ドライブの変更"));

    filterView_ = new SelectorControlView(canvas);
    place(filterView_, "FilterComboBox1");
    setHint(filterView_, QStringLiteral("フィルター選択"));

    ListBox1 = new QListView(canvas);
    place(ListBox1, "ListBox1");
    setHint(ListBox1, QStringLiteral("実際の出力内容"));
    outputModel_ = new ByteListModel(ListBox1);
    outputModel_->setSource(&lines_);
    ListBox1->setModel(outputModel_);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setLayoutMode(QListView::Batched);
    ListBox1->setBatchSize(ListControlView::hugeListBatch);
    ListBox1->setItemDelegate(new RowDelegate(ListBox1, 12));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    const char* columnNames[] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"};
    for (int column = 1; column <= 5; ++column) {
        auto* selector = new EditSelector(canvas);
        place(selector, columnNames[column - 1]);
        selector->setItems(columnItems(column == 5));
        // Shown only while nothing is selected (a column kind from the
        // settings file that is no item).
        if (column >= 3)
            selector->setInitialText(QString::fromLatin1(columnNames[column - 1]));
        columnSelectors_[static_cast<std::size_t>(column - 1)] = selector;
    }
    ComboBox6 = new EditSelector(canvas);
    place(ComboBox6, "ComboBox6");
    ComboBox6->setItems(separatorItems());
    setHint(ComboBox6, QStringLiteral("項目間の区切り指定"));

    CheckBox1 = new ClickCheckBox(QStringLiteral("ｸｫｰﾃｰｼｮﾝで囲む"), canvas);
    place(CheckBox1, "CheckBox1");
    CheckBox2 = new ClickCheckBox(QStringLiteral("サイズは Ｋバイト単位"), canvas);
    place(CheckBox2, "CheckBox2");

    auto* rightClickGuard = new RightClickGuard(this);
    for (QAbstractItemView* list :
         {static_cast<QAbstractItemView*>(directoryView_), static_cast<QAbstractItemView*>(fileListView_),
          static_cast<QAbstractItemView*>(ListBox1)})
        list->viewport()->installEventFilter(rightClickGuard);
}

void TForm1::nameUncaptionedControls()
{
    // Assistive tools announce a control by its caption. The controls
    // without one are named by their hint; the column selectors, which have
    // neither, by the caption above them.
    for (QWidget* control : std::initializer_list<QWidget*>{directoryView_, FileEdit, fileListView_, driveView_,
                                                            filterView_, ListBox1, ComboBox6})
        setAccessibleControlName(control, control->toolTip());
    for (int column = 1; column <= 5; ++column)
        setAccessibleControlName(columnSelector(column), QStringLiteral("出力内容 %1").arg(column));
}

void TForm1::addPopupMenu(QWidget* owner, QMenu* menu)
{
    owner->setContextMenuPolicy(Qt::CustomContextMenu);
    // A right click and the context-menu key both open it at the pointer.
    connect(owner, &QWidget::customContextMenuRequested, menu, [menu] { menu->exec(QCursor::pos()); });
}

void TForm1::buildMenus()
{
    QMenu* file1 = menuBar()->addMenu(QStringLiteral("ファイル"));
    file1->setObjectName(QStringLiteral("File1"));
    connect(file1, &QMenu::aboutToShow, this, handler(&TForm1::File1Click));
    file1->addAction(QStringLiteral("参照"), this, handler(&TForm1::N3Click))->setObjectName(QStringLiteral("N3"));
    file1->addSeparator();
    file1->addAction(QStringLiteral("保存"), this, handler(&TForm1::Save1Click))
        ->setObjectName(QStringLiteral("Save1"));
    file1->addSeparator();
    file1->addAction(QStringLiteral("終了"), this, handler(&TForm1::Exit1Click))
        ->setObjectName(QStringLiteral("Exit1"));

    buildSettingsMenu();

    QMenu* help1 = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    help1->setObjectName(QStringLiteral("Help1"));
    help1->addAction(QStringLiteral("バージョン"), this, handler(&TForm1::N1Click))
        ->setObjectName(QStringLiteral("N1"));

    auto* popup1 = new QMenu(this);
    popup1->setObjectName(QStringLiteral("PopupMenu1"));
    popup1->addAction(QStringLiteral("コピー"), this, handler(&TForm1::Copy1Click))
        ->setObjectName(QStringLiteral("Copy1"));
    addPopupMenu(ListBox1, popup1);

    auto* popup2 = new QMenu(this);
    popup2->setObjectName(QStringLiteral("PopupMenu2"));
    popup2->addAction(QStringLiteral("コピー"), this, handler(&TForm1::Copy2Click))
        ->setObjectName(QStringLiteral("Copy2"));
    addPopupMenu(fileListView_, popup2);

    auto* popup3 = new QMenu(this);
    popup3->setObjectName(QStringLiteral("PopupMenu3"));
    popup3->addAction(QStringLiteral("コピー"), this, handler(&TForm1::Copy3Click))
        ->setObjectName(QStringLiteral("Copy3"));
    popup3->addAction(QStringLiteral("参照"), this, handler(&TForm1::N5Click))->setObjectName(QStringLiteral("N5"));
    addPopupMenu(directoryView_, popup3);
}

void TForm1::setTabOrder()
{
    std::vector<std::pair<int, QWidget*>> stops;
    for (QWidget* w : findChildren<QWidget*>()) {
        const auto it = std::find_if(windowLayout.begin(), windowLayout.end(), [&](const ControlPlace& p) {
            return QString::fromLatin1(p.name.data(), static_cast<qsizetype>(p.name.size())) == w->objectName();
        });
        if (it == windowLayout.end())
            continue;
        if (it->tabOrder < 0)
            w->setFocusPolicy(Qt::NoFocus);
        else
            stops.emplace_back(it->tabOrder, w);
    }
    std::sort(stops.begin(), stops.end());
    for (std::size_t i = 0; i + 1 < stops.size(); ++i)
        QWidget::setTabOrder(stops[i].second, stops[i + 1].second);
}

void TForm1::refreshViews()
{
    if (DirectoryListBox1.Items() != shownDirectories_ || DirectoryListBox1.ItemIndex() != shownDirectoryIndex_) {
        // Rows a change on disk brought leave the view where the user had it.
        const bool refreshedRows = DirectoryListBox1.rowsRefreshed() && DirectoryListBox1.Items() != shownDirectories_;
        const std::optional<ViewPlace> place =
            refreshedRows ? std::optional<ViewPlace>(std::in_place, directoryView_, false) : std::nullopt;
        shownDirectories_ = DirectoryListBox1.Items();
        shownDirectoryIndex_ = DirectoryListBox1.ItemIndex();
        directoryView_->refresh();
        if (place)
            place->restore();
    }
    driveView_->refresh();
    filterView_->refresh();
    // The file list may hold a million names: shown again only when it
    // changed, so its scroll position stays put otherwise.
    if (fileListDirty_) {
        fileListDirty_ = false;
        fileListView_->refresh();
    }
}

void TForm1::showError(const std::string& message)
{
    errorDisplay_->show(message);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shownBefore_)
        return;
    shownBefore_ = true;
    // Centred once on the whole desktop, across all monitors.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(centredOn(screen->virtualGeometry(), frameGeometry().size()));
}

void TForm1::closeEvent(QCloseEvent* event)
{
    bool canClose = false;
    userAction([&] { canClose = FormCloseQuery(); });
    if (canClose)
        event->accept();
    else
        event->ignore();
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The user changed the system's date or time conventions: later
    // rebuilds use the new ones; the listing shown stays as it is.
    if (event->type() == QEvent::LocaleChange) {
        services_.locale.reread();
        ++localeVersion_;
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FileEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        bool swallowed = false;
        userAction([&] { swallowed = FileEditKeyPress(key); });
        return swallowed;
    }
    if (watched == Get_Button && event->type() == QEvent::KeyPress) {
        // Enter presses the focused save button as Space does; the button
        // is no default button, so Enter does nothing elsewhere.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Get_Button->click();
            return true;
        }
    }
    if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        userAction([&] { ListBox1DblClick(); });
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quorrin::ui
