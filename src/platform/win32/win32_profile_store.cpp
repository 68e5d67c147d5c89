#include "platform/win32/win32_profile_store.h"

#include <windows.h>

namespace quorrin::platform::win32 {

std::string Win32ProfileStore::read(std::string_view section, std::string_view key, std::string_view fallback)
{
    const std::string sectionText(section), keyText(key), fallbackText(fallback);
    // A value that fills the buffer to its last byte may have been cut; the
    // read is repeated with twice the room until one leaves room to spare.
    std::string buffer(2048, '\0');
    for (;;) {
        const DWORD n = GetPrivateProfileStringA(sectionText.c_str(), keyText.c_str(), fallbackText.c_str(),
                                                 buffer.data(), static_cast<DWORD>(buffer.size()), path_.c_str());
        if (n + 1 < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool Win32ProfileStore::write(std::string_view section, std::string_view key, std::string_view value)
{
    return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                      std::string(value).c_str(), path_.c_str()) != FALSE;
}

WriteOutcome Win32ProfileStore::flush()
{
    // Every write has already reached the file or been refused; the
    // service's answer to a flush carries no news about them (some
    // versions answer it with FALSE regardless), so there is nothing left
    // that could fail here.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
    return WriteOutcome::written;
}

} // namespace quorrin::platform::win32
