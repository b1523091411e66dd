#pragma once
// In-process tests of the real windows under Wine: each test starts from an
// empty settings key, a fixed clock and an error display that records.
#include "tests/e2e/Driver.h"
#include "toolkit/DateTime.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class TControl;

class WineTest : public testing::Test {
public:
    static const wchar_t* const KeyPath;

protected:
    void SetUp() override;
    void TearDown() override;

    // Sets the fixed clock the windows read.
    void SetMoment(int year, int month, int day, int hour, int minute, int second = 0);
    // Replaces the user's short date or long time format until the test ends.
    void SetUserFormat(LCTYPE item, const std::wstring& format);

    // The texts the error display would have shown, in order.
    std::vector<std::string> errors;

private:
    std::vector<std::pair<LCTYPE, std::wstring>> savedFormats_;
};

// The settings key as the registry holds it, for arranging and checking values.
struct StoredValue {
    DWORD type;
    std::wstring text; // a string value's UTF-16 text, up to its first zero
};
bool KeyExists();
std::vector<std::wstring> StoredNames();
std::optional<StoredValue> Stored(const std::wstring& name);
void StoreString(const std::wstring& name, const std::wstring& text);
void StoreDword(const std::wstring& name, DWORD value);
void StoreBinary(const std::wstring& name, const std::string& bytes);

// Builds the program's window set and makes every form's windows, as a first
// showing would, without showing any, so that tests can read them.
void BuildWindowSet();

// What a control's real window shows, in Shift-JIS like the program's texts.
std::string WindowText(const TControl& control);

// The two notes files and the files of their folder, for arranging and checking.
inline const wchar_t* const MemoPath = L"C:\\Windows\\HRVmemo1.txt";
inline const wchar_t* const TravelPath = L"C:\\Windows\\HRVmemo2.txt";
// A file's bytes, or "<missing>".
void WriteFileContent(const std::wstring& path, const std::string& data);
// Removes a file or an empty folder, read-only or not.
void RemovePath(const std::wstring& path);
// "line 1" CR LF ... "line count" CR LF.
std::string NumberedLines(int count);

// Holds a file open as another program would, allowing no one else anything.
class HeldFile {
public:
    explicit HeldFile(const std::wstring& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// Starts and ends with neither notes file nor the file beside it that a write makes.
class NotesWineTest : public WineTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Closes the board as its close box would; true when the program would end.
    bool CloseBoard();
};
