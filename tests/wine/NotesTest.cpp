#include "WineFixture.h"

#include "clock/Main.h"
#include "clock/WindowSet.h"
#include "notes/Bibou.h"
#include "notes/Memo.h"
#include "toolkit/Exceptions.h"

#include <windows.h>

namespace {

using Notes = NotesWineTest;

TEST_F(Notes, FirstRunCreatesBothFilesAndTheFirstExitKeepsTheirBytes)
{
    BuildWindowSet();
    EXPECT_EQ(FileContent(MemoPath), "\r\n");
    std::string emptyLines;
    for (int line = 1; line <= 21; ++line)
        emptyLines += "\r\n";
    EXPECT_EQ(FileContent(TravelPath), emptyLines);
    EXPECT_EQ(Form12->Memo1->Text(), "\r\n");
    EXPECT_EQ(Form13->FileFields(), TravelFields{});

    EXPECT_TRUE(CloseBoard());
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(FileContent(MemoPath), "\r\n");
    EXPECT_EQ(FileContent(TravelPath), emptyLines);
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
        WriteFileContent(MemoPath, c.file);
        BuildWindowSet();
        EXPECT_EQ(Form12->Memo1->Text(), c.memo) << testing::PrintToString(c.file);
        CloseBoard();
        EXPECT_EQ(FileContent(MemoPath), c.written) << testing::PrintToString(c.file);
        while (!Application->Components().empty())
            delete Application->Components().back();
    }
}

TEST_F(Notes, AMemoOfAMegabyteLoadsAndSavesWhole)
{
    std::string big;
    while (big.size() < 1024 * 1024)
        big += "長い旅の記録 line " + std::to_string(big.size()) + "\r\n";
    WriteFileContent(MemoPath, big);
    BuildWindowSet();
    EXPECT_EQ(Form12->Memo1->Text().size(), big.size());
    CloseBoard();
    EXPECT_TRUE(FileContent(MemoPath) == big);
}

TEST_F(Notes, ClosingEachWindowSavesItsNotes)
{
    BuildWindowSet();
    Form1->MemoClick(Form1->Memo);
    Form12->Memo1->SetText("旅の計画\r\n二行目");
    Application->DispatchEvent([] { Form12->Close(); });
    EXPECT_FALSE(Form12->Visible());
    EXPECT_EQ(FileContent(MemoPath), "旅の計画\r\n二行目\r\n");

    Form1->BibouClick(Form1->Bibou);
    Form13->Edit24->SetText("保険 A-123");
    Application->DispatchEvent([] { Form13->Close(); });
    EXPECT_FALSE(Form13->Visible());
    std::string expected;
    for (int line = 1; line <= 19; ++line)
        expected += "\r\n";
    expected += "保険 A-123\r\n\r\n";
    EXPECT_EQ(FileContent(TravelPath), expected);
    EXPECT_TRUE(errors.empty());

    // Shown again, both windows still hold their texts.
    Form1->MemoClick(Form1->Memo);
    EXPECT_EQ(Form12->Memo1->Text(), "旅の計画\r\n二行目");
}

TEST_F(Notes, TravelFieldsMapToTheirFileLines)
{
    std::string file = NumberedLines(21);
    WriteFileContent(TravelPath, file);
    BuildWindowSet();
    EXPECT_EQ(Form13->Edit5->Text(), "line 5");
    EXPECT_EQ(Form13->Edit19->Text(), "line 19");
    EXPECT_EQ(Form13->Edit24->Text(), "line 20");
    EXPECT_EQ(Form13->Edit25->Text(), "line 21");
    CloseBoard();
    EXPECT_EQ(FileContent(TravelPath), file);
}

TEST_F(Notes, AShortTravelFileStillStartsAndIsWrittenWhole)
{
    for (int count : {0, 5, 20}) {
        WriteFileContent(TravelPath, NumberedLines(count));
        BuildWindowSet();
        EXPECT_TRUE(errors.empty());
        if (count >= 5) {
            EXPECT_EQ(Form13->Edit5->Text(), "line 5");
        }
        EXPECT_EQ(Form13->Edit25->Text(), "");
        CloseBoard();
        std::string expected = NumberedLines(count);
        for (int line = count + 1; line <= 21; ++line)
            expected += "\r\n";
        EXPECT_EQ(FileContent(TravelPath), expected) << count << " lines";
        while (!Application->Components().empty())
            delete Application->Components().back();
    }
}

