#pragma once
// Pop-up menus: a tree of items; an item with items of its own is a submenu,
// and an item captioned "-" is a separator line.
#include "Classes.h"

#include <string>
#include <vector>

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* Owner);

    std::string Caption;
    TNotifyEvent OnClick;

    const std::vector<TMenuItem*>& Items() const { return items_; }
    bool IsSeparator() const { return Caption == "-"; }

    void InsertChild(TComponent* child) override;
    bool SetProperty(const FormProperty& property, const FormHandlers& handlers) override;

private:
    std::vector<TMenuItem*> items_;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* Owner);

    const std::vector<TMenuItem*>& Items() const { return items_; }
    // Shows the menu at a screen position and runs the chosen item's OnClick;
    // dismissing the menu does nothing.
    void Popup(int x, int y);

    void InsertChild(TComponent* child) override;

private:
    std::vector<TMenuItem*> items_;
};
