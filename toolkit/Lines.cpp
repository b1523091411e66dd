#include "Lines.h"

std::vector<std::string> SplitLines(const std::string& data)
{
    const std::string::size_type end = data.find('\0') == std::string::npos ? data.size() : data.find('\0');
    std::vector<std::string> lines;
    std::string::size_type at = 0;
    while (at < end) {
        std::string::size_type stop = data.find_first_of("\r\n", at);
        if (stop == std::string::npos || stop > end)
            stop = end;
        lines.push_back(data.substr(at, stop - at));
        at = stop;
        if (at < end && data[at] == '\r')
            ++at;
        if (at < end && data[at] == '\n')
            ++at;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string data;
    for (const std::string& line : lines)
        data.append(line).append("\r\n");
    return data;
}
