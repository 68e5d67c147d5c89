#include "window_measure.h"

#include "bench_process.h"
#include "listing/list_settings.h"
#include "persist/ini_mapping.h"
#include "persist/scan_settings.h"
#include "persist/settings_file.h"
#include "platform/native.h"
#include "ui/error_display.h"
#include "ui/hint_style.h"
#include "ui/main_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

namespace quorrin::bench {

namespace {

// An error box would wait for a click that never comes.
class PrintedErrors final : public ui::ErrorDisplay {
public:
    void show(const std::string& message) override { std::fprintf(stderr, "error: %s\n", message.c_str()); }
};

void writeSettings(const text::TextRules& rules, const std::string& dir, const std::string& settingsPath,
                   bool subfolders)
{
    listing::ListSettings settings = listing::defaultListSettings(listing::builtInPresetFilterCount);
    settings.ListCol1 = listing::ckFileName;
    settings.ListCol2 = listing::ckSize;
    settings.ListCol3 = listing::ckDate;
    persist::SettingsFile file(rules, settingsPath);
    persist::IniWrite(file, settings, dir, "", {}, std::nullopt, [subfolders](persist::SettingsFile& more) {
        persist::writeScanSettings(more, persist::ScanSettings{subfolders, 0, false});
    });
}

// The program's services and window, as main() sets them up, drawing
// offscreen.
class OpenWindow {
public:
    OpenWindow(const std::string& dir, const std::string& settingsPath, bool subfolders = false)
        : app_(argc_, argv_), rules_(platform::makeNativeTextRules()),
          fileSystem_(platform::makeNativeFileSystem(*rules_)), locale_(platform::makeNativeLocaleSettings())
    {
        QApplication::setStyle(new ui::HintStyle);
        writeSettings(*rules_, dir, settingsPath, subfolders);
        // The window starts where the program was started; start in the
        // folder, as a user who opens it from there.
        fileSystem_->changeDirectory(dir);
        const ui::WindowServices services{*fileSystem_, *rules_, *locale_, [settingsPath] { return settingsPath; },
                                          "quorrin"};
        ui::TForm1::Ports ports;
        ports.errors = std::make_unique<PrintedErrors>();
        window_ = std::make_unique<ui::TForm1>(services, std::move(ports));
    }

