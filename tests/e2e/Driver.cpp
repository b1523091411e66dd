#include "Driver.h"

Program::Program(const std::wstring& exeName)
{
    std::wstring path = DriverFolder() + exeName;
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, DriverFolder().c_str(),
                   &startup, &info_);
}

Program::~Program()
{
    if (!info_.hProcess)
        return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

long Program::WaitForExit(DWORD milliseconds)
{
    if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
}

std::wstring DriverFolder()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

namespace {

struct Search {
    DWORD processId;
    const std::wstring* className;
    const std::wstring* caption;
    std::vector<HWND> found;
};

BOOL CALLBACK collectTopLevel(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[128];
    GetClassNameW(window, className, 128);
    if (owner == search->processId && IsWindowVisible(window) && *search->className == className &&
        WindowText(window) == *search->caption)
        search->found.push_back(window);
    return TRUE;
}

struct ChildSearch {
    HWND parent;
    const std::wstring* className;
    std::vector<ChildWindow> found;
};

BOOL CALLBACK collectChild(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<ChildSearch*>(parameter);
    wchar_t className[128];
    GetClassNameW(window, className, 128);
    if (GetParent(window) != search->parent || *search->className != className)
        return TRUE;
    ChildWindow child{window, {}};
    GetWindowRect(window, &child.bounds);
    MapWindowPoints(HWND_DESKTOP, search->parent, reinterpret_cast<POINT*>(&child.bounds), 2);
    search->found.push_back(child);
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const std::wstring& className, const std::wstring& caption)
{
    Search search{processId, &className, &caption, {}};
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD processId, const std::wstring& className, const std::wstring& caption, DWORD milliseconds)
{
    DWORD start = GetTickCount();
    for (;;) {
        std::vector<HWND> found = TopLevelWindows(processId, className, caption);
        if (!found.empty())
            return found.front();
        if (GetTickCount() - start > milliseconds)
            return nullptr;
        Sleep(10);
    }
}

std::wstring WindowText(HWND window)
{
    wchar_t text[512];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                             &length))
        return L"<no answer>";
    return std::wstring(text, length);
}

std::vector<ChildWindow> ChildWindows(HWND parent, const std::wstring& className)
{
    ChildSearch search{parent, &className, {}};
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildAt(const std::vector<ChildWindow>& children, int left, int top)
{
    for (const ChildWindow& child : children)
        if (child.bounds.left == left && child.bounds.top == top)
            return child.handle;
    return nullptr;
}

namespace {

// Posts a button's press and release to the innermost window at a point of
// the window's client area, as the system would deliver a click there. Posted
// input does not depend on which window is on top or where the pointer was.
void click(HWND window, int x, int y, UINT down, UINT up, WPARAM buttons)
{
    POINT at{x, y};
    HWND target = window;
    for (HWND inner; (inner = ChildWindowFromPointEx(target, at, CWP_SKIPINVISIBLE)) && inner != target;) {
        MapWindowPoints(target, inner, &at, 1);
        target = inner;
    }
    LPARAM position = MAKELPARAM(at.x, at.y);
    PostMessageW(target, down, buttons, position);
    PostMessageW(target, up, 0, position);
    Sleep(100);
}

} // namespace

void RightClick(HWND window, int x, int y)
{
    click(window, x, y, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
}

void LeftClick(HWND window, int x, int y)
{
    click(window, x, y, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
}

HWND FocusedWindow(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

std::string FileContent(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string data(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &read, nullptr);
    CloseHandle(file);
    return data;
}

std::vector<HWND> OpenMenus(DWORD processId)
{
    std::vector<HWND> menus;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t className[16];
        GetClassNameW(window, className, 16);
        if (owner == processId && IsWindowVisible(window) && std::wstring(className) == L"#32768")
            menus.insert(menus.begin(), window); // the newest is on top
    }
    return menus;
}

HWND WaitForMenu(DWORD processId, size_t count, DWORD milliseconds)
{
    DWORD start = GetTickCount();
    for (;;) {
        std::vector<HWND> menus = OpenMenus(processId);
        if (menus.size() >= count)
            return menus[count - 1];
        if (GetTickCount() - start > milliseconds)
            return nullptr;
        Sleep(20);
    }
}

void PressKey(HWND window, UINT key)
{
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    Sleep(100);
}

HWND OpenMenu(const Program& program, HWND board, int x, int y)
{
    RightClick(board, x, y);
    return WaitForMenu(program.Id(), 1, 3000);
}

HWND OpenFromMenu(const Program& program, HWND board, int itemsDown, int submenuDown, const std::wstring& className,
                  const std::wstring& caption)
{
    HWND menu = OpenMenu(program, board, 20, 40);
    if (!menu)
        return nullptr;
    for (int item = 0; item < itemsDown; ++item)
        PressKey(menu, VK_DOWN);
    if (submenuDown >= 0) {
        PressKey(menu, VK_RIGHT);
        if (!WaitForMenu(program.Id(), 2, 3000))
            return nullptr;
        Sleep(200); // the submenu takes keys once it has its first item selected
        for (int item = 0; item < submenuDown; ++item)
            PressKey(menu, VK_DOWN);
    }
    PressKey(menu, VK_RETURN);
    return WaitForWindow(program.Id(), className, caption, 3000);
}

void SetText(HWND edit, const std::wstring& text)
{
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TypeText(HWND window, const std::wstring& text)
{
    for (wchar_t c : text)
        SendMessageW(window, WM_CHAR, c, 1);
}

void ClickButton(HWND button)
{
    PostMessageW(button, BM_CLICK, 0, 0);
}

HWND ChildWithText(HWND parent, const std::wstring& className, const std::wstring& text)
{
    for (const ChildWindow& child : ChildWindows(parent, className))
        if (WindowText(child.handle) == text)
            return child.handle;
    return nullptr;
}

void PressOk(HWND messageBox)
{
    PostMessageW(messageBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

std::wstring MessageBoxText(HWND messageBox)
{
    // The message is the static control of id 0xFFFF.
    HWND text = GetDlgItem(messageBox, 0xFFFF);
    return text ? WindowText(text) : L"";
}

void SaveScreenshot(HWND window, const std::wstring& name)
{
    // Give a window that has just appeared the time to paint.
    Sleep(300);
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    DWORD stride = static_cast<DWORD>((width * 3 + 3) & ~3);
    std::vector<BYTE> pixels(stride * static_cast<DWORD>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::wstring folder = DriverFolder() + L"screenshots\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    HANDLE out = CreateFileW((folder + name + L".bmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &header, sizeof header, &written, nullptr);
    WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    CloseHandle(out);
}

void SetUserString(const std::wstring& key, const std::wstring& name, const std::wstring& value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void SetUserDword(const std::wstring& key, const std::wstring& name, DWORD value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), REG_DWORD, &value, sizeof value);
}

std::wstring UserString(const std::wstring& key, const std::wstring& name)
{
    wchar_t value[512] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return L"<missing>";
    return value;
}

void DeleteUserKey(const std::wstring& key)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
}
