#include "NotesLayout.h"

#include "toolkit/Lines.h"

#include <algorithm>
#include <vector>

std::string DefaultMemoFile()
{
    return "\r\n";
}

std::string DefaultTravelFile()
{
    return TravelFile(TravelFields{});
}

std::string MemoFromFile(const std::string& data)
{
    return JoinLines(SplitLines(data));
}

std::string MemoFile(const std::string& memo)
{
    if (memo.size() >= 2 && memo.compare(memo.size() - 2, 2, "\r\n") == 0)
        return memo;
    return memo + "\r\n";
}

TravelFields TravelFromFile(const std::string& data)
{
    std::vector<std::string> lines = SplitLines(data);
    TravelFields fields;
    std::copy_n(lines.begin(), std::min<std::size_t>(lines.size(), fields.size()), fields.begin());
    return fields;
}

std::string TravelFile(const TravelFields& fields)
{
    return JoinLines(std::vector<std::string>(fields.begin(), fields.end()));
}
