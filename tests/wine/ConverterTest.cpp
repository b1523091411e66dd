#include "WineFixture.h"

#include "clock/Main.h"
#include "clock/WindowSet.h"
#include "converters/Ondo.h"
#include "converters/Tuka.h"
#include "settings/Setting.h"
#include "toolkit/NumberText.h"

#include <algorithm>

namespace {

class Converters : public WineTest {
protected:
    void SetUp() override
    {
        WineTest::SetUp();
        BuildWindowSet();
    }

    static void Recreate()
    {
        while (!Application->Components().empty())
            delete Application->Components().back();
        BuildWindowSet();
    }

    static std::vector<std::string> RowTexts()
    {
        return {Form10->tuka1->Text(), Form10->tuka2->Text(), Form10->tuka3->Text(),
                Form10->rate1->Text(), Form10->rate2->Text(), Form10->rate3->Text()};
    }

    // The real radio buttons of the group, top to bottom.
    static std::vector<HWND> RadioButtons()
    {
        std::vector<HWND> buttons;
        for (HWND child = GetWindow(Form10->RadioGroup1->Handle(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            buttons.push_back(child);
        return buttons;
    }
};

const std::string rowItem = "1                 =                     円";

TEST_F(Converters, ComeAfterTheSettingsDialogInTheWindowSet)
{
    const auto& forms = Application->Components();
    auto place = [&](TComponent* form) { return std::find(forms.begin(), forms.end(), form) - forms.begin(); };
    EXPECT_LT(place(Form3), place(Form10));
    EXPECT_LT(place(Form10), place(Form11));
    EXPECT_FALSE(Form10->Visible());
    EXPECT_FALSE(Form11->Visible());

    Form1->TukaClick(nullptr);
    EXPECT_TRUE(Form10->Visible());
    Form1->OndoClick(nullptr);
    EXPECT_TRUE(Form11->Visible());
}

TEST_F(Converters, AnEmptyStoreGivesTheDefaultRowsAtRateOne)
{
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"＄", "￡", "フラン", "1", "1", "1"}));
    EXPECT_EQ(WindowText(*Form10->tuka3), "フラン");
    EXPECT_EQ(Form10->Edit1->Text(), "");
    EXPECT_EQ(Form10->Edit2->Text(), "");
    EXPECT_EQ(Form10->RadioGroup1->ItemIndex(), 0);
    EXPECT_TRUE(StoredNames().empty());

    Form10->Edit1->SetText("100");
    Form10->Button1->Click();
    EXPECT_EQ(Form10->Edit2->Text(), "100");
    Form10->Edit2->SetText("100");
    Form10->Edit1->SetText("");
    Form10->Button2->Click();
    EXPECT_EQ(Form10->Edit1->Text(), "100");
    EXPECT_TRUE(errors.empty());
}

TEST_F(Converters, TheRowsAreReadFromTheStoreAsText)
{
    StoreString(L"tuka1HV", L"ドル");
    StoreString(L"rate1HV", L"150.25");
    StoreString(L"tuka3HV", L"");
    StoreString(L"rate3HV", L"abc");
    Recreate();
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"ドル", "￡", "", "150.25", "1", "abc"}));
}

TEST_F(Converters, TheGroupShowsThreeRowsWithTheirFieldsAboveThem)
{
    std::vector<HWND> buttons = RadioButtons();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(Form10->RadioGroup1->Items(), std::vector<std::string>(3, rowItem));
    EXPECT_EQ(WindowText(*Form10->RadioGroup1), "  換算レート  ");
    for (HWND button : buttons) {
        wchar_t text[80];
        GetWindowTextW(button, text, 80);
        EXPECT_EQ(std::wstring(text), L"1                 =                     円");
    }
    // Each row's fields are on its button's line, and drawn above it.
    for (auto [row, field] : {std::pair{0, Form10->tuka1}, {1, Form10->rate2}, {2, Form10->tuka3}}) {
        RECT button;
        GetWindowRect(buttons[row], &button);
        MapWindowPoints(HWND_DESKTOP, Form10->Handle(), reinterpret_cast<POINT*>(&button), 2);
        int middle = field->Top() + field->Height() / 2;
        EXPECT_TRUE(middle > button.top && middle < button.bottom) << row;
        POINT inside{field->Left() + 5, middle};
        EXPECT_EQ(ChildWindowFromPointEx(Form10->Handle(), inside, CWP_ALL), field->Handle()) << row;
    }
    // Tab reaches the fields first, then the group, then the buttons.
    EXPECT_EQ(GetNextDlgTabItem(Form10->Handle(), Form10->rate3->Handle(), FALSE), buttons[0]);
    EXPECT_EQ(GetNextDlgTabItem(Form10->Handle(), buttons[0], FALSE), Form10->Button3->Handle());
}

