#pragma once
// Whole-file reads and writes of byte strings.
#include <string>

// False only when the file is known to be missing.
bool FileExists(const std::string& path);

// The file's whole content, read while other programs may read but not write
// it. A file that cannot be opened raises EFOpenError "ﾌｧｲﾙ path は開けません".
std::string ReadFileData(const std::string& path);

// Replaces the file's content in one step: the new content is written
// completely to a file beside it and then takes its place, so the file holds
// either the old or the new content, never less. A read-only file, or one
// that cannot be written or replaced, raises EFCreateError
// "ﾌｧｲﾙ path を作成できません" and is left as it was.
void WriteFileData(const std::string& path, const std::string& data);
