#include "Registry.h"

#include "Codepage.h"
#include "Exceptions.h"

#include <windows.h>

TRegIniFile::TRegIniFile(const std::string& keyPath)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, WideFromAnsi(keyPath).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS)
        key_ = key;
}

TRegIniFile::~TRegIniFile()
{
    if (key_)
        RegCloseKey(key_);
}

std::optional<std::string> TRegIniFile::ReadText(const std::string& name)
{
    if (!key_)
        return std::nullopt;
    std::wstring valueName = WideFromAnsi(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key_, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw ERegistryException(FormatPattern("'%s' のﾃﾞｰﾀ型が不正です", name));
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    DWORD filled = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key_, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &filled) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(filled / sizeof(wchar_t));
    // The text ends at its first zero, with or without a terminator stored.
    data.resize(data.find(L'\0') == std::wstring::npos ? data.size() : data.find(L'\0'));
    return AnsiFromWide(data);
}

void TRegIniFile::WriteText(const std::string& name, const std::string& text)
{
    std::wstring data = WideFromAnsi(text);
    // The text's characters, without a terminating zero.
    if (!key_ || RegSetValueExW(key_, WideFromAnsi(name).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(data.data()),
                                static_cast<DWORD>(data.size() * sizeof(wchar_t))) != ERROR_SUCCESS)
        throw ERegistryException(FormatPattern("'%s' の設定に失敗しました", name));
}
