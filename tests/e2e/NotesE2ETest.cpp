// The memo pad and the travel record, typed into and kept across a restart.
#include "Driver.h"

#include <gtest/gtest.h>

namespace {

const std::wstring memoPath = L"C:\\Windows\\HRVmemo1.txt";
const std::wstring travelPath = L"C:\\Windows\\HRVmemo2.txt";

std::vector<std::string> fileLines(const std::string& data)
{
    std::vector<std::string> lines;
    for (std::string::size_type at = 0, end; (end = data.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(data.substr(at, end - at));
    return lines;
}

class NotesE2E : public testing::Test {
protected:
    void SetUp() override
    {
        for (const std::wstring& path : {memoPath, travelPath})
            DeleteFileW(path.c_str());
    }
};

TEST_F(NotesE2E, TypedNotesAreBackAfterARestart)
{
    {
        Program horavel(L"horavel.exe");
        HWND board = WaitForWindow(horavel.Id(), L"TForm1", L"Horavel V1.1", 10000);
        ASSERT_TRUE(board);
        Sleep(1000);

        HWND memoWindow = OpenFromMenu(horavel, board, 7, -1, L"TForm12", L"メモ");
        ASSERT_TRUE(memoWindow) << "メモ did not open";
        std::vector<ChildWindow> memo = ChildWindows(memoWindow, L"Edit");
        ASSERT_EQ(memo.size(), 1u);
        SetText(memo[0].handle, L"");
        TypeText(memo[0].handle, L"パスポートはかばんの中\r二行目");
        SaveScreenshot(memoWindow, L"memo");

        HWND record = OpenFromMenu(horavel, board, 8, -1, L"TForm13", L"備忘録");
        ASSERT_TRUE(record) << "備忘録 did not open";
        std::vector<ChildWindow> fields = ChildWindows(record, L"Edit");
        ASSERT_EQ(fields.size(), 21u);
        HWND airTicket = ChildAt(fields, 80, 64);
        HWND insurance = ChildAt(fields, 80, 80);
        HWND permit = ChildAt(fields, 80, 96);
        HWND firstFlight = ChildAt(fields, 80, 112);
        SetText(insurance, L"保険 INS-77");

        // Tab follows the screen, not the file: air ticket, insurance, permit, flights.
        LeftClick(record, 100, 70);
        EXPECT_EQ(FocusedWindow(record), airTicket);
        for (HWND next : {insurance, permit, firstFlight}) {
            PressKey(FocusedWindow(record), VK_TAB);
            EXPECT_EQ(FocusedWindow(record), next);
        }
        SaveScreenshot(record, L"travel-record");

        PostMessageW(board, WM_CLOSE, 0, 0);
        EXPECT_EQ(horavel.WaitForExit(5000), 0);
    }
    EXPECT_EQ(FileContent(memoPath), "\x83\x70\x83\x58\x83\x7C\x81\x5B\x83\x67\x82\xCD\x82\xA9\x82\xCE\x82\xF1"
                                       "\x82\xCC\x92\x86\r\n\x93\xF1\x8D\x73\x96\xDA\r\n");
    std::vector<std::string> lines = fileLines(FileContent(travelPath));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[19], "\x95\xDB\x8C\xAF INS-77");

    Program again(L"horavel.exe");
    HWND board = WaitForWindow(again.Id(), L"TForm1", L"Horavel V1.1", 10000);
    ASSERT_TRUE(board);
    Sleep(1000);
    HWND memoWindow = OpenFromMenu(again, board, 7, -1, L"TForm12", L"メモ");
    ASSERT_TRUE(memoWindow);
    EXPECT_EQ(WindowText(ChildWindows(memoWindow, L"Edit")[0].handle), L"パスポートはかばんの中\r\n二行目\r\n");
    HWND record = OpenFromMenu(again, board, 8, -1, L"TForm13", L"備忘録");
    ASSERT_TRUE(record);
    EXPECT_EQ(WindowText(ChildAt(ChildWindows(record, L"Edit"), 80, 80)), L"保険 INS-77");
    PostMessageW(board, WM_CLOSE, 0, 0);
    EXPECT_EQ(again.WaitForExit(5000), 0);
}

} // namespace