    ui::TForm1& window() { return *window_; }
    QListView* list(const char* name) { return window_->findChild<QListView*>(QString::fromLatin1(name)); }

private:
    static inline int argc_ = 1;
    static inline char name_[] = "quorrin";
    static inline char* argv_[] = {name_, nullptr};
    QApplication app_;
    std::unique_ptr<text::TextRules> rules_;
    std::unique_ptr<platform::FileSystem> fileSystem_;
    std::unique_ptr<platform::LocaleSettings> locale_;
    std::unique_ptr<ui::TForm1> window_;
};

// Calls `then` once the watched view has painted rows.
class FirstPaint final : public QObject {
public:
    FirstPaint(QAbstractItemView* view, std::function<void()> then) : view_(view), then_(std::move(then))
    {
        view_->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_ && view_->model()->rowCount() > 0) {
            done_ = true;
            // After the paint itself has run.
            QTimer::singleShot(0, view_, then_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractItemView* view_;
    std::function<void()> then_;
    bool done_ = false;
};

// Counts the longest gap between the ticks of a timer due every
// millisecond: how long the event loop was kept from it.
class BlockWatch {
public:
    BlockWatch()
    {
        ticker_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticker_, &QTimer::timeout, [this] {
            const double now = nowMs();
            longest_ = std::max(longest_, now - last_);
            last_ = now;
        });
        last_ = nowMs();
        ticker_.start(1);
    }
    double longestMs() const { return longest_; }

private:
    QTimer ticker_;
    double last_ = 0;
    double longest_ = 0;
};

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

// The window reads off the event loop: turns it until every read has
// landed, and once more for what the landing posted.
void untilRead(const ui::TForm1& window)
{
    while (window.readingFiles() || window.readingFolders())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    settle();
}

// Prints the time from `spawnedAtMs` to the window's first show.
class FirstShow final : public QObject {
public:
    FirstShow(QWidget* window, double spawnedAtMs) : spawnedAtMs_(spawnedAtMs) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !done_) {
            done_ = true;
            std::printf("shown_ms %.3f\n", nowMs() - spawnedAtMs_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    double spawnedAtMs_;
    bool done_ = false;
};

// Runs the steps one every 10 ms, each as one event, and returns the
// longest time the event loop went without its 1 ms timer meanwhile: how
// long a step and the repaint it causes keep the loop from it.
double longestBlockWhile(const std::vector<std::function<void()>>& steps)
{
    std::size_t next = 0;
    QTimer stepper;
    stepper.setTimerType(Qt::PreciseTimer);
    QObject::connect(&stepper, &QTimer::timeout, [&] {
        if (next == steps.size()) {
            QApplication::quit();
            return;
        }
        steps[next++]();
    });
    const BlockWatch watch;
    stepper.start(10);
    QApplication::exec();
    return watch.longestMs();
}

} // namespace

void dropQtNotes()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
}

int measureStartUp(const std::string& dir, const std::string& settingsPath, double spawnedAtMs)
{
    OpenWindow open(dir, settingsPath);
    const FirstShow shown(&open.window(), spawnedAtMs);
    FirstPaint watch(open.list("ListBox1"), [&] {
        std::printf("startup_ms %.3f\n", nowMs() - spawnedAtMs);
        std::printf("files %d\n", open.list("ListBox1")->model()->rowCount());
        std::fflush(stdout);
        QApplication::quit();
    });
    open.window().show();
    return QApplication::exec();
}

int measureWindowMemory(const std::string& dir, const std::string& settingsPath, bool subfolders)
{
    OpenWindow open(dir, settingsPath, subfolders);
    open.window().show();
    untilRead(open.window());
    std::printf("files %d\n", open.list("ListBox1")->model()->rowCount());
    std::fflush(stdout);
    return 0;
}

int measureWindowResponse(const std::string& dir, const std::string& settingsPath, int runs)
{
    double start = nowMs();
    OpenWindow open(dir, settingsPath);
    ui::TForm1& window = open.window();
    window.show();
    untilRead(window);
    std::printf("window_open_ms %.3f\n", nowMs() - start);
    std::printf("files %d\n", open.list("ListBox1")->model()->rowCount());

    auto* quoting = window.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    for (int run = 0; run < runs; ++run) {
        start = nowMs();
        quoting->click();
        untilRead(window);
        std::printf("window_recompose_ms %.3f\n", nowMs() - start);
    }

    std::vector<std::function<void()>> steps;
    for (const char* name : {"ListBox1", "FileListBox1"}) {
        QScrollBar* bar = open.list(name)->verticalScrollBar();
        constexpr int jumps = 200;
        for (int k = 0; k <= jumps; ++k)
            steps.push_back(
                [bar, k] { bar->setValue(static_cast<int>(static_cast<long long>(bar->maximum()) * k / jumps)); });
        for (int k = 0; k < 20; ++k)
            steps.push_back([bar] { bar->triggerAction(QAbstractSlider::SliderPageStepSub); });
        steps.push_back([bar] { bar->setValue(0); });
    }
    for (const QSize size : {QSize(400, 300), QSize(1600, 1200), QSize(900, 700), QSize(1200, 500), QSize(640, 960),
                             QSize(1920, 1080), window.size()})
        steps.push_back([&window, size] { window.resize(size); });

    std::printf("longest_block_ms %.3f\n", longestBlockWhile(steps));
    std::fflush(stdout);
    return 0;
}

int measureTyping(const std::string& dir, const std::string& settingsPath, int characters)
{
    OpenWindow open(dir, settingsPath);
    ui::TForm1& window = open.window();
    window.show();
    untilRead(window);
    auto* mask = window.findChild<QLineEdit*>(QStringLiteral("FileEdit"));
    mask->setFocus();
    settle();

    // Each key is due one millisecond after the one before; a key handled
    // late delays every key after it, so the last one shows the whole lag.
    const QString keys = QStringLiteral("abcdefghijklmnopqrstuvwxyz*.;_0123456789");
    int typed = 0;
    double lastDueMs = 0;
    double lagMs = 0;
    const double startMs = nowMs();
    BlockWatch watch;
    QTimer typist;
    typist.setTimerType(Qt::PreciseTimer);
    QObject::connect(&typist, &QTimer::timeout, [&] {
        const double due = startMs + typed;
        if (nowMs() < due)
            return;
        const QString key = keys.at(typed % keys.size());
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, key);
        QApplication::sendEvent(mask, &press);
        QApplication::sendEvent(mask, &release);
        lastDueMs = due;
        if (++typed == characters) {
            typist.stop();
            // Once the loop is idle again, the window has caught up.
            QTimer::singleShot(0, [&] {
                lagMs = nowMs() - lastDueMs;
                QApplication::quit();
            });
        }
    });
    typist.start(0);
    QApplication::exec();
    std::printf("typed %d\n", static_cast<int>(mask->text().size()));
    std::printf("typing_longest_block_ms %.3f\n", watch.longestMs());
    std::printf("typing_lag_ms %.3f\n", lagMs);
    std::fflush(stdout);
    return 0;
}

int measureReadBlock(const std::string& startDir, const std::string& hugeDir, const std::string& settingsPath)
{
    OpenWindow open(startDir, settingsPath);
    ui::TForm1& window = open.window();
    window.show();
    untilRead(window);
    // The move is one event; the read goes on behind it until its listing
    // has landed, and that of the folders below when the settings list them.
    const BlockWatch watch;
    QTimer::singleShot(0, [&] { window.directoryList().SetCurrentDir(hugeDir); });
    QTimer landed;
    QObject::connect(&landed, &QTimer::timeout, [&] {
        if (window.directoryList().CurrentDir() == hugeDir && !window.readingFiles() && !window.readingFolders())
            QApplication::quit();
    });
    landed.start(5);
    QApplication::exec();
    const double longest = watch.longestMs();
    std::printf("read_block_ms %.3f\n", longest);
    std::printf("files %d\n", open.list("ListBox1")->model()->rowCount());
    std::fflush(stdout);
    return 0;
}

int measureRefresh(const std::string& startDir, const std::string& dir, const std::string& settingsPath, int runs)
{
    OpenWindow open(startDir, settingsPath);
    ui::TForm1& window = open.window();
    window.show();
    untilRead(window);
    double start = nowMs();
    window.directoryList().SetCurrentDir(dir);
    untilRead(window);
    std::printf("first_read_ms %.3f\n", nowMs() - start);

    const browse::TFileListBox& list = window.fileList();
    const std::string name = list.Items().front();
    double slowest = 0;
    for (int run = 0; run < runs; ++run) {
        // Past the pace the window keeps between two reads for changes.
        std::this_thread::sleep_for(std::chrono::milliseconds(1100 + static_cast<int>(2 * slowest)));
        const std::uint64_t size = list.fileInformation(name)->size;
        std::ofstream(dir + "/" + name, std::ios::app) << 'x';
        start = nowMs();
        const BlockWatch watch;
        // The timer's own wait left out: asked at once, as if it had just
        // fired; a read finished beside the event loop is waited for, and
        // with the subfolders on the walk after it.
        window.followDisk();
        while (list.fileInformation(name)->size != size + 1) {
            if (nowMs() - start > 60'000)
                throw std::runtime_error("the window did not follow the change");
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        untilRead(window);
        const double took = nowMs() - start;
        slowest = std::max(slowest, took);
        std::printf("refresh_ms %.3f\n", took);
        std::printf("refresh_block_ms %.3f\n", watch.longestMs());
    }
    std::printf("files %d\n", open.list("ListBox1")->model()->rowCount());
    std::fflush(stdout);
    return 0;
}

} // namespace quorrin::bench
