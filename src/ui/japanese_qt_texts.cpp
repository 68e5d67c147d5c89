#include "ui/japanese_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace quorrin::ui {

namespace {

struct OwnText {
    const char* context;
    const char* source;
    const char* japanese;
};

// What the user meets in the dialogs and menus: Qt's Japanese translation
// has most of it, this table all of it.
constexpr OwnText ownTexts[] = {
    {"QFileDialog", "Look in:", "場所:"},
    {"QFileDialog", "File &name:", "ファイル名(&N):"},
    {"QFileDialog", "Files of type:", "ファイルの種類:"},
    {"QFileDialog", "Directory:", "フォルダ:"},
    {"QFileDialog", "&Save", "保存(&S)"},
    {"QFileDialog", "&Choose", "選択(&C)"},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?", "%1 は既に存在します。\n置き換えますか?"},
    {"QFileDialog", "Back", "戻る"},
    {"QFileDialog", "Forward", "進む"},
    {"QFileDialog", "Parent Directory", "親フォルダ"},
    {"QFileDialog", "Create New Folder", "新しいフォルダの作成"},
    {"QFileDialog", "New Folder", "新しいフォルダ"},
    {"QFileDialog", "List View", "一覧表示"},
    {"QFileDialog", "Detail View", "詳細表示"},
    {"QFileDialog", "Computer", "コンピュータ"},
    {"QAbstractFileIconProvider", "Folder", "フォルダ"},
    {"QAbstractFileIconProvider", "Drive", "ドライブ"},
    {"QAbstractFileIconProvider", "File", "ファイル"},
    {"QAbstractFileIconProvider", "%1 File", "%1 ファイル"},
    {"QAbstractFileIconProvider", "Shortcut", "ショートカット"},
    {"QFileSystemModel", "Name", "名前"},
    {"QFileSystemModel", "Size", "サイズ"},
    {"QFileSystemModel", "Type", "種類"},
    {"QFileSystemModel", "Date Modified", "更新日時"},
    {"QFileSystemModel",
     "<b>The name \"%1\" cannot be used.</b><p>Try using another name, with fewer characters or no "
     "punctuation marks.",
     "<b>名前 \"%1\" は使えません。</b><p>文字を減らすか、記号を使わない名前にしてください。"},
    {"QPlatformTheme", "Cancel", "キャンセル"},
    {"QPlatformTheme", "&Yes", "はい(&Y)"},
    {"QPlatformTheme", "&No", "いいえ(&N)"},
    {"QLineEdit", "&Undo", "元に戻す(&U)"},
    {"QLineEdit", "&Redo", "やり直す(&R)"},
    {"QLineEdit", "Cu&t", "切り取り(&T)"},
    {"QLineEdit", "&Copy", "コピー(&C)"},
    {"QLineEdit", "&Paste", "貼り付け(&P)"},
    {"QLineEdit", "Delete", "削除"},
    {"QLineEdit", "Select All", "すべて選択"},
};

class OwnJapanese final : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        for (const OwnText& text : ownTexts) {
            if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, source) == 0)
                return QString::fromUtf8(text.japanese);
        }
        return {};
    }
};

} // namespace

void installJapaneseQtTexts(QCoreApplication& application)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    // The translator installed last is asked first: Qt's own, then ours.
    QCoreApplication::installTranslator(new OwnJapanese(&application));
    auto* qt = new QTranslator(&application);
    if (qt->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

} // namespace quorrin::ui
