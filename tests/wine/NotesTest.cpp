#include "WineFixture.h"

#include "clock/Main.h"
#include "clock/WindowSet.h"
#include "notes/Bibou.h"
#include "notes/Memo.h"
#include "toolkit/Exceptions.h"

#include <windows.h>

namespace {

const wchar_t* const memoPath = L"C:\\Windows\\HRVmemo1.txt";
const wchar_t* const travelPath = L"C:\\Windows\\HRVmemo2.txt";

std::string readFile(const wchar_t* path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string data(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &read, nullptr);
    CloseHandle(file);
    return data;
}

void writeFile(const wchar_t* path, const std::string& data)
{
    SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    CloseHandle(file);
}

void removeFile(const std::wstring& path)
{
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
    RemoveDirectoryW(path.c_str());
}

std::string lines(int count)
{
    std::string data;
    for (int line = 1; line <= count; ++line)
        data += "line " + std::to_string(line) + "\r\n";
    return data;
}

// Holds a file open as another program would, allowing no one else anything.
class HeldFile {
public:
    explicit HeldFile(const wchar_t* path)
        : handle_(CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~HeldFile() { CloseHandle(handle_); }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

class Notes : public WineTest {
protected:
    void SetUp() override
    {
        WineTest::SetUp();
        for (const wchar_t* path : {memoPath, travelPath}) {
            removeFile(path);
            removeFile(std::wstring(path) + L".new");
        }
    }
    void TearDown() override
    {
        WineTest::TearDown();
        for (const wchar_t* path : {memoPath, travelPath}) {
            removeFile(path);
            removeFile(std::wstring(path) + L".new");
        }
    }

    // Closes the board as its close box would; true when the program would end.
    bool CloseBoard()
    {
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        Application->DispatchEvent([] { Form1->Close(); });
        return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    }
};

TEST_F(Notes, FirstRunCreatesBothFilesAndTheFirstExitKeepsTheirBytes)
{
    BuildWindowSet();
    EXPECT_EQ(readFile(memoPath), "\r\n");
    std::string emptyLines;
    for (int line = 1; line <= 21; ++line)
        emptyLines += "\r\n";
    EXPECT_EQ(readFile(travelPath), emptyLines);
    EXPECT_EQ(Form12->Memo1->Text(), "\r\n");
    EXPECT_EQ(Form13->FileFields(), TravelFields{});

    EXPECT_TRUE(CloseBoard());
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(readFile(memoPath), "\r\n");
    EXPECT_EQ(readFile(travelPath), emptyLines);
}

TEST_F(Notes, TheMemoIsReadByTheLineRules)
{
    struct Case {
        std::string file;
        std::string memo;
        std::string written;
    } cases[] = {
        {"abc", "abc\r\n", "abc\r\n"},
        {"", "", "\r\n"},
        {"a\nb", "a\r\nb\r\n", "a\r\nb\r\n"},
        {std::string("ab\0cd", 5), "ab\r\n", "ab\r\n"},
        {"東京\r\nソ表\r\n", "東京\r\nソ表\r\n", "東京\r\nソ表\r\n"},
    };
    for (const Case& c : cases) {
        writeFile(memoPath, c.file);
        BuildWindowSet();
        EXPECT_EQ(Form12->Memo1->Text(), c.memo) << testing::PrintToString(c.file);
        CloseBoard();
        EXPECT_EQ(readFile(memoPath), c.written) << testing::PrintToString(c.file);
        while (!Application->Components().empty())
            delete Application->Components().back();
    }
}

TEST_F(Notes, AMemoOfAMegabyteLoadsAndSavesWhole)
{
    std::string big;
    while (big.size() < 1024 * 1024)
        big += "長い旅の記録 line " + std::to_string(big.size()) + "\r\n";
    writeFile(memoPath, big);
    BuildWindowSet();
    EXPECT_EQ(Form12->Memo1->Text().size(), big.size());
    CloseBoard();
    EXPECT_TRUE(readFile(memoPath) == big);
}

TEST_F(Notes, ClosingEachWindowSavesItsNotes)
{
    BuildWindowSet();
    Form1->MemoClick(Form1->Memo);
    Form12->Memo1->SetText("旅の計画\r\n二行目");
    Application->DispatchEvent([] { Form12->Close(); });
    EXPECT_FALSE(Form12->Visible());
    EXPECT_EQ(readFile(memoPath), "旅の計画\r\n二行目\r\n");

    Form1->BibouClick(Form1->Bibou);
    Form13->Edit24->SetText("保険 A-123");
    Application->DispatchEvent([] { Form13->Close(); });
    EXPECT_FALSE(Form13->Visible());
    std::string expected;
    for (int line = 1; line <= 19; ++line)
        expected += "\r\n";
    expected += "保険 A-123\r\n\r\n";
    EXPECT_EQ(readFile(travelPath), expected);
    EXPECT_TRUE(errors.empty());

    // Shown again, both windows still hold their texts.
    Form1->MemoClick(Form1->Memo);
    EXPECT_EQ(Form12->Memo1->Text(), "旅の計画\r\n二行目");
}

TEST_F(Notes, TravelFieldsMapToTheirFileLines)
{
    std::string file = lines(21);
    writeFile(travelPath, file);
    BuildWindowSet();
    EXPECT_EQ(Form13->Edit5->Text(), "line 5");
    EXPECT_EQ(Form13->Edit19->Text(), "line 19");
    EXPECT_EQ(Form13->Edit24->Text(), "line 20");
    EXPECT_EQ(Form13->Edit25->Text(), "line 21");
    CloseBoard();
    EXPECT_EQ(readFile(travelPath), file);
}

TEST_F(Notes, AShortTravelFileStillStartsAndIsWrittenWhole)
{
    for (int count : {0, 5, 20}) {
        writeFile(travelPath, lines(count));
        BuildWindowSet();
        EXPECT_TRUE(errors.empty());
        if (count >= 5) {
            EXPECT_EQ(Form13->Edit5->Text(), "line 5");
        }
        EXPECT_EQ(Form13->Edit25->Text(), "");
        CloseBoard();
        std::string expected = lines(count);
        for (int line = count + 1; line <= 21; ++line)
            expected += "\r\n";
        EXPECT_EQ(readFile(travelPath), expected) << count << " lines";
        while (!Application->Components().empty())
            delete Application->Components().back();
    }
}

TEST_F(Notes, ALongTravelFileLosesOnlyTheLinesAfterTheTwentyFirst)
{
    writeFile(travelPath, lines(25));
    BuildWindowSet();
    CloseBoard();
    EXPECT_EQ(readFile(travelPath), lines(21));
}

TEST_F(Notes, AFileThatCannotBeReadStopsStartUpAndIsLeftAlone)
{
    writeFile(memoPath, "大切なメモ\r\n");
    HeldFile held(memoPath);
    ASSERT_TRUE(held.Held());
    try {
        BuildWindowSet();
        FAIL() << "start-up went on";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message, "ﾌｧｲﾙ C:\\Windows\\HRVmemo1.txt は開けません");
    }
}

TEST_F(Notes, AFailedReadLeavesTheFileAsItWas)
{
    writeFile(memoPath, "大切なメモ\r\n");
    {
        HeldFile held(memoPath);
        EXPECT_THROW(CreateWindowSet(), EFOpenError);
    }
    EXPECT_EQ(readFile(memoPath), "大切なメモ\r\n");
}

TEST_F(Notes, AMissingFileThatCannotBeCreatedStopsStartUp)
{
    // A folder where the new file would be written makes the write fail.
    CreateDirectoryW((std::wstring(memoPath) + L".new").c_str(), nullptr);
    try {
        BuildWindowSet();
        FAIL() << "start-up went on";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message, "ﾌｧｲﾙ C:\\Windows\\HRVmemo1.txt を作成できません");
    }
    EXPECT_EQ(readFile(memoPath), "<missing>");
}

TEST_F(Notes, AReadOnlyMemoKeepsTheBoardOpenAndBothFilesAsTheyWere)
{
    BuildWindowSet();
    std::string travel = readFile(travelPath);
    Form12->Memo1->SetText("new text");
    Form13->Edit1->SetText("TK1234567");
    SetFileAttributesW(memoPath, FILE_ATTRIBUTE_READONLY);

    EXPECT_FALSE(CloseBoard());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "ﾌｧｲﾙ C:\\Windows\\HRVmemo1.txt を作成できません.");
    EXPECT_EQ(readFile(memoPath), "\r\n");
    EXPECT_EQ(readFile(travelPath), travel);

