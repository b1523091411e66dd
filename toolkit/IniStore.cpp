#include "IniStore.h"

#include "NumberText.h"

std::string TIniStore::ReadString(const std::string& name, const std::string& defaultText)
{
    return ReadText(name).value_or(defaultText);
}

int TIniStore::ReadInteger(const std::string& name, int defaultValue)
{
    std::optional<std::string> text = ReadText(name);
    if (!text)
        return defaultValue;
    return TryStrToInt(*text).value_or(defaultValue);
}

bool TIniStore::ReadBool(const std::string& name, bool defaultValue)
{
    return ReadInteger(name, defaultValue ? 1 : 0) != 0;
}

void TIniStore::WriteString(const std::string& name, const std::string& text)
{
    WriteText(name, text);
}

void TIniStore::WriteInteger(const std::string& name, int value)
{
    WriteText(name, IntToStr(value));
}

void TIniStore::WriteBool(const std::string& name, bool value)
{
    WriteText(name, value ? "1" : "0");
}