TEST_F(Notes, ALongTravelFileLosesOnlyTheLinesAfterTheTwentyFirst)
{
    WriteFileContent(TravelPath, NumberedLines(25));
    BuildWindowSet();
    CloseBoard();
    EXPECT_EQ(FileContent(TravelPath), NumberedLines(21));
}

TEST_F(Notes, AFileThatCannotBeReadStopsStartUpAndIsLeftAlone)
{
    WriteFileContent(MemoPath, "大切なメモ\r\n");
    HeldFile held(MemoPath);
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
    WriteFileContent(MemoPath, "大切なメモ\r\n");
    {
        HeldFile held(MemoPath);
        EXPECT_THROW(BuildWindowSet(), EFOpenError);
    }
    EXPECT_EQ(FileContent(MemoPath), "大切なメモ\r\n");
}

TEST_F(Notes, AMissingFileThatCannotBeCreatedStopsStartUp)
{
    // A folder where the new file would be written makes the write fail.
    CreateDirectoryW((std::wstring(MemoPath) + L".new").c_str(), nullptr);
    try {
        BuildWindowSet();
        FAIL() << "start-up went on";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message, "ﾌｧｲﾙ C:\\Windows\\HRVmemo1.txt を作成できません");
    }
    EXPECT_EQ(FileContent(MemoPath), "<missing>");
}

TEST_F(Notes, AReadOnlyMemoKeepsTheBoardOpenAndBothFilesAsTheyWere)
{
    BuildWindowSet();
    std::string travel = FileContent(TravelPath);
    Form12->Memo1->SetText("new text");
    Form13->Edit1->SetText("TK1234567");
    SetFileAttributesW(MemoPath, FILE_ATTRIBUTE_READONLY);

    EXPECT_FALSE(CloseBoard());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "ﾌｧｲﾙ C:\\Windows\\HRVmemo1.txt を作成できません.");
    EXPECT_EQ(FileContent(MemoPath), "\r\n");
    EXPECT_EQ(FileContent(TravelPath), travel);

    // Closing again, once the file is writable, saves both.
    SetFileAttributesW(MemoPath, FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(CloseBoard());
    EXPECT_EQ(FileContent(MemoPath), "new text\r\n");
    EXPECT_EQ(FileContent(TravelPath).substr(0, 11), "TK1234567\r\n");
}

TEST_F(Notes, AWriteThatFailsHalfwayLeavesTheOldContent)
{
    BuildWindowSet();
    Form12->Memo1->SetText("first");
    ASSERT_TRUE(CloseBoard());
    // Another program holds the file: the new content cannot take its place.
    Form12->Memo1->SetText("second");
    {
        HeldFile held(MemoPath);
        ASSERT_TRUE(held.Held());
        EXPECT_FALSE(CloseBoard());
    }
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(FileContent(MemoPath), "first\r\n");
    EXPECT_EQ(FileContent((std::wstring(MemoPath) + L".new").c_str()), "<missing>");
}

TEST_F(Notes, TheEndOfTheSessionSavesBothFilesWithoutAMessage)
{
    BuildWindowSet();
    Form12->Memo1->SetText("unsaved memo");
    Form13->Edit25->SetText("IDP 42");
    EXPECT_TRUE(SendMessageW(Form1->Handle(), WM_QUERYENDSESSION, 0, 0));
    SendMessageW(Form1->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(FileContent(MemoPath), "unsaved memo\r\n");
    EXPECT_EQ(FileContent(TravelPath).substr(40), "IDP 42\r\n");

    SetFileAttributesW(MemoPath, FILE_ATTRIBUTE_READONLY);
    SendMessageW(Form1->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(errors.empty());
}

} // namespace
