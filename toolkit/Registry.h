#pragma once
// The INI-style registry wrapper: the named values of one key under
// HKEY_CURRENT_USER, every value a string (REG_SZ).
#include "IniStore.h"

struct HKEY__;

class TRegIniFile : public TIniStore {
public:
    // Opens the key with full access, creating it when it does not exist. A key
    // that can be neither opened nor created reads as empty, so every read gives
    // its default, and every write fails with "'name' の設定に失敗しました".
    explicit TRegIniFile(const std::string& keyPath);
    ~TRegIniFile() override;
    TRegIniFile(const TRegIniFile&) = delete;
    TRegIniFile& operator=(const TRegIniFile&) = delete;

protected:
    // A value of another type than a string raises ERegistryException
    // "'name' のﾃﾞｰﾀ型が不正です".
    std::optional<std::string> ReadText(const std::string& name) override;
    void WriteText(const std::string& name, const std::string& text) override;

private:
    HKEY__* key_ = nullptr;
};