TEST_F(Converters, CloseWritesTheSixRowsExactlyAsTyped)
{
    Form10->Show();
    Form10->tuka1->SetText("ドル");
    Form10->rate1->SetText("150.25");
    Form10->rate3->SetText("１ドル?");
    Form10->Button4->Click();
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(Form10->Visible());
    EXPECT_EQ(StoredNames().size(), 6u);
    const std::pair<const wchar_t*, const wchar_t*> expected[] = {
        {L"tuka1HV", L"ドル"}, {L"tuka2HV", L"￡"},     {L"tuka3HV", L"フラン"},
        {L"rate1HV", L"150.25"}, {L"rate2HV", L"1"}, {L"rate3HV", L"１ドル?"},
    };
    for (auto [name, text] : expected) {
        ASSERT_TRUE(Stored(name)) << name;
        EXPECT_EQ(Stored(name)->type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_EQ(Stored(name)->text, text) << name;
    }
    Recreate();
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"ドル", "￡", "フラン", "150.25", "1", "１ドル?"}));
}

TEST_F(Converters, TheCloseBoxHidesAndSavesNothing)
{
    Form10->Show();
    Form10->rate1->SetText("110.5");
    SendMessageW(Form10->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(Form10->Visible());
    EXPECT_TRUE(StoredNames().empty());
    Form1->TukaClick(nullptr);
    EXPECT_EQ(Form10->rate1->Text(), "110.5");
    Recreate();
    EXPECT_EQ(Form10->rate1->Text(), "1");
}

TEST_F(Converters, EachConversionUsesTheRowSelectedThen)
{
    Form10->rate1->SetText("110.5");
    Form10->rate2->SetText("abc"); // never converted while not selected
    Form10->rate3->SetText("1.5");
    Form10->Edit1->SetText("1");
    Form10->Button1->Click();
    EXPECT_EQ(Form10->Edit2->Text(), "110.5");
    EXPECT_EQ(Form10->irate, 110500);

    SendMessageW(RadioButtons()[2], BM_CLICK, 0, 0); // as a click on the third row
    EXPECT_EQ(Form10->RadioGroup1->ItemIndex(), 2);
    Form10->Edit1->SetText("250");
    Form10->Button1->Click();
    EXPECT_EQ(Form10->Edit2->Text(), "375");
    EXPECT_EQ(Form10->irate, 1500);
    EXPECT_TRUE(errors.empty());

    Form10->RadioGroup1->SetItemIndex(1);
    Form10->Edit2->SetText("10000");
    Form10->Button2->Click();
    EXPECT_EQ(errors, std::vector<std::string>{"'abc' は浮動小数点数ではありません."});
    EXPECT_EQ(Form10->irate, 1500);
    EXPECT_EQ(Form10->Edit1->Text(), "250");
    EXPECT_EQ(Form10->Edit2->Text(), "10000");

    Form10->RadioGroup1->SetItemIndex(0);
    Form10->Button2->Click();
    EXPECT_EQ(Form10->Edit1->Text(), "90.4977375565611");
}

TEST_F(Converters, ABadAmountStopsAfterTheRateIsTaken)
{
    Form10->rate1->SetText("3");
    Form10->Edit1->SetText("7");
    Form10->Edit2->SetText("");
    Form10->Button2->Click();
    EXPECT_EQ(errors, std::vector<std::string>{"'' は浮動小数点数ではありません."});
    EXPECT_EQ(Form10->irate, 3000);
    EXPECT_EQ(Form10->Edit1->Text(), "7");
}

TEST_F(Converters, ARateBelowOneThousandthCannotDivide)
{
    Form10->rate1->SetText("0.001");
    Form10->Edit1->SetText("5");
    Form10->Button1->Click();
    EXPECT_EQ(Form10->Edit2->Text(), "0");
    EXPECT_EQ(Form10->irate, 0);

    Form10->Edit1->SetText("keep");
    Form10->Edit2->SetText("7");
    Form10->Button2->Click();
    Form10->Edit2->SetText("0");
    Form10->Button2->Click();
    EXPECT_EQ(errors, (std::vector<std::string>{"0 による浮動小数点数除算.", "不正な浮動小数点数演算命令."}));
    EXPECT_EQ(Form10->Edit1->Text(), "keep");
}

TEST_F(Converters, ARateOrAResultOutOfRangeChangesNothing)
{
    Form10->rate1->SetText("110.5");
    Form10->Edit1->SetText("1");
    Form10->Button1->Click();
    ASSERT_EQ(Form10->irate, 110500);

    Form10->rate1->SetText("2147483.649");
    Form10->Edit1->SetText("2");
    Form10->Button1->Click();
    Form10->rate1->SetText("110.5");
    Form10->Edit1->SetText("1e4930");
    Form10->Button1->Click();
    EXPECT_EQ(errors, (std::vector<std::string>{"'2147483.649' は扱える換算レートの範囲を超えています.",
                                                "浮動小数点数オーバーフロー."}));
    EXPECT_EQ(Form10->Edit2->Text(), "110.5");
    EXPECT_EQ(Form10->Edit1->Text(), "1e4930");
}

TEST_F(Converters, ClearEmptiesOnlyTheAmounts)
{
    Form10->rate2->SetText("163.2");
    Form10->RadioGroup1->SetItemIndex(1);
    Form10->Edit1->SetText("1");
    Form10->Button1->Click();
    Form10->Button3->Click();
    EXPECT_EQ(Form10->Edit1->Text(), "");
    EXPECT_EQ(Form10->Edit2->Text(), "");
    EXPECT_EQ(Form10->irate, 163200);
    EXPECT_EQ(Form10->RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(Form10->rate2->Text(), "163.2");
}

TEST_F(Converters, RatesFollowTheUsersDecimalSeparator)
{
    SetUserFormat(LOCALE_SDECIMAL, L",");
    Application->Initialize();
    ASSERT_EQ(DecimalSeparator, ',');
    Form10->rate1->SetText("1,5");
    Form10->Edit1->SetText("0,5");
    Form10->Button1->Click();
    EXPECT_EQ(Form10->Edit2->Text(), "0,75");
    Form10->rate1->SetText("1.5");
    Form10->Button1->Click();
    EXPECT_EQ(errors, std::vector<std::string>{"'1.5' は浮動小数点数ではありません."});
    DecimalSeparator = '.';
}

TEST_F(Converters, TemperaturesConvertBothWaysCutToTenths)
{
    const std::pair<const char*, const char*> toCelsius[] = {{"0", "-17.7"}, {"212", "100"}, {"131.9", "55.4"}};
    for (auto [fahrenheit, celsius] : toCelsius) {
        Form11->Edit1->SetText(fahrenheit);
        Form11->Button1->Click();
        EXPECT_EQ(Form11->Edit2->Text(), celsius) << fahrenheit;
        EXPECT_EQ(Form11->Edit1->Text(), fahrenheit);
    }
    EXPECT_EQ(Form11->iondo, 554);
    EXPECT_EQ(Form11->fondo, 554.0f);

    const std::pair<const char*, const char*> toFahrenheit[] = {{"-17", "1.3"}, {"37", "98.6"}, {"-17.7", "0.1"}};
    for (auto [celsius, fahrenheit] : toFahrenheit) {
        Form11->Edit2->SetText(celsius);
        Form11->Button2->Click();
        EXPECT_EQ(Form11->Edit1->Text(), fahrenheit) << celsius;
    }
    EXPECT_EQ(Form11->iondo, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(Converters, ABadTemperatureChangesNothing)
{
    Form11->Edit1->SetText("100");
    Form11->Button1->Click();
    ASSERT_EQ(Form11->Edit2->Text(), "37.7");
    for (const char* bad : {"", "1e9"}) {
        Form11->Edit1->SetText(bad);
        Form11->Button1->Click();
    }
    EXPECT_EQ(errors, (std::vector<std::string>{"'' は浮動小数点数ではありません.",
                                                "'1e9' の換算結果は扱える温度の範囲を超えています."}));
    EXPECT_EQ(Form11->Edit2->Text(), "37.7");
    EXPECT_EQ(Form11->iondo, 377);
    EXPECT_EQ(Form11->fondo, 377.0f);
}

TEST_F(Converters, TheTemperatureWindowClearsAndHides)
{
    Form1->OndoClick(nullptr);
    Form11->Edit1->SetText("1");
    Form11->Edit2->SetText("2");
    Form11->Button3->Click();
    EXPECT_EQ(Form11->Edit1->Text(), "");
    EXPECT_EQ(Form11->Edit2->Text(), "");
    Form11->Button4->Click();
    EXPECT_FALSE(Form11->Visible());
    EXPECT_TRUE(StoredNames().empty());
}

} // namespace
