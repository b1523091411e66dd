#include "StdCtrls.h"

#include "Codepage.h"
#include "Exceptions.h"
#include "FormReader.h"
#include "Forms.h"
#include "Native.h"

#include <algorithm>

namespace {

WindowParams systemControl(const TWinControl& control, const wchar_t* className, unsigned long style)
{
    WindowParams params;
    params.className = className;
    params.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | style;
    params.parent = control.Parent()->Handle();
    params.ownClass = false;
    return params;
}

} // namespace

// ---- TLabel

TLabel::TLabel(TComponent* Owner) : TGraphicControl(Owner) {}

namespace {

constexpr UINT labelTextFormat = DT_LEFT | DT_SINGLELINE | DT_NOPREFIX;

} // namespace

void TLabel::Paint(HDC__* dc)
{
    RECT rect{Left(), Top(), Left() + Width(), Top() + Height()};
    HGDIOBJ previous = SelectObject(dc, SharedFont(Font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRef(Font().Color));
    std::wstring caption = WideFromAnsi(Caption());
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, labelTextFormat);
    SelectObject(dc, previous);
}

void TLabel::AdjustSize()
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, SharedFont(Font()));
    std::wstring caption = WideFromAnsi(Caption());
    RECT extent{0, 0, 0, 0};
    DrawTextW(screen, caption.c_str(), static_cast<int>(caption.size()), &extent, labelTextFormat | DT_CALCRECT);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    // A shorter caption leaves part of the old area to repaint.
    Invalidate();
    RecordBounds(Left(), Top(), extent.right, extent.bottom);
    Invalidate();
}

void TLabel::BoundsChanged()
{
    AdjustSize();
}

void TLabel::TextChanged()
{
    AdjustSize();
}

void TLabel::AppearanceChanged()
{
    AdjustSize();
}

// ---- TEdit

TEdit::TEdit(TComponent* Owner) : TWinControl(Owner)
{
    SetColor(clWindow);
}

bool TEdit::SetProperty(const FormProperty& property, const FormHandlers& handlers)
{
    if (property.name == "Text")
        SetText(property.value.AsText());
    else if (property.name == "ReadOnly")
        ReadOnly = property.value.AsBool();
    else
        return TWinControl::SetProperty(property, handlers);
    return true;
}

WindowParams TEdit::CreateParams()
{
    WindowParams params = systemControl(*this, L"EDIT", ES_AUTOHSCROLL | (ReadOnly ? ES_READONLY : 0));
    params.exStyle = WS_EX_CLIENTEDGE;
    return params;
}

void TEdit::HandleCreated()
{
    // No limit on the length of the text.
    SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

// ---- TMemo

TMemo::TMemo(TComponent* Owner) : TEdit(Owner) {}

bool TMemo::SetProperty(const FormProperty& property, const FormHandlers& handlers)
{
    if (property.name == "WordWrap") {
        WordWrap = property.value.AsBool();
    } else if (property.name == "ScrollBars") {
        static const std::pair<const char*, TScrollStyle> styles[] = {
            {"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth}};
        const std::string& name = property.value.AsIdentifier();
        auto found = std::find_if(std::begin(styles), std::end(styles),
                                  [&](const auto& style) { return name == style.first; });
        if (found == std::end(styles))
            throw EFormError("unknown scroll bars " + name);
        ScrollBars = found->second;
    } else {
        return TEdit::SetProperty(property, handlers);
    }
    return true;
}

WindowParams TMemo::CreateParams()
{
    unsigned long style = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (!WordWrap)
        style |= ES_AUTOHSCROLL;
    if (ScrollBars == ssHorizontal || ScrollBars == ssBoth)
        style |= WS_HSCROLL;
    if (ScrollBars == ssVertical || ScrollBars == ssBoth)
        style |= WS_VSCROLL;
    WindowParams params = systemControl(*this, L"EDIT", style | (ReadOnly ? ES_READONLY : 0));
    params.exStyle = WS_EX_CLIENTEDGE;
    return params;
}

// ---- TButton

TButton::TButton(TComponent* Owner) : TWinControl(Owner) {}

void TButton::Click()
{
    if (OnClick)
        Application->DispatchEvent([this] { OnClick(this); });
}

bool TButton::SetProperty(const FormProperty& property, const FormHandlers& handlers)
{
    if (property.name != "OnClick")
        return TWinControl::SetProperty(property, handlers);
    OnClick = handlers.NotifyHandler(property.value.AsIdentifier());
    return true;
}

WindowParams TButton::CreateParams()
{
    return systemControl(*this, L"BUTTON", BS_PUSHBUTTON);
}

void TButton::Command(unsigned notification)
{
    if (notification == BN_CLICKED)
        Click();
}

// ---- TCheckBox

TCheckBox::TCheckBox(TComponent* Owner) : TWinControl(Owner) {}

bool TCheckBox::Checked() const
{
    if (!Handle())
        return checked_;
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked)
{
    checked_ = checked;
    if (Handle())
        SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::SetProperty(const FormProperty& property, const FormHandlers& handlers)
{
    if (property.name != "Checked")
        return TWinControl::SetProperty(property, handlers);
    SetChecked(property.value.AsBool());
    return true;
}

WindowParams TCheckBox::CreateParams()
{
    return systemControl(*this, L"BUTTON", BS_AUTOCHECKBOX);
}

void TCheckBox::HandleCreated()
{
    SetChecked(checked_);
}
