// The two converters, opened from the pop-up menu and used as a user would.
#include "Driver.h"

#include <gtest/gtest.h>

namespace {

const std::wstring settingsKey = L"Software\\Horavel";

class ConverterE2E : public testing::Test {
protected:
    void SetUp() override { DeleteUserKey(settingsKey); }

    static std::wstring WaitForText(HWND window, const std::wstring& text)
    {
        DWORD start = GetTickCount();
        while (WindowText(window) != text && GetTickCount() - start < 3000)
            Sleep(20);
        return WindowText(window);
    }
};

TEST_F(ConverterE2E, ARateTypedAndClosedWithCloseSurvivesARestart)
{
    {
        Program horavel(L"horavel.exe");
        HWND board = WaitForWindow(horavel.Id(), L"TForm1", L"Horavel V1.1", 10000);
        ASSERT_TRUE(board);
        Sleep(1000);
        HWND currency = OpenFromMenu(horavel, board, 6, 1, L"TForm10", L"通貨換算");
        ASSERT_TRUE(currency) << "通貨換算 did not show the currency converter";

        std::vector<ChildWindow> edits = ChildWindows(currency, L"Edit");
        ASSERT_EQ(edits.size(), 8u);
        HWND amount = ChildAt(edits, 8, 24);
        HWND yen = ChildAt(edits, 176, 24);
        HWND rate = ChildAt(edits, 120, 72);
        ASSERT_TRUE(amount && yen && rate);
        EXPECT_EQ(WindowText(ChildAt(edits, 48, 96)), L"￡");
        EXPECT_EQ(WindowText(rate), L"1");

        SetText(rate, L"");
        TypeText(rate, L"110.5");
        TypeText(amount, L"20");
        ClickButton(ChildWithText(currency, L"Button", L">>"));
        EXPECT_EQ(WaitForText(yen, L"2210"), L"2210");
        SaveScreenshot(currency, L"currency");

        // A bad amount: the error display, captioned with the title.
        SetText(yen, L"");
        ClickButton(ChildWithText(currency, L"Button", L"<<"));
        HWND message = WaitForWindow(horavel.Id(), L"#32770", L"Horavel", 3000);
        ASSERT_TRUE(message) << "no message box for an empty amount";
        EXPECT_EQ(MessageBoxText(message), L"'' は浮動小数点数ではありません.");
        PressOk(message);
        Sleep(300);
        EXPECT_EQ(WindowText(amount), L"20");

        ClickButton(ChildWithText(currency, L"Button", L"閉じる"));
        DWORD start = GetTickCount();
        while (IsWindowVisible(currency) && GetTickCount() - start < 3000)
            Sleep(20);
        EXPECT_FALSE(IsWindowVisible(currency));

        HWND temperature = OpenFromMenu(horavel, board, 6, 2, L"TForm11", L"温度換算");
        ASSERT_TRUE(temperature) << "温度換算 did not show the temperature converter";
        std::vector<ChildWindow> degrees = ChildWindows(temperature, L"Edit");
        HWND fahrenheit = ChildAt(degrees, 8, 32);
        HWND celsius = ChildAt(degrees, 176, 32);
        ASSERT_TRUE(fahrenheit && celsius);
        TypeText(fahrenheit, L"0");
        ClickButton(ChildWithText(temperature, L"Button", L">>"));
        EXPECT_EQ(WaitForText(celsius, L"-17.7"), L"-17.7");
        SaveScreenshot(temperature, L"temperature");

        PostMessageW(board, WM_CLOSE, 0, 0);
        EXPECT_EQ(horavel.WaitForExit(5000), 0);
    }
    EXPECT_EQ(UserString(settingsKey, L"rate1HV"), L"110.5");
    EXPECT_EQ(UserString(settingsKey, L"tuka3HV"), L"フラン");

    Program again(L"horavel.exe");
    HWND board = WaitForWindow(again.Id(), L"TForm1", L"Horavel V1.1", 10000);
    ASSERT_TRUE(board);
    Sleep(1000);
    HWND currency = OpenFromMenu(again, board, 6, 1, L"TForm10", L"通貨換算");
    ASSERT_TRUE(currency);
    EXPECT_EQ(WindowText(ChildAt(ChildWindows(currency, L"Edit"), 120, 72)), L"110.5");
    PostMessageW(board, WM_CLOSE, 0, 0);
    EXPECT_EQ(again.WaitForExit(5000), 0);
}

} // namespace
