#include "cli/cli_texts.h"

#include <array>
#include <utility>

namespace quorrin::cli {

namespace {

// English and Japanese, in the order of Message.
constexpr std::array<std::pair<std::string_view, std::string_view>, 55> table{{
    {"unknown option: %s", "不明なオプションです: %s"},
    {"only one folder can be listed, not also %s", "フォルダは一つだけ指定できます (%s は余分です)"},
    {"bad command line: %s", "コマンドラインが正しくありません: %s"},
    {"%s needs a value", "%s には値が必要です"},
    {"--settings and --no-settings cannot be given together", "--settings と --no-settings は同時に指定できません"},
    {"unknown column \"%s\" (columns are path, name, size, date, genre)",
     "不明な列です: \"%s\" (列は path, name, size, date, genre)"},
    {"at most five columns: %s", "列は五つまでです: %s"},
    {"no column given", "列が指定されていません"},
    {"unknown encoding \"%s\" (encodings are system, utf-8, utf-8-bom, shift_jis, utf-16le)",
     "不明な文字コードです: \"%s\" (文字コードは system, utf-8, utf-8-bom, shift_jis, utf-16le)"},
    {"unknown line end \"%s\" (line ends are crlf, lf)", "不明な改行です: \"%s\" (改行は crlf, lf)"},
    {"unknown date style \"%s\" (date styles are system, iso)",
     "不明な日付の形式です: \"%s\" (日付の形式は system, iso)"},
    {"unknown sort order \"%s\" (orders are name, natural, size, date, genre, ext, each optionally followed by :desc)",
     "不明な並べ替えです: \"%s\" (並べ替えは name, natural, size, date, genre, ext。降順はその後に :desc)"},
    {"the mask is empty", "マスクが空です"},
    {"a mask names files in the folder, not another folder: %s", "マスクに別のフォルダは指定できません: %s"},
    {"%s: no such settings file", "%s: 設定ファイルがありません"},
    {"%s: the folder name is not valid text in the system's encoding (UTF-8)",
     "%s: フォルダ名がシステムの文字コード (UTF-8) として正しくありません"},
    {"%s: no such folder", "%s: フォルダがありません"},
    {"%s: not a folder", "%s: フォルダではありません"},
    {"%s: cannot open the folder (%s)", "%s: フォルダを開けません (%s)"},
    {"%s: cannot read the folder", "%s: フォルダを読み取れません"},
    {"cannot create %s", "ファイル %s を作成できません"},
    {"%s: write error, nothing was saved (is the disk full?)",
     "%s: ストリームへの書き込みエラー。何も保存されていません (ディスクがいっぱいではありませんか)"},
    {"cannot write to standard output", "標準出力に書き込めません"},
    {"%s: write error; the file may be incomplete",
     "%s: ストリームへの書き込みエラー。ファイルは不完全なおそれがあります"},
    {"%s cannot hold this line, nothing was written: %s", "%s で書けない行があるため、何も書き出していません: %s"},
    {"--subfolders: the depth must be a positive whole number, not \"%s\"",
     "--subfolders: 階層の深さは正の整数で指定してください (\"%s\" は使えません)"},
    {"%s: cannot read the folder; it is left out of the listing", "%s: フォルダを読み取れないため、一覧から除きました"},
    {"%s files read in %s", "%s 個のファイルを読み込み中: %s"},
    {"Writes the listing of FOLDER as the window saves it, with the window's settings unless told otherwise.",
     "FOLDER のファイル一覧を、ウィンドウが保存するとおりに書き出します。指定のない項目はウィンドウの設定に従います。"},
    {"the folder to list (default: the current directory)", "一覧にするフォルダ (既定: カレントディレクトリ)"},
    {"masks separated by \";\" as in the mask box (default: from the settings, else *.*)",
     "\";\" で区切ったマスク。マスク欄と同じ (既定: 設定から、なければ *.*)"},
    {"up to five of path,name,size,date,genre, separated by commas (default: from the settings, else name,size)",
     "path,name,size,date,genre から五つまで、カンマ区切り (既定: 設定から、なければ name,size)"},
    {"none, space, tab, comma, hyphen, underscore, slash, plus, or any other text (default: from the settings, else "
     "tab)",
     "none, space, tab, comma, hyphen, underscore, slash, plus、またはほかの任意の文字列 (既定: 設定から、なければ "
     "tab)"},
    {"enclose every field in double quotes (default: from the settings, else off)",
     "各項目をダブルクォーテーションで囲む (既定: 設定から、なければ囲まない)"},
    {"do not enclose the fields in quotes", "項目を囲まない"},
    {"sizes in KiB, rounded up (default: from the settings, else bytes)",
     "サイズを K バイト単位で、切り上げて (既定: 設定から、なければバイト単位)"},
    {"sizes in bytes", "サイズをバイト単位で"},
    {"system, utf-8, utf-8-bom, shift_jis, utf-16le (default: from the settings, else system, the system's own "
     "encoding)",
     "system, utf-8, utf-8-bom, shift_jis, utf-16le (既定: 設定から、なければ system、システムの文字コード)"},
    {"line ends (default: from the settings, else crlf)", "改行 (既定: 設定から、なければ crlf)"},
    {"start with a line of the columns' captions (default: from the settings, else off)",
     "先頭に列の見出し行を付ける (既定: 設定から、なければ付けない)"},
    {"no header line", "見出し行を付けない"},
    {"system: the locale's date and time; iso: YYYY-MM-DD hh:mm:ss (default: from the settings, else system)",
     "system: ロケールの日付と時刻、iso: YYYY-MM-DD hh:mm:ss (既定: 設定から、なければ system)"},
    {"order each folder's rows by name, natural (file2 before file10), size, date, genre or ext; with :desc "
     "descending (default: from the settings, else name)",
     "各フォルダの行の順序: name, natural (file2 が file10 より前), size, date, genre, ext。:desc を付けると降順 "
     "(既定: 設定から、なければ name)"},
    {"list the subfolders too, DEPTH levels deep (default: from the settings, else off; without DEPTH: all levels)",
     "サブフォルダも一覧にする。DEPTH 階層まで (既定: 設定から、なければしない。DEPTH なし: すべての階層)"},
    {"list the folder alone", "フォルダだけを一覧にする"},
    {"write characters the encoding cannot hold as the geta mark 〓 (U+3013) (default: name their lines and write "
     "nothing)",
     "文字コードで書けない文字を 〓 に置き換えて書き出す (既定: その行を示し、何も書き出さない)"},
    {"write FILE, replacing it only once the whole listing is written (default: standard output)",
     "FILE に書き出す。一覧をすべて書けたときだけ置き換える (既定: 標準出力)"},
    {"take the defaults from FILE instead of the window's settings file",
     "ウィンドウの設定ファイルの代わりに FILE から既定値を読む"},
    {"take the built-in defaults, not the window's settings", "ウィンドウの設定を使わず、組み込みの既定値を使う"},
    {"print this help and exit", "このヘルプを表示して終了する"},
    {"print the version and exit", "バージョンを表示して終了する"},
    {"Usage", "使い方"},
    {"Options", "オプション"},
    {"Arguments", "引数"},
    {"Excludes", "併用不可"},
}};

static_assert(table.size() == static_cast<std::size_t>(Message::labelExcludes) + 1);

} // namespace

std::string Texts::say(Message message, std::initializer_list<std::string_view> args) const
{
    const auto& [english, japanese] = table[static_cast<std::size_t>(message)];
    const std::string pattern = rules_.fromUtf8(language_ == Language::japanese ? japanese : english);
    std::string text;
    auto arg = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.compare(i, 2, "%s") == 0 && arg != args.end()) {
            text += *arg++;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string Texts::errorLine(Message message, std::initializer_list<std::string_view> args) const
{
    return std::string(programName) + ": " + say(message, args) + "\n";
}

} // namespace quorrin::cli
