#include "WineFixture.h"

#include "clock/Main.h"
#include "clock/WindowSet.h"
#include "toolkit/Exceptions.h"

#include <windows.h>

namespace {

class Board : public WineTest {
protected:
    void CreateBoard()
    {
        Application->CreateForm(Form1);
        Form1->CreateHandle();
    }

    std::vector<TPanel*> Panels() const
    {
        return {Form1->Panela1, Form1->Panelb1, Form1->Panelc1, Form1->Paneld1, Form1->Panele1, Form1->Panelf1,
                Form1->Panela2, Form1->Panelb2, Form1->Panelc2, Form1->Paneld2, Form1->Panele2, Form1->Panelf2,
                Form1->Panela3, Form1->Panelb3, Form1->Panelc3, Form1->Paneld3, Form1->Panele3, Form1->Panelf3};
    }

    // The 18 texts as the board's panel windows show them: names, dates, times.
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        for (TPanel* panel : Panels())
            texts.push_back(WindowText(*panel));
        return texts;
    }

    // Slot b's date and time after one tick at the given home time.
    std::pair<std::string, std::string> SlotB(int hour, int minute)
    {
        SetMoment(2000, 1, 21, hour, minute);
        Form1->Timer1Timer(Form1->Timer1);
        return {WindowText(*Form1->Panelb2), WindowText(*Form1->Panelb3)};
    }
};

TEST_F(Board, EmptyStoreGivesTheDefaultsAndLeavesAnEmptyKey)
{
    ASSERT_FALSE(KeyExists());
    BuildWindowSet();
    EXPECT_EQ(Application->MainForm(), Form1);
    EXPECT_FALSE(Form1->Visible());
    EXPECT_EQ(Form1->Caption(), "Horavel V1.1");
    EXPECT_EQ(std::make_pair(Form1->Left(), Form1->Top()), std::make_pair(390, 360));
    EXPECT_EQ(std::make_pair(Form1->Width(), Form1->Height()), std::make_pair(250, 92));
    EXPECT_EQ((std::vector<std::string>{Form1->citya, Form1->cityb, Form1->cityc, Form1->cityd, Form1->citye,
                                        Form1->cityf}),
              (std::vector<std::string>{"東京", "ロンドン", "パリ", "ﾆｭｰﾖｰｸ", "ｻﾝﾌﾗﾝｼｽｺ", "シカゴ"}));
    EXPECT_EQ((std::vector<int>{Form1->zisaa, Form1->zisab, Form1->zisac, Form1->zisad, Form1->zisae, Form1->zisaf}),
              (std::vector<int>{0, -9, -8, -14, -17, -15}));
    EXPECT_EQ((std::vector<bool>{Form1->dstb, Form1->dstc, Form1->dstd, Form1->dste, Form1->dstf}),
              std::vector<bool>(5, false));
    EXPECT_TRUE(KeyExists());
    EXPECT_TRUE(StoredNames().empty());
}

TEST_F(Board, BeforeTheFirstTickOnlyTheDesignedNamesShow)
{
    StoreString(L"citybHV", L"ベルリン");
    CreateBoard();
    std::vector<std::string> shown = Shown();
    EXPECT_EQ(shown[1], "ロンドン");
    for (int panel = 6; panel < 18; ++panel)
        EXPECT_EQ(shown[panel], "") << "panel " << panel;
}

TEST_F(Board, ReadsTypedStoredValuesByTheReadRules)
{
    StoreString(L"startxHV", L"2000");
    StoreString(L"startyHV", L" -5");
    StoreString(L"zisabHV", L"abc");
    StoreString(L"zisacHV", L"");
    StoreString(L"zisadHV", L" -3");
    StoreString(L"zisaeHV", L"$A");
    StoreString(L"dstcHV", L"2");
    StoreString(L"dstdHV", L"x");
    StoreString(L"dsteHV", L"0");
    StoreString(L"dstfHV", L"1");
    StoreString(L"citydHV", L"");
    StoreString(L"cityeHV", L"ホノルル");
    CreateBoard();
    // A position off the screen is applied as it is.
    EXPECT_EQ(std::make_pair(Form1->Left(), Form1->Top()), std::make_pair(2000, -5));
    EXPECT_EQ((std::vector<int>{Form1->zisab, Form1->zisac, Form1->zisad, Form1->zisae, Form1->zisaf}),
              (std::vector<int>{-9, -8, -3, 10, -15}));
    EXPECT_EQ((std::vector<bool>{Form1->dstb, Form1->dstc, Form1->dstd, Form1->dste, Form1->dstf}),
              (std::vector<bool>{false, true, false, false, true}));
    EXPECT_EQ(Form1->cityd, "");
    EXPECT_EQ(Form1->citye, "ホノルル");
    EXPECT_EQ(Form1->cityf, "シカゴ");
}

TEST_F(Board, AValueOfAnotherTypeStopsConstructionAndWritesNothing)
{
    StoreString(L"cityaHV", L"大阪");
    StoreDword(L"zisabHV", 5);
    try {
        CreateBoard();
        FAIL() << "the board was built";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message, "'zisabHV' のﾃﾞｰﾀ型が不正です");
    }
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_TRUE(Application->Components().empty());
    EXPECT_EQ(StoredNames().size(), 2u);
    EXPECT_EQ(Stored(L"zisabHV")->type, static_cast<DWORD>(REG_DWORD));
}

