// The two time-difference tables: every hour cell against the rule, and the
// rows that tell the rule apart from near misses.
#include "WineFixture.h"

#include "clock/WindowSet.h"
#include "reference/Time1.h"
#include "reference/Time2.h"

namespace {

constexpr TColor aqua = 0xFFFF00, yellow = 0x00FFFF;

struct Table {
    const char* name;
    TTimeTable* (*form)();
    // Japan, New York, Chicago, Los Angeles, London, Paris: hours from Japan time.
    int offsets[6];
};

const Table tables[] = {
    {"standard time", [] { return static_cast<TTimeTable*>(Form5); }, {0, -14, -15, -17, -9, -8}},
    {"summer time", [] { return static_cast<TTimeTable*>(Form6); }, {0, -13, -14, -16, -8, -7}},
};

class TimeTables : public WineTest {
protected:
    void SetUp() override
    {
        WineTest::SetUp();
        BuildWindowSet();
    }

    static TPanel* Cell(TTimeTable& form, int column, int row)
    {
        return dynamic_cast<TPanel*>(form.FindComponent("Panel" + std::to_string(13 * column + row + 1)));
    }
};

TEST_F(TimeTables, EveryHourCellFollowsTheRule)
{
    for (const Table& table : tables) {
        TTimeTable& form = *table.form();
        for (int column = 0; column < 6; ++column) {
            for (int row = 1; row <= 12; ++row) {
                int hour = 2 * (row - 1) + table.offsets[column];
                SCOPED_TRACE(std::string(table.name) + ", column " + std::to_string(column) + ", Japan " +
                             std::to_string(2 * (row - 1)));
                TPanel* cell = Cell(form, column, row);
                ASSERT_TRUE(cell);
                EXPECT_EQ(WindowText(*cell), std::to_string((hour + 24) % 24));
                EXPECT_EQ(cell->Color(), hour < 0 ? yellow : aqua);
                EXPECT_EQ(cell->Left(), 48 * column);
                EXPECT_EQ(cell->Top(), 16 * row);
                EXPECT_EQ(cell->Width(), 49);
                EXPECT_EQ(cell->Height(), 17);
                EXPECT_EQ(cell->Font().Height, -12);
                EXPECT_EQ(cell->Font().Name, "ＭＳ Ｐゴシック");
                EXPECT_FALSE(cell->Font().Bold);
            }
        }
    }
}

// Written out by hand: midnight in a city shows as 0 in aqua, 0 o'clock in
// Japan is the day before everywhere, 22 o'clock the same day everywhere.
TEST_F(TimeTables, TellingRowsReadAsWrittenOut)
{
    struct Row {
        const Table& table;
        int japanHour;
        std::vector<std::string> captions;
        const char* colours; // y yellow, a aqua, from Japan to Paris
    };
    const Row rows[] = {
        {tables[0], 0, {"0", "10", "9", "7", "15", "16"}, "ayyyyy"},
        {tables[0], 8, {"8", "18", "17", "15", "23", "0"}, "ayyyya"},
        {tables[0], 14, {"14", "0", "23", "21", "5", "6"}, "aayyaa"},
        {tables[0], 22, {"22", "8", "7", "5", "13", "14"}, "aaaaaa"},
        {tables[1], 0, {"0", "11", "10", "8", "16", "17"}, "ayyyyy"},
        {tables[1], 8, {"8", "19", "18", "16", "0", "1"}, "ayyyaa"},
        {tables[1], 14, {"14", "1", "0", "22", "6", "7"}, "aaayaa"},
        {tables[1], 22, {"22", "9", "8", "6", "14", "15"}, "aaaaaa"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.table.name) + ", Japan " + std::to_string(row.japanHour));
        std::vector<std::string> captions;
        std::string colours;
        for (int column = 0; column < 6; ++column) {
            TPanel* cell = Cell(*row.table.form(), column, row.japanHour / 2 + 1);
            captions.push_back(WindowText(*cell));
            colours += cell->Color() == yellow ? 'y' : cell->Color() == aqua ? 'a' : '?';
        }
        EXPECT_EQ(captions, row.captions);
        EXPECT_EQ(colours, row.colours);
    }
}

TEST_F(TimeTables, CellsAreDeclaredColumnByColumnThenLegendThenButton)
{
    for (const Table& table : tables) {
        std::vector<std::string> names;
        for (TComponent* component : table.form()->Components())
            names.push_back(component->Name);
        std::vector<std::string> expected;
        for (int number = 1; number <= 80; ++number)
            expected.push_back("Panel" + std::to_string(number));
        expected.push_back("Button1");
        EXPECT_EQ(names, expected) << table.name;
    }
}

TEST_F(TimeTables, CloseButtonHidesTheWindowAndShowingAgainKeepsIt)
{
    for (const Table& table : tables) {
        TTimeTable& form = *table.form();
        form.Show();
        form.SetBounds(40, 30, form.Width(), form.Height());
        form.Button1->Click();
        EXPECT_FALSE(form.Visible()) << table.name;
        form.Show();
        EXPECT_TRUE(form.Visible()) << table.name;
        EXPECT_EQ(form.Left(), 40) << table.name;
        EXPECT_EQ(form.Top(), 30) << table.name;
    }
    EXPECT_TRUE(errors.empty());
}

} // namespace
