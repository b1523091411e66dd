#pragma once
// Drives horavel.exe from outside, as a user would: starts it, finds its
// windows, reads them, presses buttons and takes screenshots.
#include <windows.h>

#include <string>
#include <vector>

// A program started from the folder of the driver.
class Program {
public:
    explicit Program(const std::wstring& exeName);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HANDLE Process() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }
    // Waits for the program to end; its exit code, or -1 when it did not end in time.
    long WaitForExit(DWORD milliseconds);

private:
    PROCESS_INFORMATION info_{};
};

// The folder of the running driver, with a trailing backslash.
std::wstring DriverFolder();

// A visible top-level window of the process with this class and caption, or
// nullptr when none has appeared in time.
HWND WaitForWindow(DWORD processId, const std::wstring& className, const std::wstring& caption, DWORD milliseconds);
// Every visible top-level window of the process with this class and caption.
std::vector<HWND> TopLevelWindows(DWORD processId, const std::wstring& className, const std::wstring& caption);

std::wstring WindowText(HWND window);

struct ChildWindow {
    HWND handle;
    RECT bounds; // in the parent's client coordinates
};
std::vector<ChildWindow> ChildWindows(HWND parent, const std::wstring& className);

// The child window at a position of the parent's client area, or nullptr.
HWND ChildAt(const std::vector<ChildWindow>& children, int left, int top);

// Clicks the right or left button at a point of a window's client area,
// delivered to the innermost window there.
void RightClick(HWND window, int x, int y);
void LeftClick(HWND window, int x, int y);
// The window that has the keyboard focus in the thread of this window.
HWND FocusedWindow(HWND window);
// A file of the prefix, read whole, or "<missing>".
std::string FileContent(const std::wstring& path);
// The pop-up menu windows the process shows, in the order they opened.
std::vector<HWND> OpenMenus(DWORD processId);
HWND WaitForMenu(DWORD processId, size_t count, DWORD milliseconds);
// A key pressed and released on a window (arrows, Enter, Escape in menus).
void PressKey(HWND window, UINT key);
// Right-clicks a point of the board and waits for its pop-up menu; the menu
// window, or nullptr when none opened.
HWND OpenMenu(const Program& program, HWND board, int x, int y);
// Opens a window from the board's pop-up menu as a user would: a right-click
// on the board, Down itemsDown times; where submenuDown is not negative, Right
// into that item's submenu and Down submenuDown more; then Enter. Gives the
// window of that class and caption once it shows, or nullptr.
HWND OpenFromMenu(const Program& program, HWND board, int itemsDown, int submenuDown, const std::wstring& className,
                  const std::wstring& caption);
// Replaces the text of an edit control, as a paste would.
void SetText(HWND edit, const std::wstring& text);
// Types characters into a window, one WM_CHAR each.
void TypeText(HWND window, const std::wstring& text);
// Clicks a button control.
void ClickButton(HWND button);
// The child window of that class with that text, or nullptr.
HWND ChildWithText(HWND parent, const std::wstring& className, const std::wstring& text);

// Presses the OK button of a message box.
void PressOk(HWND messageBox);
// The message text of a message box.
std::wstring MessageBoxText(HWND messageBox);

// Saves the screen's pixels under the window, as a 24-bit BMP next to the driver
// in the folder "screenshots".
void SaveScreenshot(HWND window, const std::wstring& name);

// A string value under HKEY_CURRENT_USER, or deleting a whole key.
void SetUserString(const std::wstring& key, const std::wstring& name, const std::wstring& value);
void SetUserDword(const std::wstring& key, const std::wstring& name, DWORD value);
std::wstring UserString(const std::wstring& key, const std::wstring& name);
void DeleteUserKey(const std::wstring& key);
