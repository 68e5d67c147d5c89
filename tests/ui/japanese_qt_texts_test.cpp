#include "ui/japanese_qt_texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QtTest>

namespace {

// Hiragana, katakana or kanji somewhere in the text.
bool isJapanese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3040 && c.unicode() < 0xA000; });
}

} // namespace

class JapaneseQtTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quorrin::ui::installJapaneseQtTexts(*QCoreApplication::instance()); }

    // The texts of Qt's own that the user meets in the dialogs, the replace
    // question and the edit boxes' menus; "Computer" and "Folder" are texts
    // Qt's translation lacks.
    void qtsOwnTextsAreJapanese_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        for (const auto& [context, source] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"QFileDialog", "Look in:"},
                 {"QFileDialog", "File &name:"},
                 {"QFileDialog", "Files of type:"},
                 {"QFileDialog", "&Save"},
                 {"QFileDialog", "&Choose"},
                 {"QFileDialog", "%1 already exists.\nDo you want to replace it?"},
                 {"QFileDialog", "Computer"},
                 {"QAbstractFileIconProvider", "Folder"},
                 {"QFileSystemModel", "Date Modified"},
                 {"QPlatformTheme", "Cancel"},
                 {"QPlatformTheme", "&Yes"},
                 {"QPlatformTheme", "&No"},
                 {"QLineEdit", "&Undo"},
                 {"QLineEdit", "Cu&t"},
                 {"QLineEdit", "&Paste"},
                 {"QLineEdit", "Select All"},
             })
            QTest::newRow(source) << context << source;
    }
    void qtsOwnTextsAreJapanese()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        const QString shown = QCoreApplication::translate(qPrintable(context), qPrintable(source));
        QVERIFY2(isJapanese(shown), qPrintable(shown));
    }

    void theSaveDialogSpeaksJapanese()
    {
        QFileDialog dialog(nullptr, QStringLiteral("テキストファイルへ保存"), QDir::tempPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            QVERIFY2(isJapanese(dialog.findChild<QLabel*>(QString::fromLatin1(name))->text()), name);
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (!button->text().isEmpty())
                QVERIFY2(isJapanese(button->text()), qPrintable(button->text()));
        }
        QCOMPARE(QLocale().language(), QLocale::Japanese);
    }
};

QTEST_MAIN(JapaneseQtTextsTest)
#include "japanese_qt_texts_test.moc"
