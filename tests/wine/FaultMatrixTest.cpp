// The faults a user can meet, each provoked for real: the message that tells
// of it, and what is already kept (notes files, settings key, texts typed)
// that must survive it. docs/reliability.md lists them with the tests that
// show each one.
#include "WineFixture.h"

#include "clock/Main.h"
#include "clock/WindowSet.h"
#include "converters/Ondo.h"
#include "converters/Tuka.h"
#include "notes/Bibou.h"
#include "notes/Memo.h"
#include "settings/Setting.h"
#include "toolkit/Exceptions.h"

#include <algorithm>
#include <optional>

namespace {

using Faults = NotesWineTest;

void destroyWindowSet()
{
    while (!Application->Components().empty())
        delete Application->Components().back();
}

std::wstring besideFile(const wchar_t* path)
{
    return std::wstring(path) + L".new";
}

// The bytes of a travel record file holding these fields, the rest empty.
std::string travelFile(const std::vector<std::string>& fields)
{
    std::string data;
    for (int line = 0; line < 21; ++line)
        data += (line < static_cast<int>(fields.size()) ? fields[line] : "") + "\r\n";
    return data;
}

TravelFields travelFields(const std::vector<std::string>& fields)
{
    TravelFields all;
    std::copy(fields.begin(), fields.end(), all.begin());
    return all;
}

// A memo of at least this many bytes, in whole lines of Japanese and ASCII.
std::string bigMemo(std::size_t bytes)
{
    std::string data;
    while (data.size() < bytes)
        data += "旅の記録 " + std::to_string(data.size()) + "\r\n";
    return data;
}

const std::string oldMemo = "古いメモ\r\n";
const std::string oldTravel = NumberedLines(21);

TEST_F(Faults, AMissingTravelRecordThatCannotBeCreatedStopsStartUpAndKeepsTheMemo)
{
    // A standard user may not write in C:\Windows; a folder where the new file
    // would be written makes the write fail the same way.
    WriteFileContent(MemoPath, oldMemo);
    CreateDirectoryW(besideFile(TravelPath).c_str(), nullptr);
    try {
        BuildWindowSet();
        FAIL() << "start-up went on";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message, "ﾌｧｲﾙ C:\\Windows\\HRVmemo2.txt を作成できません");
    }
    EXPECT_FALSE(Form1->Visible());
    EXPECT_EQ(FileContent(MemoPath), oldMemo);
    EXPECT_EQ(FileContent(TravelPath), "<missing>");
}

