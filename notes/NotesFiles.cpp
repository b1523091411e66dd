#include "NotesFiles.h"

#include "toolkit/Files.h"

namespace {

std::string loadOrCreate(const std::string& path, const std::string& defaultData)
{
    if (!FileExists(path))
        WriteFileData(path, defaultData);
    return ReadFileData(path);
}

} // namespace

std::string LoadMemo()
{
    return MemoFromFile(loadOrCreate(MemoFilePath, DefaultMemoFile()));
}

TravelFields LoadTravelRecord()
{
    return TravelFromFile(loadOrCreate(TravelFilePath, DefaultTravelFile()));
}

void SaveMemo(const std::string& memo)
{
    WriteFileData(MemoFilePath, MemoFile(memo));
}

void SaveTravelRecord(const TravelFields& fields)
{
    WriteFileData(TravelFilePath, TravelFile(fields));
}
