// The reference tables and the About window as built from their descriptions,
// against the table of what each shows (ReferenceElements.h).
#include "ReferenceElements.h"
#include "WineFixture.h"

#include "clock/WindowSet.h"
#include "reference/Tel1.h"
#include "reference/Time1.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

#include <algorithm>

namespace {

using reference::Element;
using reference::Kind;

class ReferenceWindows : public WineTest {
protected:
    void SetUp() override
    {
        WineTest::SetUp();
        BuildWindowSet();
    }

    static TForm* FormNamed(const std::string& name)
    {
        for (TComponent* component : Application->Components())
            if (component->Name == name)
                return dynamic_cast<TForm*>(component);
        return nullptr;
    }

    // The form's controls, at every depth, in the order they were declared.
    static std::vector<TControl*> ControlsOf(const TForm& form)
    {
        std::vector<TControl*> controls;
        for (TComponent* component : form.Components())
            if (auto* control = dynamic_cast<TControl*>(component))
                controls.push_back(control);
        return controls;
    }

    static Kind KindOf(const TControl& control)
    {
        if (dynamic_cast<const TPanel*>(&control))
            return Kind::Cell;
        if (dynamic_cast<const TLabel*>(&control))
            return Kind::Label;
        if (dynamic_cast<const TBevel*>(&control))
            return Kind::Rule;
        return Kind::Button;
    }

    static void ExpectShows(const TForm& form, const TControl& control, const Element& expected)
    {
        SCOPED_TRACE(form.Name + "." + expected.name);
        EXPECT_EQ(KindOf(control), expected.kind);
        EXPECT_EQ(control.Parent()->Name, *expected.parent ? expected.parent : form.Name);
        EXPECT_EQ(control.Left(), expected.left);
        EXPECT_EQ(control.Top(), expected.top);
        if (expected.kind == Kind::Label) {
            // Sized to its text, which stays whole inside its parent: the
            // window's client area, or a cell within its bevel.
            EXPECT_GT(control.Width(), 0);
            EXPECT_GE(control.Height(), expected.fontHeight);
            RECT client;
            GetClientRect(control.Parent()->Handle(), &client);
            int inside = dynamic_cast<const TForm*>(control.Parent()) ? client.right : client.right - 2;
            EXPECT_LE(control.Left() + control.Width(), inside);
            EXPECT_EQ(control.Caption(), expected.caption);
        } else {
            EXPECT_EQ(control.Width(), expected.width);
            EXPECT_EQ(control.Height(), expected.height);
        }
        if (expected.kind == Kind::Cell || expected.kind == Kind::Button) {
            EXPECT_EQ(WindowText(control), expected.caption);
        }
        if (expected.kind == Kind::Cell) {
            EXPECT_EQ(control.Color(), expected.fill);
        }
        if (expected.kind != Kind::Rule) {
            const TFont& font = control.Font();
            EXPECT_EQ(font.Name, "ＭＳ Ｐゴシック");
            EXPECT_EQ(font.Charset, SHIFTJIS_CHARSET_CODE);
            EXPECT_EQ(font.Height, -expected.fontHeight);
            EXPECT_EQ(font.Bold, expected.bold);
            EXPECT_EQ(font.Color, expected.ink);
        }
    }
};

TEST_F(ReferenceWindows, EveryWindowShowsItsTableInItsDeclaredOrder)
{
    for (const reference::Window& window : reference::Windows()) {
        SCOPED_TRACE(window.name);
        TForm* form = FormNamed(window.name);
        ASSERT_TRUE(form);
        EXPECT_EQ(WindowText(*form), window.caption);
        EXPECT_EQ(form->Width(), window.width);
        EXPECT_EQ(form->Height(), window.height);
        EXPECT_EQ(form->Color(), clBtnFace);
        EXPECT_EQ(form->Position, window.centred ? poScreenCenter : poDesigned);
        if (!window.centred) {
            EXPECT_EQ(form->Left(), window.left);
            EXPECT_EQ(form->Top(), window.top);
        }

        // The listed elements come in the listed order; the cells that follow
        // the time-difference rule are the only others.
        std::vector<TControl*> controls = ControlsOf(*form);
        EXPECT_EQ(controls.size(), window.elements.size() + window.cellsByRule);
        auto next = controls.begin();
        for (const Element& expected : window.elements) {
            next = std::find_if(next, controls.end(), [&](TControl* c) { return c->Name == expected.name; });
            ASSERT_NE(next, controls.end()) << expected.name << " is missing or out of order";
            ExpectShows(*form, **next, expected);
        }
    }
}

// Every cell of every table has the one frame and stands on the 8-pixel grid
// with sizes of 8k + 1, so that neighbours share one edge line.
TEST_F(ReferenceWindows, EveryCellHasTheCommonFrameOnTheGrid)
{
    for (const reference::Window& window : reference::Windows()) {
        for (TControl* control : ControlsOf(*FormNamed(window.name))) {
            auto* cell = dynamic_cast<TPanel*>(control);
            if (!cell)
                continue;
            SCOPED_TRACE(std::string(window.name) + "." + cell->Name);
            EXPECT_EQ(cell->BevelOuter, bvNone);
            EXPECT_EQ(cell->BevelInner, bvLowered);
            EXPECT_EQ(cell->BevelWidth, 2);
            EXPECT_EQ(cell->Left() % 8, 0);
            EXPECT_EQ(cell->Top() % 8, 0);
            EXPECT_EQ(cell->Width() % 8, 1);
            EXPECT_EQ(cell->Height() % 8, 1);
            EXPECT_FALSE(GetWindowLongW(cell->Handle(), GWL_STYLE) & WS_TABSTOP);
        }
    }
}

// The only control that takes the focus is the close button; in a window with
// no button the focus stays with the window, never on a cell.
TEST_F(ReferenceWindows, OnlyTheCloseButtonTakesTheFocus)
{
    Form5->Show();
    EXPECT_EQ(GetFocus(), Form5->Button1->Handle());
    Form7->Show();
    EXPECT_EQ(GetFocus(), Form7->Handle());
    // A click on a cell leaves the focus where it was.
    Form5->Show();
    SendMessageW(Form5->Panel20->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(Form5->Panel20->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), Form5->Button1->Handle());
    EXPECT_TRUE(errors.empty());
}

} // namespace
