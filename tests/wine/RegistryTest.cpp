#include "WineFixture.h"

#include "toolkit/Exceptions.h"
#include "toolkit/Registry.h"

namespace {

using Registry = WineTest;

TEST_F(Registry, WritesEveryKindAsAStringValueOfItsText)
{
    {
        TRegIniFile store("Software\\Horavel");
        store.WriteString("cityaHV", "東京");
        store.WriteInteger("zisadHV", -14);
        store.WriteBool("dstbHV", true);
        store.WriteString("cityeHV", "");
    }
    std::optional<StoredValue> city = Stored(L"cityaHV");
    ASSERT_TRUE(city);
    EXPECT_EQ(city->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(city->text, L"東京");
    EXPECT_EQ(Stored(L"zisadHV")->text, L"-14");
    EXPECT_EQ(Stored(L"dstbHV")->text, L"1");
    EXPECT_EQ(Stored(L"cityeHV")->text, L"");

    TRegIniFile store("Software\\Horavel");
    EXPECT_EQ(store.ReadString("cityaHV", ""), "東京");
    EXPECT_EQ(store.ReadString("cityeHV", "ｻﾝﾌﾗﾝｼｽｺ"), "");
    EXPECT_EQ(store.ReadInteger("zisadHV", 0), -14);
    EXPECT_TRUE(store.ReadBool("dstbHV", false));
}

TEST_F(Registry, ReadsATextUpToItsFirstZero)
{
    StoreString(L"cityaHV", std::wstring(L"ab\0cd", 5));
    StoreString(L"citybHV", L"ﾊﾟﾘ");
    TRegIniFile store("Software\\Horavel");
    EXPECT_EQ(store.ReadString("cityaHV", "x"), "ab");
    EXPECT_EQ(store.ReadString("citybHV", "x"), "ﾊﾟﾘ");
    EXPECT_EQ(store.ReadString("missingHV", "default"), "default");
}

TEST_F(Registry, AValueOfAnotherTypeIsAnErrorNamingIt)
{
    StoreDword(L"startxHV", 390);
    TRegIniFile store("Software\\Horavel");
    try {
        store.ReadInteger("startxHV", 0);
        FAIL() << "a number value was read";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message, "'startxHV' のﾃﾞｰﾀ型が不正です");
    }
}

TEST_F(Registry, AKeyThatCannotBeOpenedReadsDefaultsAndRefusesWrites)
{
    // A volatile key cannot hold a lasting sub-key, so this one cannot be created.
    HKEY parent = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Horavel", 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &parent, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(parent);
    TRegIniFile store("Software\\Horavel\\Lasting");
    EXPECT_EQ(store.ReadString("cityaHV", "東京"), "東京");
    EXPECT_EQ(store.ReadInteger("zisabHV", -9), -9);
    try {
        store.WriteInteger("startxHV", 10);
        FAIL() << "the write was taken";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message, "'startxHV' の設定に失敗しました");
    }
}

} // namespace
