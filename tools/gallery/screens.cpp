// Starts horavel.exe once, saves a screenshot of the clock board and of each
// tool window opened from its pop-up menu, named after the unit, then closes
// the board. Exits non-zero when a window did not show or the program
// did not end cleanly.
#include "tests/e2e/Driver.h"

#include <cstdio>

namespace {

struct Screen {
    const wchar_t* name;
    const wchar_t* className;
    const wchar_t* caption;
    int itemsDown;    // from the opened menu to the item
    int submenuDown;  // from the unfolded submenu to the command, or -1 for a command of the menu itself
};

const Screen screens[] = {
    {L"about", L"TForm2", L"このソフトに関して", 1, -1},
    {L"setting", L"TForm3", L"設定", 2, -1},
    {L"time1", L"TForm5", L"時差早見表", 3, 0},
    {L"time2", L"TForm6", L"時差早見表（DST: サマータイム）", 3, 1},
    {L"tel1", L"TForm7", L"国際電話のかけ方", 4, -1},
    {L"tel2", L"TForm8", L"国際電話のかけ方－２", 5, -1},
    {L"tani", L"TForm9", L"単位換算表", 6, 0},
    {L"tuka", L"TForm10", L"通貨換算", 6, 1},
    {L"ondo", L"TForm11", L"温度換算", 6, 2},
    {L"memo", L"TForm12", L"メモ", 7, -1},
    {L"bibou", L"TForm13", L"備忘録", 8, -1},
    {L"kouku", L"TForm14", L"主要航空会社", 9, 0},
    {L"taisikan", L"TForm15", L"日本の在外公館", 9, 1},
};

} // namespace

int main()
{
    Program horavel(L"horavel.exe");
    HWND board = WaitForWindow(horavel.Id(), L"TForm1", L"Horavel V1.1", 20000);
    if (!board) {
        std::printf("no clock board appeared\n");
        return 1;
    }
    Sleep(1500); // the first tick has filled the board
    SaveScreenshot(board, L"main");

    int failures = 0;
    for (const Screen& screen : screens) {
        HWND window = OpenFromMenu(horavel, board, screen.itemsDown, screen.submenuDown, screen.className, screen.caption);
        if (!window) {
            std::printf("%ls did not open\n", screen.name);
            ++failures;
            continue;
        }
        SaveScreenshot(window, screen.name);
        // Closed again, so that it covers neither the board nor the next window.
        PostMessageW(window, WM_CLOSE, 0, 0);
        for (DWORD start = GetTickCount(); IsWindowVisible(window) && GetTickCount() - start < 3000;)
            Sleep(20);
    }

    PostMessageW(board, WM_CLOSE, 0, 0);
    long exitCode = horavel.WaitForExit(5000);
    if (exitCode != 0) {
        std::printf("horavel.exe ended with %ld\n", exitCode);
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
