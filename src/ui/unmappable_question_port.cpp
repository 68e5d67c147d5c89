#include "ui/unmappable_question_port.h"

#include <QMessageBox>
#include <QPushButton>

namespace quorrin::ui {

namespace {

// Long paths are cut in the middle, where the eye needs them least.
QString shortened(const QString& line)
{
    constexpr qsizetype longest = 80;
    if (line.size() <= longest)
        return line;
    return line.left(longest / 2 - 1) + QStringLiteral("…") + line.right(longest / 2 - 1);
}

} // namespace

QString unmappableQuestionText(const QString& encodingName, std::size_t lineCount, const QStringList& firstLines)
{
    QString text = QStringLiteral("%1 行に %2 で書けない文字があります。\n\n").arg(lineCount).arg(encodingName);
    for (const QString& line : firstLines)
        text += QStringLiteral("  ") + shortened(line) + QLatin1Char('\n');
    if (lineCount > static_cast<std::size_t>(firstLines.size()))
        text += QStringLiteral("  ほか %1 行\n").arg(lineCount - static_cast<std::size_t>(firstLines.size()));
    text += QStringLiteral("\n書けない文字を「〓」に置き換えて保存するか、UTF-8 (BOM付き) で保存できます。");
    return text;
}

UnmappableAnswer QtUnmappableQuestionPort::ask(QWidget* owner, const QString& encodingName, std::size_t lineCount,
                                               const QStringList& firstLines)
{
    QMessageBox box(QMessageBox::Warning, owner != nullptr ? owner->windowTitle() : QString(),
                    unmappableQuestionText(encodingName, lineCount, firstLines), QMessageBox::NoButton, owner);
    QPushButton* geta = box.addButton(QStringLiteral("「〓」に置き換えて保存"), QMessageBox::AcceptRole);
    QPushButton* utf8 = box.addButton(QStringLiteral("UTF-8 (BOM付き) で保存"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == geta)
        return UnmappableAnswer::saveWithGeta;
    if (box.clickedButton() == utf8)
        return UnmappableAnswer::saveAsUtf8;
    return UnmappableAnswer::cancel;
}

} // namespace quorrin::ui
