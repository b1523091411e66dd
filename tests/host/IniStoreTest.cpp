#include "toolkit/IniStore.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A store over a map, to try the read rules on given stored texts.
class MapStore : public TIniStore {
public:
    std::map<std::string, std::string> values;

protected:
    std::optional<std::string> ReadText(const std::string& name) override
    {
        auto found = values.find(name);
        if (found == values.end())
            return std::nullopt;
        return found->second;
    }
    void WriteText(const std::string& name, const std::string& text) override { values[name] = text; }
};

TEST(IniStore, MissingValuesGiveTheirDefaults)
{
    MapStore store;
    EXPECT_EQ(store.ReadString("cityaHV", "東京"), "東京");
    EXPECT_EQ(store.ReadInteger("zisabHV", -9), -9);
    EXPECT_FALSE(store.ReadBool("dstbHV", false));
    EXPECT_TRUE(store.ReadBool("dstbHV", true));
}

TEST(IniStore, AnEmptyTextIsATextButNotANumber)
{
    MapStore store;
    store.values = {{"citydHV", ""}, {"zisabHV", ""}, {"dstcHV", ""}};
    EXPECT_EQ(store.ReadString("citydHV", "ﾆｭｰﾖｰｸ"), "");
    EXPECT_EQ(store.ReadInteger("zisabHV", -9), -9);
    EXPECT_TRUE(store.ReadBool("dstcHV", true));
}

TEST(IniStore, IntegerAndBooleanTextsConvertOrFallBack)
{
    struct Case {
        const char* stored;
        int integer; // read with default -9
        bool flag;   // read with default false
    } cases[] = {
        {"-3", -3, true}, {" -3", -3, true}, {"abc", -9, false}, {"2", 2, true},
        {"0", 0, false},  {"x", -9, false},  {"$10", 16, true},  {"7 ", -9, false},
    };
    for (const Case& c : cases) {
        MapStore store;
        store.values["value"] = c.stored;
        EXPECT_EQ(store.ReadInteger("value", -9), c.integer) << c.stored;
        EXPECT_EQ(store.ReadBool("value", false), c.flag) << c.stored;
    }
}

TEST(IniStore, WritesEveryKindAsText)
{
    MapStore store;
    store.WriteInteger("zisadHV", -14);
    store.WriteInteger("startxHV", 390);
    store.WriteBool("dstbHV", true);
    store.WriteBool("dstcHV", false);
    store.WriteString("rate1HV", "150.25");
    EXPECT_EQ(store.values, (std::map<std::string, std::string>{{"zisadHV", "-14"},
                                                                {"startxHV", "390"},
                                                                {"dstbHV", "1"},
                                                                {"dstcHV", "0"},
                                                                {"rate1HV", "150.25"}}));
}

} // namespace
