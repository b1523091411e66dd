#include "ExtCtrls.h"

#include "Codepage.h"
#include "Exceptions.h"
#include "FormReader.h"
#include "Forms.h"
#include "Native.h"

#include <algorithm>

// ---- TPanel

TPanel::TPanel(TComponent* Owner) : TWinControl(Owner) {}

namespace {

TPanelBevel bevelFromName(const std::string& name)
{
    if (name == "bvNone")
        return bvNone;
    if (name == "bvLowered")
        return bvLowered;
    if (name == "bvRaised")
        return bvRaised;
    throw EFormError("unknown bevel " + name);
}

} // namespace

bool TPanel::SetProperty(const FormProperty& property, const FormHandlers& handlers)
{
    if (property.name == "BevelOuter")
        BevelOuter = bevelFromName(property.value.AsIdentifier());
    else if (property.name == "BevelInner")
        BevelInner = bevelFromName(property.value.AsIdentifier());
    else if (property.name == "BevelWidth")
        BevelWidth = property.value.AsInt();
    else
        return TWinControl::SetProperty(property, handlers);
    return true;
}

WindowParams TPanel::CreateParams()
{
    WindowParams params;
    params.className = L"TPanel";
    params.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    params.parent = Parent()->Handle();
    return params;
}

std::intptr_t TPanel::WndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

void TPanel::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT rect;
    GetClientRect(Handle(), &rect);
    HBRUSH background = CreateSolidBrush(ColorRef(Color()));
    FillRect(dc, &rect, background);
    DeleteObject(background);

    for (TPanelBevel bevel : {BevelOuter, BevelInner})
        if (bevel != bvNone)
            DrawBevel(dc, rect, bevel == bvRaised, BevelWidth);

    std::wstring caption = WideFromAnsi(caption_);
    HGDIOBJ previousFont = SelectObject(dc, FontHandle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRef(Font().Color));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, previousFont);
    PaintGraphicControls(dc);
    EndPaint(Handle(), &paint);
}

// ---- TRadioGroup

TRadioGroup::TRadioGroup(TComponent* Owner) : TWinControl(Owner) {}

int TRadioGroup::ItemIndex() const
{
    if (buttons_.empty())
        return itemIndex_;
    for (std::size_t index = 0; index < buttons_.size(); ++index)
        if (SendMessageW(buttons_[index], BM_GETCHECK, 0, 0) == BST_CHECKED)
            return static_cast<int>(index);
    return -1;
}

