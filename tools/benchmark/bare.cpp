// The yardstick for tools/bench: the least a Win32 window program with a
// one-second timer can be. It sets its caption at its first tick.
#include <windows.h>

static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        SetWindowTextW(window, L"ticked");
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int main()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"Bare";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"Bare", L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 390, 360, 250, 92, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
    SetTimer(window, 1, 1000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
