#pragma once
// Controls: the visual components. A windowed control (TWinControl) is a real
// window whose text is its caption.
#include "Classes.h"
#include "Graphics.h"

#include <cstdint>
#include <string>
#include <vector>

struct HWND__;
struct HFONT__;

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
    virtual void SetParent(TWinControl* parent);

    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;

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
    // Creates this control's window, then those of its child controls.
    void CreateHandle();

    const std::vector<TControl*>& Controls() const { return controls_; }

protected:
    virtual WindowParams CreateParams() = 0;
    // Handles one message of the window; the default passes it on.
    virtual std::intptr_t WndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    std::intptr_t DefaultHandler(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    std::string GetText() const override;
    void BoundsChanged() override;
    void TextChanged() override;
    void AppearanceChanged() override;

    // The native font made from Font(), for drawing and for system controls.
    HFONT__* FontHandle() const { return fontHandle_; }

private:
    friend class TControl;
    friend struct WindowProcedures;

    HWND__* handle_ = nullptr;
    HFONT__* fontHandle_ = nullptr;
    void* systemProc_ = nullptr; // the system class's procedure, for subclassed controls
    std::vector<TControl*> controls_;
};