TEST_F(Board, OneTickShowsAllSixPlaces)
{
    CreateBoard();
    Form1->Timer1Timer(Form1->Timer1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"東京", "ロンドン", "パリ", "ﾆｭｰﾖｰｸ", "ｻﾝﾌﾗﾝｼｽｺ", "シカゴ",
                                                 "01/21", "01/21", "01/21", "前日", "前日", "前日",
                                                 "10:20", "1:20", "2:20", "20:20", "17:20", "19:20"}));
    EXPECT_EQ(Form1->datea, "01/21");
    EXPECT_EQ(Form1->timea, "10:20");
    EXPECT_EQ((std::vector<std::string>{Form1->hourb, Form1->hourc, Form1->hourd, Form1->houre, Form1->hourf}),
              (std::vector<std::string>{"1", "2", "20", "17", "19"}));
    EXPECT_TRUE(errors.empty());
}

TEST_F(Board, TwoDigitYearDatesShowTheSameMonthAndDay)
{
    SetUserFormat(LOCALE_SSHORTDATE, L"yy/MM/dd");
    CreateBoard();
    Form1->Timer1Timer(Form1->Timer1);
    std::vector<std::string> shown = Shown();
    EXPECT_EQ(std::vector<std::string>(shown.begin() + 6, shown.begin() + 9),
              (std::vector<std::string>{"01/21", "01/21", "01/21"}));
}

TEST_F(Board, SlotHoursWrapAcrossMidnightOnce)
{
    struct Case {
        int zisaa, zisab;
        bool dstb;
        int hour, minute;
        const char* date;
        const char* time;
    } cases[] = {
        {0, 2, false, 23, 30, "翌日", "1:30"},
        {0, 1, false, 23, 30, "翌日", "0:30"},
        {0, -9, false, 0, 15, "前日", "15:15"},
        {0, -9, true, 9, 5, "01/21", "1:05"},   // summer time adds an hour
        {0, 0, false, 23, 59, "01/21", "23:59"},
        {-9, 0, false, 8, 0, "01/21", "17:00"}, // home moved to London, Tokyo in slot b
        {5, -21, false, 0, 10, "前日", "-2:10"}, // more than a day apart: wrapped once only
        {0, 100, false, 10, 20, "翌日", "86:20"},
    };
    CreateBoard();
    for (const Case& c : cases) {
        Form1->zisaa = c.zisaa;
        Form1->zisab = c.zisab;
        Form1->dstb = c.dstb;
        EXPECT_EQ(SlotB(c.hour, c.minute), std::make_pair(std::string(c.date), std::string(c.time)))
            << "home " << c.hour << ":" << c.minute << ", offsets " << c.zisaa << " and " << c.zisab;
    }
}

TEST_F(Board, HomeSlotShowsTheClockUnshiftedWithTwoDigitHours)
{
    CreateBoard();
    Form1->zisaa = -9;
    SlotB(9, 5);
    EXPECT_EQ(WindowText(*Form1->Panela2), "01/21");
    EXPECT_EQ(WindowText(*Form1->Panela3), "09:05");
}

TEST_F(Board, EveryTickShowsTheCurrentNamesEvenAnEmptyOne)
{
    CreateBoard();
    Form1->Timer1Timer(Form1->Timer1);
    Form1->cityc = "";
    Form1->cityf = "ローマ";
    Form1->Timer1Timer(Form1->Timer1);
    EXPECT_EQ(WindowText(*Form1->Panelc1), "");
    EXPECT_EQ(WindowText(*Form1->Panelf1), "ローマ");
}

TEST_F(Board, ATimeWithTheDayPeriodInFrontFailsTheTickPartway)
{
    CreateBoard();
    Form1->Timer1Timer(Form1->Timer1);
    Form1->cityb = "ベルリン";
    SetMoment(2000, 1, 22, 11, 45);
    SetUserFormat(LOCALE_STIMEFORMAT, L"tt h:mm:ss");
    Application->DispatchEvent([] { Form1->Timer1Timer(Form1->Timer1); });

    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("'0", 0), 0u) << errors[0];
    EXPECT_NE(errors[0].find("' は数値ではありません."), std::string::npos) << errors[0];
    std::vector<std::string> shown = Shown();
    // Set before the failing step: names, the home date and time, slot b's date.
    EXPECT_EQ(shown[1], "ベルリン");
    EXPECT_EQ(shown[6], "01/22");
    EXPECT_EQ(shown[7], "01/22");
    // Not reached: everything else keeps the texts of the tick before.
    EXPECT_EQ(shown[13], "1:20");
    EXPECT_EQ(shown[8], "01/21");
    EXPECT_EQ(shown[17], "19:20");
}

TEST_F(Board, TheTimerTicksTheBoardOnItsOwn)
{
    CreateBoard();
    DWORD start = GetTickCount();
    MSG message;
    while (WindowText(*Form1->Panela3).empty() && GetTickCount() - start < 3000) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(20);
    }
    EXPECT_EQ(WindowText(*Form1->Panela3), "10:20");
    EXPECT_GE(GetTickCount() - start, 900u);
}

} // namespace