TEST_F(Faults, ReadOnlyOrHeldNotesFilesAtStartUp)
{
    struct Case {
        const char* what;
        const wchar_t* path;
        bool held; // by another program; otherwise read-only
        const char* message; // that stops start-up; nullptr when it goes on
    } cases[] = {
        {"read-only memo", MemoPath, false, nullptr},
        {"read-only travel record", TravelPath, false, nullptr},
        {"travel record held", TravelPath, true, "ﾌｧｲﾙ C:\\Windows\\HRVmemo2.txt は開けません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFileContent(MemoPath, oldMemo);
        WriteFileContent(TravelPath, oldTravel);
        std::optional<HeldFile> held;
        if (c.held) {
            held.emplace(c.path);
            ASSERT_TRUE(held->Held());
        } else {
            SetFileAttributesW(c.path, FILE_ATTRIBUTE_READONLY);
        }
        if (c.message) {
            try {
                BuildWindowSet();
                ADD_FAILURE() << "start-up went on";
            } catch (const EFOpenError& error) {
                EXPECT_EQ(error.Message, c.message);
            }
            EXPECT_FALSE(Form1->Visible());
        } else {
            BuildWindowSet();
            EXPECT_EQ(Form12->Memo1->Text(), oldMemo);
            EXPECT_EQ(Form13->Edit25->Text(), "line 21");
        }
        EXPECT_TRUE(errors.empty());
        held.reset();
        EXPECT_EQ(FileContent(MemoPath), oldMemo);
        EXPECT_EQ(FileContent(TravelPath), oldTravel);
        destroyWindowSet();
        SetFileAttributesW(c.path, FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(Faults, ReadOnlyOrHeldNotesFilesAtClose)
{
    enum Closer { memoWindow, travelWindow, board };
    struct Case {
        const char* what;
        const wchar_t* path;
        bool held;
        Closer closer;
        const char* message;
    } cases[] = {
        {"read-only memo, memo window", MemoPath, false, memoWindow, "ﾌｧｲﾙ C:\\Windows\\HRVmemo1.txt を作成できません."},
        {"held memo, memo window", MemoPath, true, memoWindow, "ﾌｧｲﾙ C:\\Windows\\HRVmemo1.txt を作成できません."},
        {"read-only travel record, its window", TravelPath, false, travelWindow,
         "ﾌｧｲﾙ C:\\Windows\\HRVmemo2.txt を作成できません."},
        {"held travel record, its window", TravelPath, true, travelWindow,
         "ﾌｧｲﾙ C:\\Windows\\HRVmemo2.txt を作成できません."},
        {"read-only travel record, board", TravelPath, false, board, "ﾌｧｲﾙ C:\\Windows\\HRVmemo2.txt を作成できません."},
        {"held travel record, board", TravelPath, true, board, "ﾌｧｲﾙ C:\\Windows\\HRVmemo2.txt を作成できません."},
    };
    const std::string newMemo = "新しいメモ";
    const std::string newNumber = "TK7654321";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        errors.clear();
        WriteFileContent(MemoPath, oldMemo);
        WriteFileContent(TravelPath, oldTravel);
        BuildWindowSet();
        Form1->MemoClick(Form1->Memo);
        Form1->BibouClick(Form1->Bibou);
        Form12->Memo1->SetText(newMemo);
        Form13->Edit1->SetText(newNumber);

        std::optional<HeldFile> held;
        if (c.held) {
            held.emplace(c.path);
            ASSERT_TRUE(held->Held());
        } else {
            SetFileAttributesW(c.path, FILE_ATTRIBUTE_READONLY);
        }
        auto close = [&] {
            if (c.closer == board)
                return CloseBoard();
            TForm* window = c.closer == memoWindow ? static_cast<TForm*>(Form12) : Form13;
            Application->DispatchEvent([window] { window->Close(); });
            return !window->Visible();
        };
        EXPECT_FALSE(close()) << "closed in spite of the failed write";
        EXPECT_EQ(errors, std::vector<std::string>{c.message});
        EXPECT_TRUE(Form12->Visible());
        EXPECT_TRUE(Form13->Visible());
        EXPECT_EQ(Form12->Memo1->Text(), newMemo);
        EXPECT_EQ(Form13->Edit1->Text(), newNumber);
        // Once the other program lets go, the failing file has its old bytes;
        // the board writes the memo first.
        held.reset();
        EXPECT_EQ(FileContent(TravelPath), oldTravel);
        EXPECT_EQ(FileContent(MemoPath), c.closer == board ? newMemo + "\r\n" : oldMemo);
        EXPECT_EQ(FileContent(besideFile(c.path)), "<missing>");

        // Closing again, with the file free and writable, saves.
        SetFileAttributesW(c.path, FILE_ATTRIBUTE_NORMAL);
        EXPECT_TRUE(close());
        EXPECT_EQ(errors.size(), 1u);
        if (c.path == MemoPath)
            EXPECT_EQ(FileContent(MemoPath), newMemo + "\r\n");
        else
            EXPECT_EQ(FileContent(TravelPath).substr(0, newNumber.size() + 2), newNumber + "\r\n");
        destroyWindowSet();
    }
}

TEST_F(Faults, AReadOnlyNotesFileAtLogOffDoesNotCostTheOtherItsSave)
{
    for (const wchar_t* readOnly : {MemoPath, TravelPath}) {
        SCOPED_TRACE(readOnly);
        WriteFileContent(MemoPath, oldMemo);
        WriteFileContent(TravelPath, oldTravel);
        BuildWindowSet();
        Form12->Memo1->SetText("新しいメモ");
        Form13->Edit1->SetText("TK7654321");
        SetFileAttributesW(readOnly, FILE_ATTRIBUTE_READONLY);
        SendMessageW(Form1->Handle(), WM_ENDSESSION, TRUE, 0);

        EXPECT_TRUE(errors.empty()) << "no one is left to read a message";
        EXPECT_EQ(FileContent(MemoPath), readOnly == MemoPath ? oldMemo : "新しいメモ\r\n");
        EXPECT_EQ(FileContent(TravelPath), readOnly == TravelPath ? oldTravel : "TK7654321\r\n" + oldTravel.substr(8));
        destroyWindowSet();
        SetFileAttributesW(readOnly, FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(Faults, MemoFilesOfEveryShapeLoadAndSaveWithoutLoss)
{
    struct Case {
        const char* what;
        std::string file;
        std::string memo;
        std::string written;
    } cases[] = {
        {"5 lines", NumberedLines(5), NumberedLines(5), NumberedLines(5)},
        {"25 lines", NumberedLines(25), NumberedLines(25), NumberedLines(25)},
        {"lone CR", "a\rb\rc", "a\r\nb\r\nc\r\n", "a\r\nb\r\nc\r\n"},
        {"lone CR, lone LF and LF CR", "a\rb\nc\n\rd", "a\r\nb\r\nc\r\n\r\nd\r\n", "a\r\nb\r\nc\r\n\r\nd\r\n"},
        {"5 MB", bigMemo(5 << 20), bigMemo(5 << 20), bigMemo(5 << 20)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFileContent(MemoPath, c.file);
        BuildWindowSet();
        // Compared whole but never printed: a failure would print megabytes.
        EXPECT_TRUE(Form12->Memo1->Text() == c.memo) << Form12->Memo1->Text().size() << " bytes";
        EXPECT_TRUE(CloseBoard());
        EXPECT_TRUE(FileContent(MemoPath) == c.written) << FileContent(MemoPath).size() << " bytes";
        EXPECT_TRUE(errors.empty());
        destroyWindowSet();
    }
}

TEST_F(Faults, TravelRecordFilesOfEveryShapeLoadAndSaveWithoutLoss)
{
    struct Case {
        const char* what;
        std::string file;
        std::vector<std::string> fields;
    } cases[] = {
        {"a NUL", std::string("one\r\ntwo\0three\r\nfour\r\n", 22), {"one", "two"}},
        {"lone CR", "one\rtwo\rthree", {"one", "two", "three"}},
        {"lone LF", "one\ntwo\n\nfour\n", {"one", "two", "", "four"}},
        {"LF CR", "one\n\rtwo", {"one", "", "two"}},
        {"5 MB of lines", NumberedLines(400000),
         {"line 1",  "line 2",  "line 3",  "line 4",  "line 5",  "line 6",  "line 7",
          "line 8",  "line 9",  "line 10", "line 11", "line 12", "line 13", "line 14",
          "line 15", "line 16", "line 17", "line 18", "line 19", "line 20", "line 21"}},
        {"a field of 5 MB", "one\r\n" + std::string(5 << 20, 'x') + "\r\nthree", {"one", std::string(5 << 20, 'x'), "three"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFileContent(TravelPath, c.file);
        BuildWindowSet();
        // Compared whole but never printed: a failure would print megabytes.
        EXPECT_TRUE(Form13->FileFields() == travelFields(c.fields));
        EXPECT_TRUE(CloseBoard());
        EXPECT_TRUE(FileContent(TravelPath) == travelFile(c.fields)) << FileContent(TravelPath).size() << " bytes";
        EXPECT_TRUE(errors.empty());
        destroyWindowSet();
    }
}

TEST_F(Faults, EveryStoredValueOfAnotherTypeStopsStartUpAndWritesNothing)
{
    const wchar_t* const names[] = {
        L"startxHV", L"startyHV", L"cityaHV", L"citybHV", L"citycHV", L"citydHV", L"cityeHV",
        L"cityfHV",  L"zisaaHV",  L"zisabHV", L"zisacHV", L"zisadHV", L"zisaeHV", L"zisafHV",
        L"dstbHV",   L"dstcHV",   L"dstdHV",  L"dsteHV",  L"dstfHV",  L"tuka1HV", L"tuka2HV",
        L"tuka3HV",  L"rate1HV",  L"rate2HV", L"rate3HV",
    };
    const DWORD types[] = {REG_DWORD, REG_BINARY};
    for (const wchar_t* name : names) {
        for (DWORD type : types) {
            SCOPED_TRACE(testing::Message() << std::string(name, name + wcslen(name)) << " type " << type);
            RegDeleteTreeW(HKEY_CURRENT_USER, KeyPath);
            WriteFileContent(MemoPath, oldMemo);
            WriteFileContent(TravelPath, oldTravel);
            // Another value, well stored, that must be kept.
            std::wstring kept = std::wstring(name) == L"cityeHV" ? L"citybHV" : L"cityeHV";
            StoreString(kept, L"ホノルル");
            if (type == REG_DWORD)
                StoreDword(name, 7);
            else
                StoreBinary(name, std::string("7\0", 2));

            try {
                BuildWindowSet();
                ADD_FAILURE() << "start-up went on";
            } catch (const ERegistryException& error) {
                EXPECT_EQ(error.Message, "'" + std::string(name, name + wcslen(name)) + "' のﾃﾞｰﾀ型が不正です");
            }
            EXPECT_TRUE(!Application->MainForm() || !Application->MainForm()->Visible());
            std::vector<std::wstring> stored = StoredNames();
            std::sort(stored.begin(), stored.end());
            std::vector<std::wstring> expected = {name, kept};
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(stored, expected);
            EXPECT_EQ(Stored(name)->type, type);
            EXPECT_EQ(Stored(kept)->text, L"ホノルル");
            EXPECT_EQ(FileContent(MemoPath), oldMemo);
            EXPECT_EQ(FileContent(TravelPath), oldTravel);
            EXPECT_TRUE(errors.empty());
            destroyWindowSet();
        }
    }
}

TEST_F(Faults, AnOffsetThatIsNotANumberInAnySlotStopsOkThere)
{
    const int defaults[] = {0, -9, -8, -14, -17, -15};
    const char* const bad[] = {"", "abc", "7 ", "7.5", "1e2", "2147483648"};
    for (int slot = 0; slot < 6; ++slot) {
        SCOPED_TRACE(testing::Message() << "slot " << slot << " '" << bad[slot] << "'");
        RegDeleteTreeW(HKEY_CURRENT_USER, KeyPath);
        errors.clear();
        BuildWindowSet();
        Form3->Show();
        TEdit* offsets[] = {Form3->Edit7, Form3->Edit8, Form3->Edit9, Form3->Edit10, Form3->Edit11, Form3->Edit12};
        std::vector<std::string> typed;
        for (int other = 0; other < 6; ++other) {
            typed.push_back(other == slot ? bad[slot] : std::to_string(other + 1));
            offsets[other]->SetText(typed.back());
        }
        Form3->Edit6->SetText("ローマ");
        Form3->CheckBox2->SetChecked(true);
        Form3->Button2->Click();

        EXPECT_EQ(errors, std::vector<std::string>{FormatPattern("'%s' は数値ではありません.", bad[slot])});
        // The names are committed; the offsets before the bad one are in the
        // board only; the rest, and the flags, are as they were.
        EXPECT_EQ(Form1->cityf, "ローマ");
        EXPECT_EQ(Stored(L"cityfHV")->text, L"ローマ");
        const int board[] = {Form1->zisaa, Form1->zisab, Form1->zisac, Form1->zisad, Form1->zisae, Form1->zisaf};
        for (int other = 0; other < 6; ++other)
            EXPECT_EQ(board[other], other < slot ? other + 1 : defaults[other]) << "slot " << other;
        EXPECT_FALSE(Form1->dstb);
        EXPECT_EQ(StoredNames().size(), 6u) << "only the six names";
        EXPECT_TRUE(Form3->Visible());
        for (int other = 0; other < 6; ++other)
            EXPECT_EQ(offsets[other]->Text(), typed[other]);
        EXPECT_TRUE(Form3->CheckBox2->Checked());
        destroyWindowSet();
    }
}

TEST_F(Faults, ACurrencyTextThatIsNotANumberChangesNothing)
{
    struct Case {
        bool toYen; // ">>"; otherwise "<<"
        int row;
        const char* rate;
        const char* amount;
    } cases[] = {
        // A bad rate: taken first, so irate stays as it was.
        {true, 0, "abc", "5"}, {false, 0, "１", "5"}, {true, 1, "1,5", "5"}, {false, 1, "", "5"},
        {true, 2, "1e99999", "5"}, {false, 2, "12円", "5"}, {true, 0, "inf", "5"}, {false, 1, "nan", "5"},
        // A bad amount: irate already holds the new rate.
        {true, 0, "2", ""}, {true, 1, "2", "1 000"}, {false, 2, "2", "abc"}, {false, 0, "2", "0x10"},
        {true, 2, "2", "nan"},
    };
    const std::string goodRate = "2";
    BuildWindowSet();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.toYen ? ">>" : "<<") << " rate '" << c.rate << "' amount '"
                                        << c.amount << "'");
        errors.clear();
        TEdit* rowRates[] = {Form10->rate1, Form10->rate2, Form10->rate3};
        for (TEdit* rate : rowRates)
            rate->SetText(goodRate);
        rowRates[c.row]->SetText(c.rate);
        Form10->RadioGroup1->SetItemIndex(c.row);
        Form10->irate = 1234;
        TEdit* source = c.toYen ? Form10->Edit1 : Form10->Edit2;
        TEdit* target = c.toYen ? Form10->Edit2 : Form10->Edit1;
        source->SetText(c.amount);
        target->SetText("前の結果");
        (c.toYen ? Form10->Button1 : Form10->Button2)->Click();

        bool badRate = c.rate != goodRate;
        std::string bad = badRate ? c.rate : c.amount;
        EXPECT_EQ(errors, std::vector<std::string>{"'" + bad + "' は浮動小数点数ではありません."});
        EXPECT_EQ(Form10->irate, badRate ? 1234 : 2000);
        EXPECT_EQ(source->Text(), c.amount);
        EXPECT_EQ(target->Text(), "前の結果");
        EXPECT_EQ(rowRates[c.row]->Text(), c.rate);
    }
    EXPECT_TRUE(StoredNames().empty());
}

TEST_F(Faults, ATemperatureThatIsNotANumberChangesNothing)
{
    struct Case {
        bool toCelsius; // ">>"; otherwise "<<"
        const char* text;
        const char* message;
    } cases[] = {
        {true, "abc", "'abc' は浮動小数点数ではありません."},
        {true, "36,6", "'36,6' は浮動小数点数ではありません."},
        {true, "nan", "'nan' は浮動小数点数ではありません."},
        {false, "", "'' は浮動小数点数ではありません."},
        {false, "１００", "'１００' は浮動小数点数ではありません."},
        {false, "inf", "'inf' は浮動小数点数ではありません."},
        {false, "-1e9", "'-1e9' の換算結果は扱える温度の範囲を超えています."},
    };
    BuildWindowSet();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        errors.clear();
        Form11->Edit1->SetText("100");
        Form11->Button1->Click();
        ASSERT_EQ(Form11->Edit2->Text(), "37.7");
        TEdit* source = c.toCelsius ? Form11->Edit1 : Form11->Edit2;
        TEdit* target = c.toCelsius ? Form11->Edit2 : Form11->Edit1;
        std::string before = target->Text();
        source->SetText(c.text);
        (c.toCelsius ? Form11->Button1 : Form11->Button2)->Click();

        EXPECT_EQ(errors, std::vector<std::string>{c.message});
        EXPECT_EQ(source->Text(), c.text);
        EXPECT_EQ(target->Text(), before);
        EXPECT_EQ(Form11->iondo, 377);
        EXPECT_EQ(Form11->fondo, 377.0f);
    }
}

} // namespace