void TRadioGroup::SetItemIndex(int index)
{
    itemIndex_ = index;
    for (std::size_t button = 0; button < buttons_.size(); ++button)
        SendMessageW(buttons_[button], BM_SETCHECK,
                     static_cast<int>(button) == index ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TRadioGroup::SetProperty(const FormProperty& property, const FormHandlers& handlers)
{
    if (property.name == "Items.Strings")
        items_ = property.value.AsList();
    else if (property.name == "ItemIndex")
        SetItemIndex(property.value.AsInt());
    else
        return TWinControl::SetProperty(property, handlers);
    return true;
}

WindowParams TRadioGroup::CreateParams()
{
    WindowParams params;
    params.className = L"BUTTON";
    params.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX;
    // Tab goes into the group, to its buttons.
    params.exStyle = WS_EX_CONTROLPARENT;
    params.parent = Parent()->Handle();
    params.ownClass = false;
    return params;
}

void TRadioGroup::HandleCreated()
{
    if (items_.empty())
        return;
    HDC dc = GetDC(Handle());
    HGDIOBJ previous = SelectObject(dc, FontHandle());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(Handle(), dc);

    // The rows share the height below the caption evenly.
    int rows = static_cast<int>(items_.size());
    int space = Height() - metrics.tmHeight - 5;
    int rowHeight = space / rows;
    int top = metrics.tmHeight + 1 + (space % rows) / 2;
    for (int row = 0; row < rows; ++row) {
        DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (row == 0 ? WS_GROUP | WS_TABSTOP : 0);
        HWND button = CreateWindowExW(0, L"BUTTON", WideFromAnsi(items_[row]).c_str(), style, 8,
                                      top + row * rowHeight, Width() - 16, rowHeight, Handle(), nullptr,
                                      ModuleInstance(), nullptr);
        if (!button)
            throw Exception("cannot create the buttons of " + Name);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
        buttons_.push_back(button);
    }
    SetItemIndex(itemIndex_);
}

void TRadioGroup::WindowsReady()
{
    // Every window created after this one lies beneath it; the group goes
    // beneath the last of them that overlaps it.
    RECT group;
    GetWindowRect(Handle(), &group);
    HWND lastOverlapping = nullptr;
    for (HWND sibling = GetWindow(Handle(), GW_HWNDNEXT); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        RECT bounds, common;
        GetWindowRect(sibling, &bounds);
        if (IntersectRect(&common, &group, &bounds))
            lastOverlapping = sibling;
    }
    if (lastOverlapping)
        SetWindowPos(Handle(), lastOverlapping, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::intptr_t TRadioGroup::WndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    // A group box draws only its frame and caption; the inside is ours to fill.
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(Handle(), &client);
        auto dc = reinterpret_cast<HDC>(wParam);
        FillRect(dc, &client, ControlColor(dc));
        return 1;
    }
    if ((message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) &&
        std::find(buttons_.begin(), buttons_.end(), reinterpret_cast<HWND>(lParam)) != buttons_.end())
        return reinterpret_cast<std::intptr_t>(ControlColor(reinterpret_cast<HDC>(wParam)));
    return TWinControl::WndProc(message, wParam, lParam);
}

// ---- TBevel

TBevel::TBevel(TComponent* Owner) : TGraphicControl(Owner) {}

void TBevel::Paint(HDC__* dc)
{
    RECT rect{Left(), Top(), Left() + Width(), Top() + Height()};
    DrawBevel(dc, rect, false, 1);
}

// ---- TTimer

// One hidden message-only window receives the ticks of every timer; a timer's
// id is its address.
struct TimerWindow {
    static HWND Handle()
    {
        static HWND window = create();
        return window;
    }

private:
    static HWND create()
    {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = ModuleInstance();
        windowClass.lpszClassName = L"TTimerWindow";
        RegisterClassExW(&windowClass);
        return CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               ModuleInstance(), nullptr);
    }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_TIMER) {
            reinterpret_cast<TTimer*>(wParam)->Fire();
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

TTimer::TTimer(TComponent* Owner) : TComponent(Owner) {}

TTimer::~TTimer()
{
    if (running_)
        KillTimer(TimerWindow::Handle(), reinterpret_cast<UINT_PTR>(this));
}

void TTimer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Restart();
}

void TTimer::SetInterval(unsigned interval)
{
    interval_ = interval;
    Restart();
}

bool TTimer::SetProperty(const FormProperty& property, const FormHandlers& handlers)
{
    if (property.name == "Enabled")
        enabled_ = property.value.AsBool();
    else if (property.name == "Interval")
        interval_ = static_cast<unsigned>(property.value.AsInt());
    else if (property.name == "OnTimer")
        OnTimer = handlers.NotifyHandler(property.value.AsIdentifier());
    else
        return TComponent::SetProperty(property, handlers);
    return true;
}

void TTimer::Loaded()
{
    loaded_ = true;
    Restart();
}

void TTimer::Restart()
{
    if (!loaded_)
        return;
    if (running_)
        KillTimer(TimerWindow::Handle(), reinterpret_cast<UINT_PTR>(this));
    running_ = enabled_ && interval_ > 0 && static_cast<bool>(OnTimer);
    if (running_)
        SetTimer(TimerWindow::Handle(), reinterpret_cast<UINT_PTR>(this), interval_, nullptr);
}

void TTimer::Fire()
{
    if (firing_)
        return;
    firing_ = true;
    Application->DispatchEvent([this] { OnTimer(this); });
    firing_ = false;
}
