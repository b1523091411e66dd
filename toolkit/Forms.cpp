#include "Forms.h"

#include "Codepage.h"
#include "FormReader.h"
#include "Native.h"
#include "NumberText.h"
#include "Text.h"

#include <algorithm>

// ---- TForm

TForm::TForm(TComponent* Owner) : TWinControl(Owner) {}

bool TForm::SetProperty(const FormProperty& property, const FormHandlers& handlers)
{
    if (property.name == "Position") {
        const std::string& position = property.value.AsIdentifier();
        if (position == "poDesigned")
            Position = poDesigned;
        else if (position == "poScreenCenter")
            Position = poScreenCenter;
        else
            throw EFormError("unknown position " + position);
    } else if (property.name == "OnClose") {
        OnClose = handlers.CloseHandler(property.value.AsIdentifier());
    } else if (property.name == "OnEndSession") {
        OnEndSession = handlers.NotifyHandler(property.value.AsIdentifier());
    } else if (property.name == "PixelsPerInch") {
        // Sizes are pixels at 96 pixels per inch; the value documents that.
        if (property.value.AsInt() != 96)
            throw EFormError("forms are designed at 96 pixels per inch");
    } else {
        return TWinControl::SetProperty(property, handlers);
    }
    return true;
}

void TForm::WindowsReady()
{
    UpdateScrollBars();
}

WindowParams TForm::CreateParams()
{
    WindowParams params;
    params.className = windowClass_;
    params.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    // Tab and Shift+Tab move between the controls, as in a dialog.
    params.exStyle = WS_EX_CONTROLPARENT;
    // Owned by the application window, which holds the taskbar button.
    params.parent = Application->Handle();
    return params;
}

void TForm::Show()
{
    // A form's windows are made when it is first shown: most of the program's
    // windows stay hidden for the whole run and cost nothing until then.
    if (!HandleAllocated())
        CreateHandle();
    if (!shownBefore_ && Position == poScreenCenter) {
        int screenWidth = GetSystemMetrics(SM_CXSCREEN);
        int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        SetBounds(std::max(0, (screenWidth - Width()) / 2), std::max(0, (screenHeight - Height()) / 2), Width(),
                  Height());
    }
    shownBefore_ = true;
    ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Handle());
}

void TForm::Hide()
{
    if (HandleAllocated())
        ShowWindow(Handle(), SW_HIDE);
}

namespace {

// One click on a scroll bar's arrow moves this many pixels.
constexpr int scrollLine = 8;

void setScrollBar(HWND window, int bar, bool shown, int extent, int page, int position)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = shown ? extent - 1 : 0;
    info.nPage = shown ? static_cast<UINT>(page) : 0;
    info.nPos = position;
    SetScrollInfo(window, bar, &info, TRUE);
    ShowScrollBar(window, bar, shown);
}

} // namespace

void TForm::UpdateScrollBars()
{
    // Showing or hiding a bar resizes the client area and comes back here.
    if (scrollBarsChanging_ || !Handle() || IsIconic(Handle()))
        return;
    scrollBarsChanging_ = true;
    int extentWidth = 0;
    int extentHeight = 0;
    for (const TControl* control : Controls()) {
        extentWidth = std::max(extentWidth, scrollX_ + control->Left() + control->Width());
        extentHeight = std::max(extentHeight, scrollY_ + control->Top() + control->Height());
    }
    // The client area as it would be without bars; a bar on one axis takes
    // room from the other.
    RECT client;
    GetClientRect(Handle(), &client);
    LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    int width = client.right + (style & WS_VSCROLL ? barWidth : 0);
    int height = client.bottom + (style & WS_HSCROLL ? barHeight : 0);
    bool horizontal = extentWidth > width;
    bool vertical = extentHeight > height || (horizontal && extentHeight > height - barHeight);
    horizontal = horizontal || (vertical && extentWidth > width - barWidth);
    int pageWidth = width - (vertical ? barWidth : 0);
    int pageHeight = height - (horizontal ? barHeight : 0);
    int x = horizontal ? std::clamp(scrollX_, 0, extentWidth - pageWidth) : 0;
    int y = vertical ? std::clamp(scrollY_, 0, extentHeight - pageHeight) : 0;
    setScrollBar(Handle(), SB_HORZ, horizontal, extentWidth, pageWidth, x);
    setScrollBar(Handle(), SB_VERT, vertical, extentHeight, pageHeight, y);
    ScrollTo(x, y);
    scrollBarsChanging_ = false;
}

void TForm::Scroll(int bar, unsigned request)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    int page = static_cast<int>(info.nPage);
    int position = info.nPos;
    switch (request) {
    case SB_LINEUP:
        position -= scrollLine;
        break;
    case SB_LINEDOWN:
        position += scrollLine;
        break;
    case SB_PAGEUP:
        position -= page;
        break;
    case SB_PAGEDOWN:
        position += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = info.nMax;
        break;
    default:
        return;
    }
    position = std::clamp(position, 0, std::max(0, info.nMax + 1 - page));
    SetScrollPos(Handle(), bar, position, TRUE);
    if (bar == SB_HORZ)
        ScrollTo(position, scrollY_);
    else
        ScrollTo(scrollX_, position);
}

