#pragma once
// Forms and the application object. A form scrolls automatically: on each
// axis on which its client area is smaller than the extent of its controls it
// shows a scroll bar, which moves the controls, and it drops the bar again
// once the client area is large enough.
#include "Controls.h"
#include "FormLoader.h"

#include <functional>
#include <string>

enum TPosition { poDesigned, poScreenCenter };

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* Owner);

    // Makes the form visible and brings it to the front. A centred form is
    // centred on the screen the first time it is shown in a run.
    void Show();
    void Hide();
    bool Visible() const;
    // Asks the form to close: the close event may change the proposed action.
    // The main form's close ends the application; any other form is hidden.
    void Close();

    TPosition Position = poDesigned;
    TCloseEvent OnClose;
    // Runs when Windows ends the session (log-off, shut-down) while the program
    // runs. Nothing it raises is shown: a message box would hold the shut-down.
    TNotifyEvent OnEndSession;

    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;

protected:
    void WindowsReady() override;
    // Builds the form from the description embedded for its unit ("Main"),
    // binding components and events through the form class's table.
    template <class Form>
    void LoadForm(const std::string& unitName, const FormTable<Form>& table)
    {
        LoadFormDescription(*this, unitName, BoundTable<Form>(static_cast<Form&>(*this), table));
    }

    WindowParams CreateParams() override;
    std::intptr_t WndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    friend void LoadFormDescription(TForm& form, const std::string& unitName, const FormBinding& binding);

    void UpdateScrollBars();
    // Runs a scroll bar request (SB_LINEDOWN, ...) on SB_HORZ or SB_VERT.
    void Scroll(int bar, unsigned request);
    void ScrollTo(int x, int y);

    std::wstring windowClass_;
    bool shownBefore_ = false;
    HWND__* focused_ = nullptr;
    // How far the controls are scrolled, in pixels.
    int scrollX_ = 0;
    int scrollY_ = 0;
    bool scrollBarsChanging_ = false;
};

class TApplication : public TComponent {
public:
    TApplication();

    // Registers what the windows need; the first call of every run.
    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // Creates a form into its global pointer; the first one becomes the main form.
    template <class Form>
    void CreateForm(Form*& reference)
    {
        reference = new Form(this);
        if (!mainForm_)
            mainForm_ = reference;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and dispatches messages until Terminate.
    void Run();
    void Terminate();

    // Runs an event handler: an error it raises is shown and the program goes on.
    void DispatchEvent(const std::function<void()>& handler);
    void ShowException(const Exception& error);

    // Where errors are shown: a message box captioned with the title, unless
    // replaced (tests record the text instead).
    std::function<void(const std::string& text)> ErrorDisplay;

    HWND__* Handle() const { return handle_; }

protected:
    void ComponentRemoved(TComponent* component) override;

private:
    std::string title_;
    TForm* mainForm_ = nullptr;
    HWND__* handle_ = nullptr;
};

extern TApplication* Application;
