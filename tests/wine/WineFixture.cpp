#include "WineFixture.h"

#include "clock/WindowSet.h"
#include "toolkit/Codepage.h"
#include "toolkit/Controls.h"
#include "clock/Main.h"
#include "toolkit/Forms.h"

const wchar_t* const WineTest::KeyPath = L"Software\\Horavel";

void WineTest::SetUp()
{
    DeleteUserKey(KeyPath);
    Application->Initialize();
    Application->SetTitle("Horavel");
    Application->ErrorDisplay = [this](const std::string& text) { errors.push_back(text); };
    SetMoment(2000, 1, 21, 10, 20);
}

void WineTest::TearDown()
{
    while (!Application->Components().empty())
        delete Application->Components().back();
    for (auto it = savedFormats_.rbegin(); it != savedFormats_.rend(); ++it)
        SetLocaleInfoW(LOCALE_USER_DEFAULT, it->first, it->second.c_str());
    SetClock({});
    Application->ErrorDisplay = {};
}

void WineTest::SetMoment(int year, int month, int day, int hour, int minute, int second)
{
    TDateTime moment{year, month, day, hour, minute, second, 0};
    SetClock([moment] { return moment; });
}

void WineTest::SetUserFormat(LCTYPE item, const std::wstring& format)
{
    wchar_t previous[80];
    GetLocaleInfoW(LOCALE_USER_DEFAULT, item, previous, 80);
    savedFormats_.emplace_back(item, previous);
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, item, format.c_str()));
}

namespace {

HKEY openKey()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WineTest::KeyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

} // namespace

bool KeyExists()
{
    HKEY key = openKey();
    if (key)
        RegCloseKey(key);
    return key != nullptr;
}

std::vector<std::wstring> StoredNames()
{
    std::vector<std::wstring> names;
    HKEY key = openKey();
    if (!key)
        return names;
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        if (RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

std::optional<StoredValue> Stored(const std::wstring& name)
{
    HKEY key = openKey();
    if (!key)
        return std::nullopt;
    StoredValue value{};
    wchar_t data[512] = {};
    DWORD bytes = sizeof data - sizeof(wchar_t);
    LONG result = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(data), &bytes);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    value.text = data;
    return value;
}

void StoreString(const std::wstring& name, const std::wstring& text)
{
    SetUserString(WineTest::KeyPath, name, text);
}

void StoreDword(const std::wstring& name, DWORD value)
{
    SetUserDword(WineTest::KeyPath, name, value);
}

void BuildWindowSet()
{
    CreateWindowSet();
    for (TComponent* component : Application->Components())
        if (auto* form = dynamic_cast<TForm*>(component))
            form->CreateHandle();
}

void StoreBinary(const std::wstring& name, const std::string& bytes)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, WineTest::KeyPath, name.c_str(), REG_BINARY, bytes.data(),
                    static_cast<DWORD>(bytes.size()));
}

std::string WindowText(const TControl& control)
{
    auto* windowed = dynamic_cast<const TWinControl*>(&control);
    if (!windowed || !windowed->Handle())
        return "<no window>";
    wchar_t text[256];
    int length = GetWindowTextW(windowed->Handle(), text, 256);
    return AnsiFromWide(std::wstring(text, static_cast<std::size_t>(length)));
}

void WriteFileContent(const std::wstring& path, const std::string& data)
{
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    CloseHandle(file);
}

void RemovePath(const std::wstring& path)
{
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
    RemoveDirectoryW(path.c_str());
}

std::string NumberedLines(int count)
{
    std::string data;
    for (int line = 1; line <= count; ++line)
        data += "line " + std::to_string(line) + "\r\n";
    return data;
}

HeldFile::HeldFile(const std::wstring& path)
    : handle_(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr))
{
}

HeldFile::~HeldFile()
{
    if (Held())
        CloseHandle(handle_);
}

namespace {

void removeNotesFiles()
{
    for (const wchar_t* path : {MemoPath, TravelPath}) {
        RemovePath(path);
        RemovePath(std::wstring(path) + L".new");
    }
}

} // namespace

void NotesWineTest::SetUp()
{
    WineTest::SetUp();
    removeNotesFiles();
}

void NotesWineTest::TearDown()
{
    WineTest::TearDown();
    removeNotesFiles();
}

bool NotesWineTest::CloseBoard()
{
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    Application->DispatchEvent([] { Form1->Close(); });
    return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}
