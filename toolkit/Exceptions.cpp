#include "Exceptions.h"

std::string FormatPattern(const std::string& pattern, const std::string& argument)
{
    std::string::size_type at = pattern.find("%s");
    if (at == std::string::npos)
        return pattern;
    return pattern.substr(0, at) + argument + pattern.substr(at + 2);
}
