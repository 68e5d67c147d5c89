#pragma once

#include "platform/posix/posix_file_system.h"
#include "window_world.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace quorrin::ui::test {

// The real file system of this machine: the window lists a temporary folder
// with three files and a subfolder, and saves into it.
class PosixWindowWorld : public World<platform::posix::PosixFileSystem> {
public:
    PosixWindowWorld()
    {
        dir.makeDirectory("list");
        dir.writeFile("list/a.txt", "aaaa");
        dir.writeFile("list/b.txt", "bb");
        dir.writeFile("list/日本.txt", "n");
        dir.makeDirectory("list/sub");
        dir.makeDirectory("out");
        fs.changeDirectory(dir / "list");
    }
};

// Answers the save dialog with `target` and presses the save button.
template <typename FS> void save(World<FS>& world, TForm1& window, const std::string& target)
{
    world.saveDialog->answers.push_back(persist::SaveDialogAnswer{target, 0});
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Get_Button")), Qt::LeftButton);
}

// Types a mask and presses Enter: a new mask reads the folder again, and
// the read is waited for.
inline void applyMask(TForm1& window, const QString& mask)
{
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("FileEdit"));
    edit->setText(mask);
    QTest::keyClick(edit, Qt::Key_Return);
    idle(window);
}

} // namespace quorrin::ui::test
