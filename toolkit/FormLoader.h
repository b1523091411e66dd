#pragma once
// Binds a form description to its form class: each component of the
// description becomes the form's member of the same name and each event is
// bound to the form's handler of the given name. Every form class lists its
// members and handlers in one table:
//
//   static const FormTable<TForm1> table{
//       {FORM_MEMBER(TForm1, Panela1), FORM_MEMBER(TForm1, Timer1)},
//       {FORM_HANDLER(TForm1, Timer1Timer)},
//   };
//
// An unknown component class, property, member or handler is an EFormError
// that names the form and the line.
#include "Classes.h"
#include "Exceptions.h"

#include <functional>
#include <string>
#include <variant>
#include <vector>

class TForm;

class FormBinding : public FormHandlers {
public:
    // Stores a built component in the form's member of that name; false when
    // the form has no such member of the component's class.
    virtual bool BindMember(const std::string& name, TComponent* component) const = 0;
    virtual std::vector<std::string> MemberNames() const = 0;

protected:
    ~FormBinding() = default;
};

template <class Form>
struct FormTable {
    using NotifyMethod = void (Form::*)(TObject* Sender);
    using CloseMethod = void (Form::*)(TObject* Sender, TCloseAction& Action);

    struct Member {
        std::string name;
        std::function<bool(Form&, TComponent*)> bind;
    };
    struct Handler {
        std::string name;
        std::variant<NotifyMethod, CloseMethod> method;
    };

    std::vector<Member> members;
    std::vector<Handler> handlers;
};

template <class Form, class Component>
typename FormTable<Form>::Member FormMember(const char* name, Component* Form::*field)
{
    return {name, [field](Form& form, TComponent* component) {
                auto* typed = dynamic_cast<Component*>(component);
                form.*field = typed;
                return typed != nullptr;
            }};
}

#define FORM_MEMBER(Form, member) FormMember(#member, &Form::member)
#define FORM_HANDLER(Form, handler) typename FormTable<Form>::Handler{#handler, &Form::handler}

// A form's table bound to the form being built.
template <class Form>
class BoundTable final : public FormBinding {
public:
    BoundTable(Form& form, const FormTable<Form>& table) : form_(form), table_(table) {}

    bool BindMember(const std::string& name, TComponent* component) const override
    {
        for (const auto& member : table_.members)
            if (member.name == name)
                return member.bind(form_, component);
        return false;
    }

    std::vector<std::string> MemberNames() const override
    {
        std::vector<std::string> names;
        for (const auto& member : table_.members)
            names.push_back(member.name);
        return names;
    }

    TNotifyEvent NotifyHandler(const std::string& name) const override
    {
        auto method = std::get_if<typename FormTable<Form>::NotifyMethod>(&find(name));
        if (!method)
            throw EFormError(name + " is not a handler of this kind of event");
        Form* form = &form_;
        return [form, method = *method](TObject* Sender) { (form->*method)(Sender); };
    }

    TCloseEvent CloseHandler(const std::string& name) const override
    {
        auto method = std::get_if<typename FormTable<Form>::CloseMethod>(&find(name));
        if (!method)
            throw EFormError(name + " is not a close handler");
        Form* form = &form_;
        return [form, method = *method](TObject* Sender, TCloseAction& Action) { (form->*method)(Sender, Action); };
    }

private:
    const auto& find(const std::string& name) const
    {
        for (const auto& handler : table_.handlers)
            if (handler.name == name)
                return handler.method;
        throw EFormError("the form has no handler " + name);
    }

    Form& form_;
    const FormTable<Form>& table_;
};

// Reads the description embedded for unitName and builds form from it.
void LoadFormDescription(TForm& form, const std::string& unitName, const FormBinding& binding);