    // Closing again, once the file is writable, saves both.
    SetFileAttributesW(memoPath, FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(CloseBoard());
    EXPECT_EQ(readFile(memoPath), "new text\r\n");
    EXPECT_EQ(readFile(travelPath).substr(0, 11), "TK1234567\r\n");
}

TEST_F(Notes, AWriteThatFailsHalfwayLeavesTheOldContent)
{
    BuildWindowSet();
    Form12->Memo1->SetText("first");
    ASSERT_TRUE(CloseBoard());
    // Another program holds the file: the new content cannot take its place.
    Form12->Memo1->SetText("second");
    {
        HeldFile held(memoPath);
        ASSERT_TRUE(held.Held());
        EXPECT_FALSE(CloseBoard());
    }
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(readFile(memoPath), "first\r\n");
    EXPECT_EQ(readFile((std::wstring(memoPath) + L".new").c_str()), "<missing>");
}

TEST_F(Notes, TheEndOfTheSessionSavesBothFilesWithoutAMessage)
{
    BuildWindowSet();
    Form12->Memo1->SetText("unsaved memo");
    Form13->Edit25->SetText("IDP 42");
    EXPECT_TRUE(SendMessageW(Form1->Handle(), WM_QUERYENDSESSION, 0, 0));
    SendMessageW(Form1->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(readFile(memoPath), "unsaved memo\r\n");
    EXPECT_EQ(readFile(travelPath).substr(40), "IDP 42\r\n");

    SetFileAttributesW(memoPath, FILE_ATTRIBUTE_READONLY);
    SendMessageW(Form1->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(errors.empty());
}

} // namespace