void TForm::ScrollTo(int x, int y)
{
    int dx = x - scrollX_;
    int dy = y - scrollY_;
    if (dx == 0 && dy == 0)
        return;
    scrollX_ = x;
    scrollY_ = y;
    ScrollWindowEx(Handle(), -dx, -dy, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    // The child windows have moved with the pixels and recorded their places;
    // the other controls only learn theirs.
    for (TControl* control : Controls()) {
        auto* windowed = dynamic_cast<TWinControl*>(control);
        if (!windowed || !windowed->HandleAllocated())
            control->SetBounds(control->Left() - dx, control->Top() - dy, control->Width(), control->Height());
    }
}

bool TForm::Visible() const
{
    return IsWindowVisible(Handle()) != FALSE;
}

void TForm::Close()
{
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    if (this == Application->MainForm())
        Application->Terminate();
    else if (action == caMinimize)
        ShowWindow(Handle(), SW_MINIMIZE);
    else
        Hide();
}

std::intptr_t TForm::WndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        PaintGraphicControls(dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_ACTIVATE:
        // Give the focus back to the control that had it, or to the first in
        // the Tab order; with no control that takes the focus (only panels,
        // say) the form keeps it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus))
                focused_ = focus;
        } else {
            if (!focused_ || !IsWindow(focused_) || !IsChild(Handle(), focused_)) {
                focused_ = GetNextDlgTabItem(Handle(), nullptr, FALSE);
                if (focused_ && !(GetWindowLongW(focused_, GWL_STYLE) & WS_TABSTOP))
                    focused_ = nullptr;
            }
            SetFocus(focused_ ? focused_ : Handle());
        }
        return 0;
    case WM_SIZE:
        UpdateScrollBars();
        break;
    case WM_HSCROLL:
        Scroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        Scroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle(), &client);
        HBRUSH brush = CreateSolidBrush(ColorRef(Color()));
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        return 1;
    }
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam && OnEndSession) {
            try {
                OnEndSession(this);
            } catch (const std::exception&) {
                // The session ends now; there is no one left to tell.
            }
        }
        return 0;
    case WM_SYSCOMMAND:
        // The main form minimises the application, whose window owns the
        // taskbar button, so that the taskbar brings everything back.
        if ((wParam & 0xFFF0) == SC_MINIMIZE && this == Application->MainForm()) {
            ShowWindow(Application->Handle(), SW_MINIMIZE);
            return 0;
        }
        break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

// ---- TApplication

namespace {

TApplication theApplication;

LRESULT CALLBACK applicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Closing the taskbar button closes the main form.
    if (message == WM_CLOSE) {
        if (TForm* main = Application->MainForm())
            Application->DispatchEvent([main] { main->Close(); });
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

TApplication* Application = &theApplication;

TApplication::TApplication() : TComponent(nullptr) {}

void TApplication::Initialize()
{
    // The number texts use the user's decimal separator.
    wchar_t separator[4] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) == 2 && separator[0] < 0x80)
        DecimalSeparator = static_cast<char>(separator[0]);
    if (handle_)
        return;
    const wchar_t* className = L"TApplication";
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = applicationWindowProc;
    windowClass.hInstance = ModuleInstance();
    windowClass.hIcon = LoadIconW(ModuleInstance(), L"MAINICON");
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
    // A window without size in the middle of the screen: it only carries the
    // title and the icon on the taskbar.
    handle_ = CreateWindowExW(0, className, WideFromAnsi(title_).c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, ModuleInstance(), nullptr);
}

void TApplication::SetTitle(const std::string& title)
{
    title_ = title;
    if (handle_)
        SetWindowTextW(handle_, WideFromAnsi(title_).c_str());
}

void TApplication::Run()
{
    if (!mainForm_)
        return;
    ShowWindow(handle_, SW_SHOWNORMAL);
    mainForm_->Show();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND form = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (form && (GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsDialogMessageW(form, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

void TApplication::DispatchEvent(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const Exception& error) {
        ShowException(error);
    } catch (const std::exception& error) {
        ShowException(Exception(error.what()));
    }
}

void TApplication::ShowException(const Exception& error)
{
    std::string text = ErrorDisplayText(error.Message);
    if (ErrorDisplay) {
        ErrorDisplay(text);
        return;
    }
    HWND owner = GetActiveWindow();
    MessageBoxW(owner ? owner : handle_, WideFromAnsi(text).c_str(), WideFromAnsi(title_).c_str(),
                MB_OK | MB_ICONERROR);
}

void TApplication::ComponentRemoved(TComponent* component)
{
    if (component == mainForm_)
        mainForm_ = nullptr;
    TComponent::ComponentRemoved(component);
}
