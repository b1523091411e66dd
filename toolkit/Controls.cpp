#include "Controls.h"

#include "Codepage.h"
#include "Exceptions.h"
#include "FormReader.h"
#include "Forms.h"
#include "Menus.h"
#include "Native.h"

#include <algorithm>

// ---- TControl

TControl::TControl(TComponent* Owner) : TComponent(Owner) {}

TControl::~TControl()
{
    if (parent_)
        parent_->controls_.erase(std::remove(parent_->controls_.begin(), parent_->controls_.end(), this),
                                 parent_->controls_.end());
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    RecordBounds(left, top, width, height);
    BoundsChanged();
}

void TControl::RecordBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::SetCaption(const std::string& caption)
{
    // Writing the text it already shows leaves the control alone: no repaint.
    bool unchanged = caption == GetText();
    caption_ = caption;
    if (!unchanged)
        TextChanged();
}

void TControl::SetColor(TColor color)
{
    color_ = color;
    AppearanceChanged();
}

const TFont& TControl::Font() const
{
    return parentFont_ && parent_ ? parent_->Font() : font_;
}

void TControl::SetFont(const TFont& font)
{
    font_ = font;
    parentFont_ = false;
    AppearanceChanged();
}

void TControl::SetParent(TWinControl* parent)
{
    parent_ = parent;
    parent_->controls_.push_back(this);
}

bool TControl::SetProperty(const FormProperty& property, const FormHandlers& handlers)
{
    const std::string& name = property.name;
    const FormValue& value = property.value;
    if (name == "Left")
        SetLeft(value.AsInt());
    else if (name == "Top")
        SetTop(value.AsInt());
    else if (name == "Width")
        SetBounds(left_, top_, value.AsInt(), height_);
    else if (name == "Height")
        SetBounds(left_, top_, width_, value.AsInt());
    else if (name == "Caption")
        SetCaption(value.AsText());
    else if (name == "Color") {
        std::optional<TColor> color = value.kind == FormValue::Kind::Number
                                          ? std::optional<TColor>(static_cast<TColor>(value.number))
                                          : ColorFromName(value.AsIdentifier());
        if (!color)
            throw EFormError("unknown colour " + value.text);
        SetColor(*color);
    } else if (name == "ParentFont") {
        parentFont_ = value.AsBool();
    } else if (name == "PopupMenu") {
        // Resolved in Loaded: the menu is usually declared after the control.
        popupMenuName_ = value.AsIdentifier();
    } else if (name.rfind("Font.", 0) == 0) {
        TFont font = Font();
        std::string field = name.substr(5);
        if (field == "Name")
            font.Name = value.AsText();
        else if (field == "Height")
            font.Height = value.AsInt();
        else if (field == "Color") {
            std::optional<TColor> color = ColorFromName(value.AsIdentifier());
            if (!color)
                throw EFormError("unknown colour " + value.text);
            font.Color = *color;
        } else if (field == "Charset") {
            std::optional<int> charset = value.kind == FormValue::Kind::Number ? std::optional<int>(value.AsInt())
                                                                               : CharsetFromName(value.AsIdentifier());
            if (!charset)
                throw EFormError("unknown character set " + value.text);
            font.Charset = *charset;
        } else if (field == "Style") {
            font.Bold = font.Italic = font.Underline = font.StrikeOut = false;
            for (const std::string& style : value.AsSet()) {
                if (style == "fsBold")
                    font.Bold = true;
                else if (style == "fsItalic")
                    font.Italic = true;
                else if (style == "fsUnderline")
                    font.Underline = true;
                else if (style == "fsStrikeOut")
                    font.StrikeOut = true;
                else
                    throw EFormError("unknown font style " + style);
            }
        } else {
            return false;
        }
        SetFont(font);
    } else {
        return TComponent::SetProperty(property, handlers);
    }
    return true;
}

void TControl::Loaded()
{
    if (popupMenuName_.empty())
        return;
    // A form owns its menu; a control's menu belongs to the control's form.
    TComponent* menu = FindComponent(popupMenuName_);
    if (!menu && Owner())
        menu = Owner()->FindComponent(popupMenuName_);
    popupMenu_ = dynamic_cast<TPopupMenu*>(menu);
    if (!popupMenu_)
        throw EFormError(Name + ": there is no pop-up menu " + popupMenuName_);
}

// ---- TGraphicControl

TGraphicControl::TGraphicControl(TComponent* Owner) : TControl(Owner) {}

void TGraphicControl::Invalidate()
{
    if (!Parent() || !Parent()->Handle())
        return;
    RECT rect{Left(), Top(), Left() + Width(), Top() + Height()};
    InvalidateRect(Parent()->Handle(), &rect, TRUE);
}

// ---- TWinControl

void TWinControl::NotifyWindowsReady()
{
    WindowsReady();
    for (TControl* child : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(child))
            windowed->NotifyWindowsReady();
}

TWinControl::TWinControl(TComponent* Owner) : TControl(Owner) {}

TWinControl::~TWinControl()
{
    if (handle_) {
        HWND window = handle_;
        if (systemProc_)
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        handle_ = nullptr;
        DestroyWindow(window);
    }
    if (brush_)
        DeleteObject(brush_);
}

