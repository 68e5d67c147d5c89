#include "platform/posix/volume_labels.h"

#include "text/text_scan.h"

#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <memory>

namespace quorrin::platform::posix {

namespace {

std::string resolved(const std::string& path)
{
    char buffer[PATH_MAX];
    return realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

} // namespace

std::string decodeUdevLabel(std::string_view escaped)
{
    std::string out;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '\\' && i + 3 < escaped.size() && escaped[i + 1] == 'x' &&
            text::hexDigitValue(escaped[i + 2]) >= 0 && text::hexDigitValue(escaped[i + 3]) >= 0) {
            out += static_cast<char>(text::hexDigitValue(escaped[i + 2]) * 16 + text::hexDigitValue(escaped[i + 3]));
            i += 3;
        } else {
            out += escaped[i];
        }
    }
    return out;
}

std::string labelOfDevice(const std::string& device)
{
    static const char* const byLabel = "/dev/disk/by-label";
    if (!device.starts_with("/dev/"))
        return {};
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(byLabel), closedir);
    if (!dir)
        return {};
    const std::string target = resolved(device);
    while (const dirent* d = readdir(dir.get())) {
        const std::string name = d->d_name;
        if (name == "." || name == "..")
            continue;
        if (resolved(std::string(byLabel) + "/" + name) == target)
            return decodeUdevLabel(name);
    }
    return {};
}

} // namespace quorrin::platform::posix
