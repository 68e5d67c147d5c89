#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <memory>

namespace quorrin::cli {

namespace {

// Option names as a user types them: ", " between them, and no "{false}"
// behind a negating flag such as --no-quote.
class HelpFormatter final : public CLI::Formatter {
public:
    std::string make_option_name(const CLI::Option* option, bool positional) const override
    {
        std::string names = CLI::Formatter::make_option_name(option, positional);
        for (std::size_t at = names.find("{false}"); at != std::string::npos; at = names.find("{false}"))
            names.erase(at, 7);
        for (std::size_t at = names.find(','); at != std::string::npos; at = names.find(',', at + 2))
            names.insert(at + 1, " ");
        return names;
    }
    // "--subfolders[=DEPTH]": its value is optional and only taken after "=".
    std::string make_option_opts(const CLI::Option* option) const override
    {
        std::string opts = CLI::Formatter::make_option_opts(option);
        if (opts.rfind(" [=", 0) == 0)
            opts.erase(0, 1);
        return opts;
    }
};

// An option that may be given or not; when it is not, the settings decide.
template <typename T>
CLI::Option* addChoice(CLI::App& app, const std::string& names, std::optional<T>& target,
                       const std::string& description, const std::string& typeName)
{
    return app
        .add_option_function<T>(
            names, [&target](const T& value) { target = value; }, description)
        ->type_name(typeName);
}

// A flag with its opposite ("-q, --quote" and "--no-quote"): the last one
// given wins; given neither, the settings decide.
class Switch {
public:
    Switch(CLI::App& app, const std::string& on, const std::string& off, std::optional<bool>& target,
           const std::string& onDescription, const std::string& offDescription)
        : target_(target)
    {
        option_ = app.add_flag(on + ",!" + off, value_, onDescription + "; " + off + ": " + offDescription)
                      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
    void settle() const
    {
        if (option_->count() > 0)
            target_ = value_;
    }

private:
    std::optional<bool>& target_;
    bool value_ = false;
    CLI::Option* option_ = nullptr;
};

// "-r, --subfolders[=DEPTH]" and "--no-subfolders": the last one given wins.
// A bare flag reaches all levels.
class SubfolderChoice {
public:
    SubfolderChoice(CLI::App& app, const Texts& texts)
    {
        on_ = app.add_flag("-r,--subfolders", word_, texts.say(Message::helpSubfolders))
                  ->type_name("[=DEPTH]")
                  ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        off_ = app.add_flag("--no-subfolders")->description(texts.say(Message::helpNoSubfolders));
    }
    // The DEPTH word when it is not a positive whole number.
    std::optional<std::string> settle(const CLI::App& app, ListRequest& request) const
    {
        const std::vector<CLI::Option*> order = app.parse_order();
        const auto last = std::find_if(order.rbegin(), order.rend(),
                                       [this](const CLI::Option* option) { return option == on_ || option == off_; });
        if (last == order.rend())
            return std::nullopt;
        request.subfolders = *last == on_;
        if (*last == off_)
            return std::nullopt;
        if (word_.empty() || word_ == "true") {
            request.depth = 0;
            return std::nullopt;
        }
        int depth = 0;
        const char* end = word_.data() + word_.size();
        const auto [stop, error] = std::from_chars(word_.data(), end, depth);
        if (error != std::errc() || stop != end || depth <= 0)
            return word_;
        request.depth = depth;
        return std::nullopt;
    }

private:
    std::string word_;
    CLI::Option* on_ = nullptr;
    CLI::Option* off_ = nullptr;
};

void addOptions(CLI::App& app, ListRequest& request, std::vector<std::unique_ptr<Switch>>& switches, const Texts& texts)
{
    app.add_option("FOLDER", request.folder, texts.say(Message::helpFolder))->type_name("");
    addChoice(app, "-m,--mask", request.mask, texts.say(Message::helpMask), "MASKS");
    addChoice(app, "-c,--columns", request.columns, texts.say(Message::helpColumns), "LIST");
    addChoice(app, "-s,--separator", request.separator, texts.say(Message::helpSeparator), "SEP");
    switches.push_back(std::make_unique<Switch>(app, "-q,--quote", "--no-quote", request.quote,
                                                texts.say(Message::helpQuote), texts.say(Message::helpNoQuote)));
    switches.push_back(std::make_unique<Switch>(app, "-k,--kib", "--no-kib", request.sizeInKiB,
                                                texts.say(Message::helpKib), texts.say(Message::helpNoKib)));
    addChoice(app, "--encoding", request.encoding, texts.say(Message::helpEncoding), "ENC");
    addChoice(app, "--eol", request.lineEnd, texts.say(Message::helpEol), "crlf|lf");
    switches.push_back(std::make_unique<Switch>(app, "--header", "--no-header", request.header,
                                                texts.say(Message::helpHeader), texts.say(Message::helpNoHeader)));
    addChoice(app, "--dates", request.dates, texts.say(Message::helpDates), "system|iso");
    addChoice(app, "--sort", request.sort, texts.say(Message::helpSort), "KEY[:desc]");
    app.add_flag("--replace", request.replace, texts.say(Message::helpReplace));
    addChoice(app, "-o,--output", request.output, texts.say(Message::helpOutput), "FILE");
    CLI::Option* settings =
        addChoice(app, "--settings", request.settingsFile, texts.say(Message::helpSettings), "FILE");
    app.add_flag("--no-settings", request.noSettings, texts.say(Message::helpNoSettings))->excludes(settings);
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments, const Texts& texts,
                                   std::string_view version)
{
    ListRequest request;
    CLI::App app(texts.say(Message::description), std::string(programName));
    app.option_defaults()->group(texts.say(Message::labelOptions));
    app.set_help_flag("-h,--help", texts.say(Message::helpHelp));
    app.set_version_flag("--version", std::string(programName) + " " + std::string(version),
                         texts.say(Message::helpVersion));
    // Unknown options and a second folder are ours to report, in the user's
    // language.
    app.allow_extras();
    auto formatter = std::make_shared<HelpFormatter>();
    formatter->label("Usage", texts.say(Message::labelUsage));
    formatter->label("OPTIONS", texts.say(Message::labelOptions));
    formatter->label("Positionals", texts.say(Message::labelPositionals));
    formatter->label("Excludes", texts.say(Message::labelExcludes));
    formatter->column_width(26);
    app.formatter(formatter);
    std::vector<std::unique_ptr<Switch>> switches;
    addOptions(app, request, switches, texts);
    const SubfolderChoice subfolders(app, texts);

    try {
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return ImmediateAnswer{exitListed, app.help(), false};
    } catch (const CLI::CallForVersion& e) {
        return ImmediateAnswer{exitListed, std::string(e.what()) + "\n", false};
    } catch (const CLI::ArgumentMismatch& e) {
        // "--mask: 1 required MASKS missing": the option's name leads.
        const std::string what = e.what();
        return ImmediateAnswer{exitFailed, texts.errorLine(Message::optionNeedsValue, {what.substr(0, what.find(':'))}),
                               true};
    } catch (const CLI::ExcludesError&) {
        return ImmediateAnswer{exitFailed, texts.errorLine(Message::settingsTwice), true};
    } catch (const CLI::ParseError& e) {
        return ImmediateAnswer{exitFailed, texts.errorLine(Message::badCommandLine, {e.what()}), true};
    }
    const std::vector<std::string> extras = app.remaining();
    if (!extras.empty()) {
        const std::string& first = extras.front();
        const bool option = first.size() > 1 && first[0] == '-';
        return ImmediateAnswer{exitFailed,
                               texts.errorLine(option ? Message::unknownOption : Message::secondFolder, {first}), true};
    }
    for (const auto& flag : switches)
        flag->settle();
    if (const auto badDepth = subfolders.settle(app, request))
        return ImmediateAnswer{exitFailed, texts.errorLine(Message::badDepth, {*badDepth}), true};
    return request;
}

} // namespace quorrin::cli
