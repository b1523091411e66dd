#pragma once
// Controls: the visual components. A windowed control (TWinControl) is a real
// window whose text is its caption.
#include "Classes.h"
#include "Graphics.h"

#include <cstdint>
#include <string>
#include <vector>

struct HBRUSH__;
struct HDC__;
struct HFONT__;
struct HWND__;

class TPopupMenu;
class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* Owner);
    ~TControl() override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetBounds(int left, int top, int width, int height);

    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& caption);

    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // The control's own font, or its parent's while ParentFont is set.
    const TFont& Font() const;
    void SetFont(const TFont& font);

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);

    // The menu a right-click on the control shows; without one the click goes
    // on to the parent.
    TPopupMenu* PopupMenu() const { return popupMenu_; }

    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;
    void Loaded() override;

protected:
    virtual std::string GetText() const { return caption_; }
    // Hooks for the native side once the stored state has changed.
    virtual void BoundsChanged() {}
    virtual void TextChanged() {}
    virtual void AppearanceChanged() {}

    // Stores bounds the window itself reports, without moving it again.
    void RecordBounds(int left, int top, int width, int height);

    std::string caption_;

private:
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TColor color_ = clBtnFace;
    TFont font_;
    bool parentFont_ = true;
    TWinControl* parent_ = nullptr;
    std::string popupMenuName_;
    TPopupMenu* popupMenu_ = nullptr;
};

// A control without a window of its own, drawn on its parent.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* Owner);

    virtual void Paint(HDC__* dc) = 0;

protected:
    void BoundsChanged() override { Invalidate(); }
    void TextChanged() override { Invalidate(); }
    void AppearanceChanged() override { Invalidate(); }
    void Invalidate();
};

// How the toolkit creates a control's window.
struct WindowParams {
    std::wstring className;
    unsigned long style = 0;
    unsigned long exStyle = 0;
    HWND__* parent = nullptr;
    // True: a window class of the toolkit's own, registered on first use. False:
    // a system class (EDIT, BUTTON, ...) whose messages the control sees first.
    bool ownClass = true;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* Owner);
    ~TWinControl() override;

    HWND__* Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Creates this control's window, then those of its child controls in Tab order.
    void CreateHandle();

    const std::vector<TControl*>& Controls() const { return controls_; }

    // The place in the Tab order among the parent's controls; -1 keeps the
    // order of the description.
    int TabOrder = -1;

    // Nested controls become child controls; other components are only owned.
    void InsertChild(TComponent* child) override;
    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;

protected:
    virtual WindowParams CreateParams() = 0;
    // Runs once the window exists, before the child controls' windows.
    virtual void HandleCreated() {}
    // Runs once every window of the form exists (at the form's first showing).
    virtual void WindowsReady() {}
    // Handles one message of the window; the default passes it on.
    virtual std::intptr_t WndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    std::intptr_t DefaultHandler(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    std::string GetText() const override;
    void BoundsChanged() override;
    void TextChanged() override;
    void AppearanceChanged() override;

    // A notification (BN_CLICKED, ...) that a system control sent its parent.
    virtual void Command(unsigned notification);
    // Prepares dc for a system control to draw itself in the control's colours.
    virtual HBRUSH__* ControlColor(HDC__* dc);
    // Draws the graphic controls (labels, ...) that lie on this control.
    void PaintGraphicControls(HDC__* dc);

    // The native font made from Font(), for drawing and for system controls.
    HFONT__* FontHandle() const { return fontHandle_; }

private:
    friend class TControl;
    friend struct WindowProcedures;
    void NotifyWindowsReady();

    HWND__* handle_ = nullptr;
    HFONT__* fontHandle_ = nullptr;
    HBRUSH__* brush_ = nullptr;
    void* systemProc_ = nullptr; // the system class's procedure, for subclassed controls
    std::vector<TControl*> controls_;
};
