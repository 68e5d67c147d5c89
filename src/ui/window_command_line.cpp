#include "ui/window_command_line.h"

#include "browse/path_text.h"

namespace quorrin::ui {

namespace {

// The arguments are read as bytes, not through Qt's parser: a folder name
// that is not valid in the locale's encoding must reach the file system
// exactly as the shell passed it.

std::string helpText(bool japanese)
{
    if (japanese)
        return "使い方: quorrin [フォルダ]\n"
               "フォルダのファイル一覧をテキストにするツールのウィンドウを開きます。\n"
               "\n"
               "  フォルダ        このフォルダを開く (ファイルならそのフォルダを開いて選択)\n"
               "  -h, --help      この説明を表示して終了\n"
               "  -v, --version   バージョンを表示して終了\n";
    return "Usage: quorrin [FOLDER]\n"
           "Opens the window that turns a folder into a plain-text list of its files.\n"
           "\n"
           "  FOLDER          open this folder (a file: open its folder and select it)\n"
           "  -h, --help      print this help and exit\n"
           "  -v, --version   print the version and exit\n";
}

WindowCommandLine wrongUsage(bool japanese, const std::string& complaint)
{
    const std::string hint = japanese ? "使い方は quorrin --help で表示されます。\n" : "Try 'quorrin --help'.\n";
    return {WindowCommandLine::Outcome::wrongUsage, std::nullopt, "quorrin: " + complaint + "\n" + hint};
}

} // namespace

WindowCommandLine parseWindowCommandLine(const std::vector<std::string>& arguments, const std::string& version,
                                         bool japanese)
{
    WindowCommandLine result;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "-h" || argument == "--help")) {
            return {WindowCommandLine::Outcome::printHelp, std::nullopt, helpText(japanese)};
        } else if (!optionsEnded && (argument == "-v" || argument == "--version")) {
            return {WindowCommandLine::Outcome::printVersion, std::nullopt, "quorrin " + version + "\n"};
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            return wrongUsage(japanese, (japanese ? "不明なオプションです: " : "unknown option: ") + argument);
        } else if (result.path) {
            return wrongUsage(japanese, japanese ? "開けるフォルダは一つだけです" : "only one folder can be opened");
        } else {
            result.path = argument;
        }
    }
    return result;
}

std::string absolutePath(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& path)
{
    const platform::PathSyntax syntax = fs.pathSyntax();
    if (path.empty() || path.front() == syntax.separator || !browse::drivePart(rules, syntax, path).empty())
        return path;
    return browse::joinPath(rules, syntax, fs.currentDirectory(), path);
}

} // namespace quorrin::ui
