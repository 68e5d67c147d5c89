#include "platform/win32/win32_profile_store.h"

#include <windows.h>

namespace quorrin::platform::win32 {

std::string Win32ProfileStore::read(std::string_view section, std::string_view key, std::string_view fallback)
{
    std::string buffer(bufferSize, '\0');
    const DWORD n =
        GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), std::string(fallback).c_str(),
                                 buffer.data(), static_cast<DWORD>(buffer.size()), path_.c_str());
    buffer.resize(n < buffer.size() ? n : buffer.size() - 1);
    return buffer;
}

bool Win32ProfileStore::write(std::string_view section, std::string_view key, std::string_view value)
{
    return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                      std::string(value).c_str(), path_.c_str()) != FALSE;
}

bool Win32ProfileStore::flush()
{
    // Every write has already reached the file or been refused; the
    // service's answer to a flush carries no news about them (some
    // versions answer it with FALSE regardless), so there is nothing left
    // that could fail here.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
    return true;
}

} // namespace quorrin::platform::win32