void TWinControl::InsertChild(TComponent* child)
{
    if (auto* control = dynamic_cast<TControl*>(child))
        control->SetParent(this);
}

bool TWinControl::SetProperty(const FormProperty& property, const FormHandlers& handlers)
{
    if (property.name != "TabOrder")
        return TControl::SetProperty(property, handlers);
    TabOrder = property.value.AsInt();
    return true;
}

void TWinControl::CreateHandle()
{
    WindowParams params = CreateParams();
    fontHandle_ = SharedFont(Font());
    if (params.ownClass)
        RegisterOwnClass(params.className);
    // The text follows once the control is set up: an edit takes a long text
    // only after its length limit is lifted.
    HWND window = CreateWindowExW(params.exStyle, params.className.c_str(), L"", params.style, Left(), Top(), Width(), Height(), params.parent, nullptr,
                                  ModuleInstance(), this);
    if (!window)
        throw Exception("cannot create the window of " + Name);
    if (!params.ownClass) {
        handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        systemProc_ = reinterpret_cast<void*>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ToolkitWindowProc)));
    }
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_), FALSE);
    HandleCreated();
    if (!caption_.empty())
        SetWindowTextW(window, WideFromAnsi(caption_).c_str());
    // Windows created later come later in the Tab order.
    std::vector<TWinControl*> children;
    for (TControl* control : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(control))
            children.push_back(windowed);
    std::stable_sort(children.begin(), children.end(), [](const TWinControl* a, const TWinControl* b) {
        return static_cast<unsigned>(a->TabOrder) < static_cast<unsigned>(b->TabOrder);
    });
    for (TWinControl* child : children)
        child->CreateHandle();
    if (!Parent())
        NotifyWindowsReady();
}

namespace {

// The control behind a child window of ours, or nullptr.
TWinControl* childControl(HWND parent, LPARAM child)
{
    HWND window = reinterpret_cast<HWND>(child);
    if (!window || GetParent(window) != parent)
        return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace

std::intptr_t TWinControl::WndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (TWinControl* child = childControl(handle_, lParam)) {
            child->Command(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (TWinControl* child = childControl(handle_, lParam))
            return reinterpret_cast<std::intptr_t>(child->ControlColor(reinterpret_cast<HDC>(wParam)));
        break;
    case WM_CONTEXTMENU:
        if (PopupMenu()) {
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (lParam == -1) { // from the keyboard: at the control's top left
                at = POINT{0, 0};
                ClientToScreen(handle_, &at);
            }
            PopupMenu()->Popup(at.x, at.y);
            return 0;
        }
        break;
    }
    if (message == WM_WINDOWPOSCHANGED) {
        // Keep the stored bounds equal to the window's, whoever moved it.
        RECT rect;
        GetWindowRect(handle_, &rect);
        if (HWND parent = GetParent(handle_); parent && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
            MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
        RecordBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    }
    return DefaultHandler(message, wParam, lParam);
}

std::intptr_t TWinControl::DefaultHandler(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (systemProc_)
        return CallWindowProcW(reinterpret_cast<WNDPROC>(systemProc_), handle_, message, wParam, lParam);
    return DefWindowProcW(handle_, message, wParam, lParam);
}

std::string TWinControl::GetText() const
{
    if (!handle_)
        return caption_;
    int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
    return AnsiFromWide(text);
}

void TWinControl::BoundsChanged()
{
    if (handle_)
        SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::TextChanged()
{
    if (!handle_)
        return;
    SetWindowTextW(handle_, WideFromAnsi(caption_).c_str());
    InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Command(unsigned) {}

HBRUSH__* TWinControl::ControlColor(HDC__* dc)
{
    SetTextColor(dc, ColorRef(Font().Color));
    SetBkColor(dc, ColorRef(Color()));
    if (!brush_)
        brush_ = CreateSolidBrush(ColorRef(Color()));
    return brush_;
}

void TWinControl::PaintGraphicControls(HDC__* dc)
{
    for (TControl* control : controls_) {
        auto* graphic = dynamic_cast<TGraphicControl*>(control);
        if (!graphic)
            continue;
        int saved = SaveDC(dc);
        IntersectClipRect(dc, graphic->Left(), graphic->Top(), graphic->Left() + graphic->Width(),
                          graphic->Top() + graphic->Height());
        graphic->Paint(dc);
        RestoreDC(dc, saved);
    }
}

void TWinControl::AppearanceChanged()
{
    if (brush_) {
        DeleteObject(brush_);
        brush_ = nullptr;
    }
    if (!handle_)
        return;
    fontHandle_ = SharedFont(Font());
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_), FALSE);
    InvalidateRect(handle_, nullptr, TRUE);
}

// ---- the window procedure of every toolkit window

struct WindowProcedures {
    static LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_NCCREATE && !control) {
            control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
            control->handle_ = window;
        }
        if (!control)
            return DefWindowProcW(window, message, wParam, lParam);
        LRESULT result = 0;
        // No exception may unwind through the system's frames.
        Application->DispatchEvent([&] { result = control->WndProc(message, wParam, lParam); });
        if (message == WM_NCDESTROY)
            control->handle_ = nullptr;
        return result;
    }
};

LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowProcedures::Dispatch(window, message, wParam, lParam);
}
