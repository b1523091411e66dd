// The pop-up menu and the city settings dialog, used with the mouse and the keyboard.
#include "Driver.h"

#include <gtest/gtest.h>

namespace {

const std::wstring settingsKey = L"Software\\Horavel";

class SettingE2E : public testing::Test {
protected:
    void SetUp() override { DeleteUserKey(settingsKey); }

    HWND StartBoard(Program& horavel)
    {
        HWND board = WaitForWindow(horavel.Id(), L"TForm1", L"Horavel V1.1", 10000);
        return board;
    }

    // Right-clicks a point of the board and walks the menu with keys; the
    // last key chooses.
    void ChooseFromMenu(Program& horavel, HWND board, POINT at, std::initializer_list<UINT> keys)
    {
        HWND menu = OpenMenu(horavel, board, at.x, at.y);
        ASSERT_TRUE(menu) << "no menu opened";
        for (UINT key : keys)
            PressKey(menu, key);
    }

    // The text of the board's panel at a point, once it shows something.
    static std::wstring PanelText(HWND board, int left, int top)
    {
        HWND panel = ChildAt(ChildWindows(board, L"TPanel"), left, top);
        return panel ? WindowText(panel) : L"<no panel>";
    }
};

TEST_F(SettingE2E, ANewPlaceChosenInTheDialogShowsAndSurvivesARestart)
{
    {
        Program horavel(L"horavel.exe");
        HWND board = StartBoard(horavel);
        ASSERT_TRUE(board);
        Sleep(1500);

        // The whole menu, with the time-difference submenu unfolded.
        HWND menu = OpenMenu(horavel, board, 60, 24); // on slot a's time panel
        ASSERT_TRUE(menu) << "a right-click on a panel opened no menu";
        for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT})
            PressKey(menu, key);
        ASSERT_TRUE(WaitForMenu(horavel.Id(), 2, 3000)) << "the submenu did not unfold";
        SaveScreenshot(GetDesktopWindow(), L"menu");
        for (UINT key : {VK_LEFT, VK_UP, VK_RETURN})
            PressKey(menu, key);

        HWND dialog = WaitForWindow(horavel.Id(), L"TForm3", L"設定", 3000);
        ASSERT_TRUE(dialog) << "設定 did not show the dialog";
        RECT frame;
        GetWindowRect(dialog, &frame);
        EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 310) / 2);
        EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 230) / 2);

        std::vector<ChildWindow> edits = ChildWindows(dialog, L"Edit");
        ASSERT_EQ(edits.size(), 12u);
        HWND name = ChildAt(edits, 8, 48);
        HWND offset = ChildAt(edits, 144, 48);
        ASSERT_TRUE(name && offset);
        EXPECT_EQ(WindowText(name), L"ロンドン");
        SetText(name, L"ベルリン");
        SetText(offset, L"");
        TypeText(offset, L"-8");
        SaveScreenshot(dialog, L"settings");
        ClickButton(ChildWithText(dialog, L"Button", L"OK"));

        DWORD start = GetTickCount();
        while (PanelText(board, 80, 0) != L"ベルリン" && GetTickCount() - start < 2000)
            Sleep(50);
        EXPECT_EQ(PanelText(board, 80, 0), L"ベルリン");
        SYSTEMTIME now;
        GetLocalTime(&now);
        std::wstring time = PanelText(board, 120, 16);
        EXPECT_EQ(time.substr(0, time.find(L':')), std::to_wstring((now.wHour + 16) % 24)) << time;
        EXPECT_FALSE(IsWindowVisible(dialog));

        // Choosing 設定 again shows the one dialog, in front.
        ChooseFromMenu(horavel, board, {120, 24}, {VK_DOWN, VK_DOWN, VK_RETURN});
        ASSERT_TRUE(WaitForWindow(horavel.Id(), L"TForm3", L"設定", 3000));
        ChooseFromMenu(horavel, board, {20, 40}, {VK_DOWN, VK_DOWN, VK_RETURN});
        Sleep(300);
        EXPECT_EQ(TopLevelWindows(horavel.Id(), L"TForm3", L"設定").size(), 1u);
        EXPECT_EQ(GetForegroundWindow(), dialog);

        PostMessageW(board, WM_CLOSE, 0, 0);
        EXPECT_EQ(horavel.WaitForExit(5000), 0);
    }
    EXPECT_EQ(UserString(settingsKey, L"citybHV"), L"ベルリン");
    EXPECT_EQ(UserString(settingsKey, L"zisabHV"), L"-8");

    Program again(L"horavel.exe");
    HWND board = StartBoard(again);
    ASSERT_TRUE(board);
    DWORD start = GetTickCount();
    while (PanelText(board, 80, 0) != L"ベルリン" && GetTickCount() - start < 3000)
        Sleep(50);
    EXPECT_EQ(PanelText(board, 80, 0), L"ベルリン");
    PostMessageW(board, WM_CLOSE, 0, 0);
    EXPECT_EQ(again.WaitForExit(5000), 0);
}

} // namespace
