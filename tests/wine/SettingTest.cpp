#include "WineFixture.h"

#include "clock/Main.h"
#include "clock/WindowSet.h"
#include "settings/Setting.h"

namespace {

class Settings : public WineTest {
protected:
    void SetUp() override
    {
        WineTest::SetUp();
        BuildWindowSet();
        Form3->Show();
    }

    std::vector<std::string> BoardNames() const
    {
        return {Form1->citya, Form1->cityb, Form1->cityc, Form1->cityd, Form1->citye, Form1->cityf};
    }
    std::vector<int> BoardOffsets() const
    {
        return {Form1->zisaa, Form1->zisab, Form1->zisac, Form1->zisad, Form1->zisae, Form1->zisaf};
    }
    std::vector<bool> BoardFlags() const { return {Form1->dstb, Form1->dstc, Form1->dstd, Form1->dste, Form1->dstf}; }
    std::vector<std::string> OffsetTexts() const
    {
        return {Form3->Edit7->Text(), Form3->Edit8->Text(),  Form3->Edit9->Text(),
                Form3->Edit10->Text(), Form3->Edit11->Text(), Form3->Edit12->Text()};
    }
};

const std::vector<std::string> defaultNames = {"東京", "ロンドン", "パリ", "ﾆｭｰﾖｰｸ", "ｻﾝﾌﾗﾝｼｽｺ", "シカゴ"};

TEST_F(Settings, OkWithNothingChangedRewritesAllSeventeenValues)
{
    ASSERT_TRUE(StoredNames().empty());
    Form3->Button2->Click();
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(Form3->Visible());
    EXPECT_EQ(StoredNames().size(), 17u);
    const std::pair<const wchar_t*, const wchar_t*> expected[] = {
        {L"cityaHV", L"東京"}, {L"citydHV", L"ﾆｭｰﾖｰｸ"}, {L"zisaaHV", L"0"}, {L"zisadHV", L"-14"},
        {L"zisafHV", L"-15"}, {L"dstbHV", L"0"},       {L"dstfHV", L"0"},
    };
    for (auto [name, text] : expected) {
        ASSERT_TRUE(Stored(name)) << name;
        EXPECT_EQ(Stored(name)->type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_EQ(Stored(name)->text, text) << name;
    }
    EXPECT_EQ(BoardNames(), defaultNames);
    EXPECT_EQ(BoardOffsets(), (std::vector<int>{0, -9, -8, -14, -17, -15}));
}

TEST_F(Settings, FillsItsControlsFromTheBoardAtConstruction)
{
    StoreString(L"cityaHV", L"大阪");
    StoreString(L"zisacHV", L"-7");
    StoreString(L"dsteHV", L"1");
    while (!Application->Components().empty())
        delete Application->Components().back();
    BuildWindowSet();
    EXPECT_EQ(Form3->Edit1->Text(), "大阪");
    EXPECT_EQ(Form3->Edit9->Text(), "-7");
    EXPECT_TRUE(Form3->CheckBox5->Checked());
    EXPECT_FALSE(Form3->CheckBox4->Checked());
}

TEST_F(Settings, OkCommitsChangesThatTheNextTickShows)
{
    Form3->Edit2->SetText("ベルリン");
    Form3->Edit8->SetText("  -8");
    Form3->Edit12->SetText("+7");
    Form3->Edit11->SetText("100");
    Form3->Edit10->SetText("-100");
    Form3->CheckBox2->SetChecked(true);
    Form3->Button2->Click();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(Form1->cityb, "ベルリン");
    EXPECT_EQ(BoardOffsets(), (std::vector<int>{0, -8, -8, -100, 100, 7}));
    EXPECT_TRUE(Form1->dstb);
    EXPECT_EQ(Stored(L"citybHV")->text, L"ベルリン");
    EXPECT_EQ(Stored(L"zisabHV")->text, L"-8");
    EXPECT_EQ(Stored(L"zisafHV")->text, L"7");
    EXPECT_EQ(Stored(L"zisaeHV")->text, L"100");
    EXPECT_EQ(Stored(L"zisadHV")->text, L"-100");
    EXPECT_EQ(Stored(L"dstbHV")->text, L"1");

    Form1->Timer1Timer(Form1->Timer1);
    EXPECT_EQ(WindowText(*Form1->Panelb1), "ベルリン");
    EXPECT_EQ(WindowText(*Form1->Panelb3), "3:20"); // 10 - 8 + 1 for summer time
}

TEST_F(Settings, AnOffsetThatIsNotANumberStopsOkAtThatSlot)
{
    for (const char* bad : {"7 ", "7.5", "", "abc", "99999999999"}) {
        RegDeleteTreeW(HKEY_CURRENT_USER, KeyPath);
        errors.clear();
        Form1->zisaa = 0;
        Form1->zisab = -9;
        Form1->dstc = false;
        Form3->Edit3->SetText("ローマ");
        Form3->Edit7->SetText("1");
        Form3->Edit8->SetText("-8");
        Form3->Edit9->SetText(bad);
        Form3->Edit10->SetText("-13");
        Form3->CheckBox3->SetChecked(true);
        Form3->Button2->Click();

        ASSERT_EQ(errors.size(), 1u) << "'" << bad << "'";
        EXPECT_EQ(errors[0], "'" + std::string(bad) + "' は数値ではありません.");
        // The names are in the board and in the store.
        EXPECT_EQ(Form1->cityc, "ローマ");
        EXPECT_EQ(Stored(L"citycHV")->text, L"ローマ");
        // The offsets before the failing one are in the board only.
        EXPECT_EQ(Form1->zisaa, 1);
        EXPECT_EQ(Form1->zisab, -8);
        EXPECT_FALSE(Stored(L"zisaaHV"));
        // The later offsets and the flags are untouched.
        EXPECT_EQ(Form1->zisad, -14);
        EXPECT_FALSE(Form1->dstc);
        EXPECT_FALSE(Stored(L"dstcHV"));
        // The dialog stays open with every text as typed.
        EXPECT_TRUE(Form3->Visible());
        EXPECT_EQ(OffsetTexts(), (std::vector<std::string>{"1", "-8", bad, "-13", "-17", "-15"}));
        EXPECT_TRUE(Form3->CheckBox3->Checked());
    }
}

TEST_F(Settings, CancelKeepsTheTypedTextsForTheNextShowing)
{
    Form3->Edit4->SetText("ボストン");
    Form3->Button1->Click();
    EXPECT_FALSE(Form3->Visible());
    EXPECT_EQ(Form1->cityd, "ﾆｭｰﾖｰｸ");
    EXPECT_TRUE(StoredNames().empty());

    Form3->Show();
    EXPECT_EQ(Form3->Edit4->Text(), "ボストン");
    Form3->Button2->Click();
    EXPECT_EQ(Form1->cityd, "ボストン");
    EXPECT_EQ(Stored(L"citydHV")->text, L"ボストン");
}

TEST_F(Settings, InitialValuesMoveTheBoardButStoreNothing)
{
    Form1->SetBounds(100, 50, Form1->Width(), Form1->Height());
    Form1->cityb = "ベルリン";
    Form1->dstc = true;
    Form3->Edit2->SetText("ベルリン");
    Form3->Edit9->SetText("5");
    Form3->CheckBox3->SetChecked(true);

    Form3->Button3->Click();
    Form3->Button1->Click();
    EXPECT_EQ(std::make_pair(Form1->Left(), Form1->Top()), std::make_pair(390, 360));
    EXPECT_EQ(std::make_pair(Form1->startx, Form1->starty), std::make_pair(390, 360));
    EXPECT_EQ(Form1->cityb, "ベルリン");
    EXPECT_TRUE(Form1->dstc);
    EXPECT_TRUE(StoredNames().empty());

    Form3->Show();
    EXPECT_EQ(Form3->Edit2->Text(), "ロンドン");
    EXPECT_EQ(OffsetTexts(), (std::vector<std::string>{"0", "-9", "-8", "-14", "-17", "-15"}));
    EXPECT_FALSE(Form3->CheckBox3->Checked());
}

TEST_F(Settings, InitialValuesThenOkStoreTheDefaultsAndClearTheFlags)
{
    Form1->dstb = Form1->dstf = true;
    Form3->CheckBox2->SetChecked(true);
    Form3->CheckBox6->SetChecked(true);
    Form3->Edit5->SetText("ホノルル");
    Form3->Button3->Click();
    Form3->Button2->Click();
    EXPECT_EQ(BoardNames(), defaultNames);
    EXPECT_EQ(BoardFlags(), std::vector<bool>(5, false));
    EXPECT_EQ(Stored(L"dstbHV")->text, L"0");
    EXPECT_EQ(Stored(L"dstfHV")->text, L"0");
    EXPECT_EQ(Stored(L"cityeHV")->text, L"ｻﾝﾌﾗﾝｼｽｺ");
}

TEST_F(Settings, PositionSettingStoresTheBoardsPlaceAndStaysOpen)
{
    Form1->SetBounds(123, 45, Form1->Width(), Form1->Height());
    Form3->Button4->Click();
    EXPECT_TRUE(Form3->Visible());
    EXPECT_EQ(std::make_pair(Form1->startx, Form1->starty), std::make_pair(123, 45));
    EXPECT_EQ(Stored(L"startxHV")->text, L"123");
    EXPECT_EQ(Stored(L"startyHV")->text, L"45");
    EXPECT_EQ(StoredNames().size(), 2u);
}

TEST_F(Settings, TheHomeNameCannotBeTypedIn)
{
    EXPECT_TRUE(GetWindowLongW(Form3->Edit1->Handle(), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongW(Form3->Edit2->Handle(), GWL_STYLE) & ES_READONLY);
}

TEST_F(Settings, TabMovesThroughTheControlsInTheDeclaredOrder)
{
    std::vector<TWinControl*> expected = {Form3->Edit1,     Form3->Edit2,     Form3->Edit3,     Form3->Edit4,
                                          Form3->Edit5,     Form3->Edit6,     Form3->Edit7,     Form3->Edit8,
                                          Form3->Edit9,     Form3->Edit10,    Form3->Edit11,    Form3->Edit12,
                                          Form3->Button1,   Form3->Button2,   Form3->CheckBox2, Form3->CheckBox3,
                                          Form3->CheckBox4, Form3->CheckBox5, Form3->CheckBox6, Form3->Button3,
                                          Form3->Button4};
    HWND control = GetNextDlgTabItem(Form3->Handle(), nullptr, FALSE);
    for (TWinControl* next : expected) {
        EXPECT_EQ(control, next->Handle()) << next->Name;
        control = GetNextDlgTabItem(Form3->Handle(), control, FALSE);
    }
    EXPECT_EQ(control, Form3->Edit1->Handle());
}

TEST_F(Settings, IsCentredAtItsFirstShowingOnly)
{
    int left = (GetSystemMetrics(SM_CXSCREEN) - 310) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - 230) / 2;
    EXPECT_EQ(std::make_pair(Form3->Left(), Form3->Top()), std::make_pair(left, top));
    EXPECT_EQ(std::make_pair(Form3->Width(), Form3->Height()), std::make_pair(310, 230));
    Form3->SetBounds(10, 20, 310, 230);
    Form3->Button1->Click();
    Form1->Setting1Click(Form1->Setting1);
    Form1->Setting1Click(Form1->Setting1);
    EXPECT_TRUE(Form3->Visible());
    EXPECT_EQ(std::make_pair(Form3->Left(), Form3->Top()), std::make_pair(10, 20));
}

} // namespace
