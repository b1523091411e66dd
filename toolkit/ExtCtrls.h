#pragma once
// Panels, bevels, radio groups and timers.
#include "Controls.h"

#include <string>
#include <vector>

enum TPanelBevel { bvNone, bvLowered, bvRaised };

// A rectangle of colour with a bevelled edge and a centred caption. The outer
// bevel runs along the edges, the inner one just inside it; both are
// BevelWidth wide. A panel takes no focus and handles no input of its own.
class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* Owner);

    TPanelBevel BevelOuter = bvRaised;
    TPanelBevel BevelInner = bvNone;
    int BevelWidth = 1;

    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;

protected:
    // Only the program sets a panel's text, so the stored caption is its text:
    // no need to ask the window.
    std::string GetText() const override { return caption_; }
    WindowParams CreateParams() override;
    std::intptr_t WndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    void Paint();
};

// A captioned group box with one radio button per item, of which at most one
// is selected. Windowed controls that lie over the group (fields inside its
// rows) are kept above it, so they are drawn and reached with Tab before it.
class TRadioGroup : public TWinControl {
public:
    explicit TRadioGroup(TComponent* Owner);

    const std::vector<std::string>& Items() const { return items_; }
    // The selected item, from 0; -1 when none is.
    int ItemIndex() const;
    void SetItemIndex(int index);

    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;

protected:
    void WindowsReady() override;
    WindowParams CreateParams() override;
    void HandleCreated() override;
    std::intptr_t WndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    std::vector<std::string> items_;
    std::vector<HWND__*> buttons_;
    int itemIndex_ = -1; // until the buttons exist; then they hold it
};

// A lowered box drawn on its parent, the inside left unpainted: three pixels
// high, a sunken rule.
class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* Owner);
    void Paint(HDC__* dc) override;
};

// Fires OnTimer every Interval milliseconds while enabled. A tick does not
// fire again while its handler is still running (for instance while the
// handler's error message is on screen), so errors never pile up.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* Owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);

    TNotifyEvent OnTimer;

    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;
    void Loaded() override;

private:
    friend struct TimerWindow;
    void Fire();
    void Restart();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    bool loaded_ = false;
    bool running_ = false;
    bool firing_ = false;
};
