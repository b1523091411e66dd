#include "Menus.h"

#include "Codepage.h"
#include "Exceptions.h"
#include "FormReader.h"
#include "Forms.h"
#include "Native.h"

namespace {

void insertItem(std::vector<TMenuItem*>& items, const std::string& holder, TComponent* child)
{
    auto* item = dynamic_cast<TMenuItem*>(child);
    if (!item)
        throw EFormError(holder + " holds only menu items, not " + child->Name);
    items.push_back(item);
}

// Appends items to a native menu; a command's id is its place in commands, plus 1.
void appendItems(HMENU menu, const std::vector<TMenuItem*>& items, std::vector<TMenuItem*>& commands)
{
    for (TMenuItem* item : items) {
        std::wstring caption = WideFromAnsi(item->Caption);
        if (item->IsSeparator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item->Items().empty()) {
            HMENU submenu = CreatePopupMenu();
            appendItems(submenu, item->Items(), commands);
            AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
        } else {
            commands.push_back(item);
            AppendMenuW(menu, MF_STRING, commands.size(), caption.c_str());
        }
    }
}

} // namespace

TMenuItem::TMenuItem(TComponent* Owner) : TComponent(Owner) {}

void TMenuItem::InsertChild(TComponent* child)
{
    insertItem(items_, Name, child);
}

bool TMenuItem::SetProperty(const FormProperty& property, const FormHandlers& handlers)
{
    if (property.name == "Caption")
        Caption = property.value.AsText();
    else if (property.name == "OnClick")
        OnClick = handlers.NotifyHandler(property.value.AsIdentifier());
    else
        return TComponent::SetProperty(property, handlers);
    return true;
}

TPopupMenu::TPopupMenu(TComponent* Owner) : TComponent(Owner) {}

void TPopupMenu::InsertChild(TComponent* child)
{
    insertItem(items_, Name, child);
}

void TPopupMenu::Popup(int x, int y)
{
    auto* form = dynamic_cast<TWinControl*>(Owner());
    HWND owner = form ? form->Handle() : Application->Handle();
    HMENU menu = CreatePopupMenu();
    std::vector<TMenuItem*> commands;
    appendItems(menu, items_, commands);
    // The owner must be in the foreground, or the menu does not close when
    // the user clicks elsewhere.
    SetForegroundWindow(owner);
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
    if (chosen > 0 && chosen <= commands.size() && commands[chosen - 1]->OnClick)
        commands[chosen - 1]->OnClick(commands[chosen - 1]);
}
