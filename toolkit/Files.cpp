#include "Files.h"

#include "Codepage.h"
#include "Exceptions.h"

#include <windows.h>

namespace {

EFCreateError cannotCreate(const std::string& path)
{
    return EFCreateError(FormatPattern("ﾌｧｲﾙ %s を作成できません", path));
}

// Writes the whole of data to a new file and flushes it to the disk.
bool writeNewFile(const std::wstring& path, const std::string& data)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool complete = WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
                    written == data.size() && FlushFileBuffers(file);
    return CloseHandle(file) && complete;
}

} // namespace

bool FileExists(const std::string& path)
{
    if (GetFileAttributesW(WideFromAnsi(path).c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

std::string ReadFileData(const std::string& path)
{
    HANDLE file = CreateFileW(WideFromAnsi(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw EFOpenError(FormatPattern("ﾌｧｲﾙ %s は開けません", path));
    std::string data;
    LARGE_INTEGER size{};
    bool complete = GetFileSizeEx(file, &size) && size.QuadPart < 0x7FFFFFFF;
    if (complete) {
        data.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        complete = ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &read, nullptr) && read == data.size();
    }
    CloseHandle(file);
    if (!complete)
        throw EFOpenError(FormatPattern("ﾌｧｲﾙ %s は開けません", path));
    return data;
}

void WriteFileData(const std::string& path, const std::string& data)
{
    std::wstring target = WideFromAnsi(path);
    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        throw cannotCreate(path);
    std::wstring replacement = target + L".new";
    if (!writeNewFile(replacement, data) ||
        !MoveFileExW(replacement.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(replacement.c_str());
        throw cannotCreate(path);
    }
}
