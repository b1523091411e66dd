#pragma once
// An INI-style store of named text values, with the component library's read
// rules: a missing value gives its default, integers and booleans are kept as
// text and a text that does not convert gives the default.
#include <optional>
#include <string>

class TIniStore {
public:
    virtual ~TIniStore() = default;

    std::string ReadString(const std::string& name, const std::string& defaultText);
    int ReadInteger(const std::string& name, int defaultValue);
    bool ReadBool(const std::string& name, bool defaultValue);

    void WriteString(const std::string& name, const std::string& text);
    void WriteInteger(const std::string& name, int value);
    void WriteBool(const std::string& name, bool value);

protected:
    // The stored text of a value, or nothing when the value does not exist.
    virtual std::optional<std::string> ReadText(const std::string& name) = 0;
    // Creates or replaces a value at once.
    virtual void WriteText(const std::string& name, const std::string& text) = 0;
};
