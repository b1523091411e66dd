// The reference tables and the About window as a user meets them: chosen from
// the clock board's menu, brought forward, closed and shown again, resized.
#include "Driver.h"

#include <gtest/gtest.h>

namespace {

struct MenuWindow {
    const wchar_t* className;
    const wchar_t* caption;
    std::vector<UINT> keys; // from the opened menu to the command
    const wchar_t* screenshot;
    int width, height;
    bool hasButton;
};

const MenuWindow menuWindows[] = {
    {L"TForm2", L"このソフトに関して", {VK_DOWN, VK_RETURN}, L"about", 338, 371, true},
    {L"TForm5", L"時差早見表", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}, L"time1", 298, 273, true},
    {L"TForm6", L"時差早見表（DST: サマータイム）", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN},
     L"time2", 298, 273, true},
    {L"TForm7", L"国際電話のかけ方", {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, L"tel1", 298, 368, false},
    {L"TForm8", L"国際電話のかけ方－２", {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, L"tel2", 298,
     228, false},
    {L"TForm9", L"単位換算表", {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}, L"tani",
     298, 332, false},
    {L"TForm14", L"主要航空会社",
     {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN},
     L"kouku", 298, 220, false},
    {L"TForm15", L"日本の在外公館",
     {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN},
     L"taisikan", 298, 238, false},
};

RECT FrameOf(HWND window)
{
    RECT frame;
    GetWindowRect(window, &frame);
    return frame;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

// The window that has the keyboard focus in the thread of a window.
HWND FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

bool WaitUntilHidden(HWND window)
{
    DWORD start = GetTickCount();
    while (IsWindowVisible(window) && GetTickCount() - start < 3000)
        Sleep(20);
    return !IsWindowVisible(window);
}

LONG ScrollBars(HWND window)
{
    return GetWindowLongW(window, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL);
}

class ReferenceE2E : public testing::Test {
protected:
    void SetUp() override
    {
        board_ = WaitForWindow(horavel_.Id(), L"TForm1", L"Horavel V1.1", 10000);
        ASSERT_TRUE(board_) << "no clock board appeared";
        // Out of the way of the centred windows, so that its menu stays reachable.
        SetWindowPos(board_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Sleep(200);
    }

    void TearDown() override
    {
        PostMessageW(board_, WM_CLOSE, 0, 0);
        EXPECT_EQ(horavel_.WaitForExit(5000), 0);
    }

    // Right-clicks the board and walks its menu with the given keys.
    HWND Choose(const MenuWindow& window)
    {
        HWND menu = OpenMenu(horavel_, board_, 30, 40);
        if (!menu)
            return nullptr;
        for (UINT key : window.keys)
            PressKey(menu, key);
        return WaitForWindow(horavel_.Id(), window.className, window.caption, 3000);
    }

    Program horavel_{L"horavel.exe"};
    HWND board_ = nullptr;
};

TEST_F(ReferenceE2E, EachWindowOpensOnceComesForwardAndReturnsWhereItWasLeft)
{
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    for (const MenuWindow& window : menuWindows) {
        SCOPED_TRACE(window.screenshot);
        HWND shown = Choose(window);
        ASSERT_TRUE(shown) << "the menu did not show the window";
        RECT frame = FrameOf(shown);
        EXPECT_EQ(frame.right - frame.left, window.width);
        EXPECT_EQ(frame.bottom - frame.top, window.height);
        if (std::wstring(window.className) == L"TForm8") {
            EXPECT_EQ(frame.left, 249);
            EXPECT_EQ(frame.top, 204);
        } else {
            EXPECT_EQ(frame.left, (screenWidth - window.width) / 2);
            EXPECT_EQ(frame.top, (screenHeight - window.height) / 2);
        }
        EXPECT_EQ(ScrollBars(shown), 0) << "the content does not fit the designed size";
        SaveScreenshot(shown, window.screenshot);

        // The close button holds the focus; without one no cell takes it.
        HWND focus = FocusOf(shown);
        if (window.hasButton)
            EXPECT_EQ(focus, ChildWithText(shown, L"Button", L"閉じる"));
        else
            EXPECT_TRUE(focus == shown || focus == nullptr);

        // A right-click on a cell (on the About window, its background) does
        // nothing: no menu, the window stays.
        POINT inside{20, 20};
        HWND target = ChildWindowFromPoint(shown, inside);
        MapWindowPoints(shown, target, &inside, 1);
        PostMessageW(target, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(inside.x, inside.y));
        PostMessageW(target, WM_RBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
        Sleep(300);
        EXPECT_TRUE(OpenMenus(horavel_.Id()).empty());
        EXPECT_TRUE(IsWindowVisible(shown));

        // Moved by the user, then chosen again while open: the same window
        // comes forward where it is.
        SetWindowPos(shown, nullptr, frame.left + 30, frame.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        RECT moved = FrameOf(shown);
        ASSERT_EQ(Choose(window), shown);
        Sleep(200);
        EXPECT_EQ(TopLevelWindows(horavel_.Id(), window.className, window.caption).size(), 1u);
        EXPECT_EQ(GetForegroundWindow(), shown);
        EXPECT_TRUE(SameRect(FrameOf(shown), moved));

        // Closed with the close box, then shown again at the same place.
        PostMessageW(shown, WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(WaitUntilHidden(shown)) << "the close box did not hide the window";
        ASSERT_EQ(Choose(window), shown);
        EXPECT_TRUE(SameRect(FrameOf(shown), moved));

        PostMessageW(shown, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitUntilHidden(shown));
    }
}

TEST_F(ReferenceE2E, AWindowSmallerThanItsTableScrollsUntilItIsLargeEnoughAgain)
{
    const MenuWindow& units = menuWindows[5];
    HWND window = Choose(units);
    ASSERT_TRUE(window);
    HWND scale = ChildAt(ChildWindows(window, L"TPanel"), 0, 256);
    ASSERT_TRUE(scale) << "no scale cell at (0, 256)";
    auto scaleTop = [&] {
        RECT bounds;
        GetWindowRect(scale, &bounds);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&bounds), 2);
        return bounds.top;
    };

    // Lower only: a vertical bar, and room enough across for the table.
    SetWindowPos(window, nullptr, 0, 0, 400, 200, SWP_NOMOVE | SWP_NOZORDER);
    Sleep(200);
    EXPECT_EQ(ScrollBars(window), WS_VSCROLL);

    // Narrower and lower: both bars; scrolling to the end brings the scale up.
    SetWindowPos(window, nullptr, 0, 0, 200, 200, SWP_NOMOVE | SWP_NOZORDER);
    Sleep(200);
    EXPECT_EQ(ScrollBars(window), WS_HSCROLL | WS_VSCROLL);
    SendMessageW(window, WM_VSCROLL, SB_BOTTOM, 0);
    Sleep(200);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(scaleTop(), client.bottom - 49) << "the scale cell is not at the bottom of the view";
    SaveScreenshot(window, L"tani-scrolled");

    // Back to its designed size: no bar, and the table where it was.
    SetWindowPos(window, nullptr, 0, 0, units.width, units.height, SWP_NOMOVE | SWP_NOZORDER);
    Sleep(200);
    EXPECT_EQ(ScrollBars(window), 0);
    EXPECT_EQ(scaleTop(), 256);
}

} // namespace
