#pragma once
// The standard controls: labels, one-line edits, buttons and check boxes.
#include "Controls.h"

// A caption drawn left-aligned on one line on its parent, with the parent
// showing through. Its size follows its caption in its font, whatever size
// the description gives.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* Owner);
    void Paint(HDC__* dc) override;

protected:
    void BoundsChanged() override;
    void TextChanged() override;
    void AppearanceChanged() override;

private:
    void AdjustSize();
};

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* Owner);

    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }

    // Shown and focusable, but not editable.
    bool ReadOnly = false;

    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;

protected:
    WindowParams CreateParams() override;
    void HandleCreated() override;
};

// A multi-line edit: Enter starts a new line; its line breaks are CR LF.
class TMemo : public TEdit {
public:
    explicit TMemo(TComponent* Owner);

    bool WordWrap = true;
    enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth } ScrollBars = ssNone;

    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;

protected:
    WindowParams CreateParams() override;
};

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* Owner);

    TNotifyEvent OnClick;
    // Presses the button: runs OnClick as a click by the user would.
    void Click();

    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;

protected:
    WindowParams CreateParams() override;
    void Command(unsigned notification) override;
};

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* Owner);

    bool Checked() const;
    void SetChecked(bool checked);

    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;

protected:
    WindowParams CreateParams() override;
    void HandleCreated() override;

private:
    bool checked_ = false; // until the window exists; then the window holds it
};
