// The clock board as a user meets it: start horavel.exe, look at it, close it.
#include "Driver.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const std::wstring settingsKey = L"Software\\Horavel";
const std::wstring internationalKey = L"Control Panel\\International";

// Left and top of the 18 panels: names a to f, dates a to f, times a to f.
const POINT panelPositions[18] = {
    {0, 0},   {80, 0},   {160, 0},  {0, 32},   {80, 32},  {160, 32},
    {0, 16},  {80, 16},  {160, 16}, {0, 48},   {80, 48},  {160, 48},
    {40, 16}, {120, 16}, {200, 16}, {40, 48},  {120, 48}, {200, 48},
};

// What the board must show at a moment with the default cities, worked out
// here from the moment itself.
std::vector<std::wstring> defaultBoardAt(const SYSTEMTIME& now)
{
    std::vector<std::wstring> texts = {L"東京", L"ロンドン", L"パリ", L"ﾆｭｰﾖｰｸ", L"ｻﾝﾌﾗﾝｼｽｺ", L"シカゴ"};
    wchar_t date[16], minutes[8], home[16];
    std::swprintf(date, 16, L"%02d/%02d", now.wMonth, now.wDay);
    std::swprintf(minutes, 8, L":%02d", now.wMinute);
    std::swprintf(home, 16, L"%02d%ls", now.wHour, minutes);
    std::vector<std::wstring> dates = {date}, times = {home};
    for (int offset : {-9, -8, -14, -17, -15}) {
        int hour = now.wHour + offset;
        dates.push_back(hour < 0 ? L"前日" : date);
        times.push_back(std::to_wstring((hour + 24) % 24) + minutes);
    }
    texts.insert(texts.end(), dates.begin(), dates.end());
    texts.insert(texts.end(), times.begin(), times.end());
    return texts;
}

std::vector<std::wstring> boardTexts(HWND board)
{
    std::vector<ChildWindow> panels = ChildWindows(board, L"TPanel");
    std::vector<std::wstring> texts;
    for (POINT position : panelPositions) {
        HWND panel = ChildAt(panels, position.x, position.y);
        texts.push_back(panel ? WindowText(panel) : L"<no panel>");
    }
    return texts;
}

class BoardE2E : public testing::Test {
protected:
    void SetUp() override { DeleteUserKey(settingsKey); }
};

TEST_F(BoardE2E, FirstStartShowsTheTickingBoardAtTheDefaultPlace)
{
    Program horavel(L"horavel.exe");
    HWND board = WaitForWindow(horavel.Id(), L"TForm1", L"Horavel V1.1", 10000);
    ASSERT_TRUE(board) << "no clock board appeared";
    DWORD shown = GetTickCount();

    RECT frame;
    GetWindowRect(board, &frame);
    EXPECT_EQ(frame.left, 390);
    EXPECT_EQ(frame.top, 360);
    EXPECT_EQ(frame.right - frame.left, 250);
    EXPECT_EQ(frame.bottom - frame.top, 92);
    EXPECT_EQ(ChildWindows(board, L"TPanel").size(), 18u);
    EXPECT_EQ(TopLevelWindows(horavel.Id(), L"TApplication", L"Horavel").size(), 1u);

    std::vector<std::wstring> expected, texts;
    do {
        Sleep(50);
        SYSTEMTIME now;
        GetLocalTime(&now);
        expected = defaultBoardAt(now);
        texts = boardTexts(board);
    } while (texts != expected && GetTickCount() - shown < 2000);
    EXPECT_EQ(texts, expected);
    SaveScreenshot(board, L"board");

    PostMessageW(board, WM_CLOSE, 0, 0);
    EXPECT_EQ(horavel.WaitForExit(5000), 0);
    EXPECT_EQ(UserString(settingsKey, L"startxHV"), L"<missing>") << "closing wrote to the store";
}

TEST_F(BoardE2E, AStoredValueOfAnotherTypeIsShownAndEndsTheProgram)
{
    SetUserDword(settingsKey, L"zisabHV", 5);
    Program horavel(L"horavel.exe");
    HWND message = WaitForWindow(horavel.Id(), L"#32770", L"Horavel", 10000);
    ASSERT_TRUE(message) << "no message box appeared";
    EXPECT_EQ(MessageBoxText(message), L"'zisabHV' のﾃﾞｰﾀ型が不正です.");
    EXPECT_TRUE(TopLevelWindows(horavel.Id(), L"TForm1", L"Horavel V1.1").empty());
    SaveScreenshot(message, L"start-up-error");
    PressOk(message);
    EXPECT_EQ(horavel.WaitForExit(5000), 0);
}

TEST_F(BoardE2E, AFailingTickShowsOneMessageAtATime)
{
    std::wstring timeFormat = UserString(internationalKey, L"sTimeFormat");
    SetUserString(internationalKey, L"sTimeFormat", L"tt h:mm:ss");
    {
        Program horavel(L"horavel.exe");
        HWND message = WaitForWindow(horavel.Id(), L"#32770", L"Horavel", 10000);
        ASSERT_TRUE(message) << "the failing tick showed nothing";
        EXPECT_NE(MessageBoxText(message).find(L"は数値ではありません."), std::wstring::npos);
        Sleep(2500);
        EXPECT_EQ(TopLevelWindows(horavel.Id(), L"#32770", L"Horavel").size(), 1u);
        PressOk(message);
        DWORD start = GetTickCount();
        HWND next = nullptr;
        while (!next && GetTickCount() - start < 3000) {
            Sleep(50);
            for (HWND box : TopLevelWindows(horavel.Id(), L"#32770", L"Horavel"))
                if (box != message)
                    next = box;
        }
        EXPECT_TRUE(next) << "the next tick did not try again";
    }
    if (timeFormat == L"<missing>")
        RegDeleteKeyValueW(HKEY_CURRENT_USER, internationalKey.c_str(), L"sTimeFormat");
    else
        SetUserString(internationalKey, L"sTimeFormat", timeFormat);
}

} // namespace
