#include "Text.h"

std::string Copy(const std::string& text, int index, int count)
{
    if (index < 1)
        index = 1;
    std::string::size_type start = static_cast<std::string::size_type>(index - 1);
    if (count <= 0 || start >= text.size())
        return {};
    return text.substr(start, static_cast<std::string::size_type>(count));
}

std::string ErrorDisplayText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}
