#include "FormLoader.h"

#include "Codepage.h"
#include "ExtCtrls.h"
#include "FormReader.h"
#include "Forms.h"
#include "Menus.h"
#include "Native.h"
#include "StdCtrls.h"

#include <algorithm>
#include <map>

namespace {

using Factory = std::function<TComponent*(TComponent* owner)>;

const Factory* componentFactory(const std::string& className)
{
    static const std::map<std::string, Factory> factories = {
        {"TBevel", [](TComponent* owner) { return new TBevel(owner); }},
        {"TButton", [](TComponent* owner) { return new TButton(owner); }},
        {"TCheckBox", [](TComponent* owner) { return new TCheckBox(owner); }},
        {"TEdit", [](TComponent* owner) { return new TEdit(owner); }},
        {"TLabel", [](TComponent* owner) { return new TLabel(owner); }},
        {"TMemo", [](TComponent* owner) { return new TMemo(owner); }},
        {"TMenuItem", [](TComponent* owner) { return new TMenuItem(owner); }},
        {"TPanel", [](TComponent* owner) { return new TPanel(owner); }},
        {"TPopupMenu", [](TComponent* owner) { return new TPopupMenu(owner); }},
        {"TRadioGroup", [](TComponent* owner) { return new TRadioGroup(owner); }},
        {"TTimer", [](TComponent* owner) { return new TTimer(owner); }},
    };
    auto found = factories.find(className);
    return found == factories.end() ? nullptr : &found->second;
}

// The description of a unit, embedded as an RCDATA resource named after it.
std::string formResource(const std::string& unitName)
{
    std::wstring name = WideFromAnsi(unitName);
    std::transform(name.begin(), name.end(), name.begin(), ::towupper);
    HRSRC resource = FindResourceW(ModuleInstance(), name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL loaded = resource ? LoadResource(ModuleInstance(), resource) : nullptr;
    if (!loaded)
        throw EFormError(unitName + ".form is not in the program");
    return std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(ModuleInstance(), resource));
}

class Builder {
public:
    Builder(TForm& form, const std::string& unitName, const FormBinding& binding)
        : form_(form), unit_(unitName), binding_(binding)
    {
    }

    void Build(const FormObject& root)
    {
        setProperties(form_, root);
        buildChildren(form_, root);
        for (const std::string& member : binding_.MemberNames())
            if (std::find(bound_.begin(), bound_.end(), member) == bound_.end())
                throw FormErrorAt(unit_, root.line, "no component for the member " + member);
    }

private:
    void setProperties(TComponent& component, const FormObject& object)
    {
        for (const FormProperty& property : object.properties) {
            try {
                if (!component.SetProperty(property, binding_))
                    throw EFormError("unknown property " + property.name + " of " + object.className);
            } catch (const EFormError& error) {
                throw FormErrorAt(unit_, property.line, object.name + ": " + error.Message);
            }
        }
    }

    void buildChildren(TComponent& container, const FormObject& object)
    {
        for (const FormObject& child : object.children) {
            const Factory* factory = componentFactory(child.className);
            if (!factory)
                throw FormErrorAt(unit_, child.line, "unknown component class " + child.className);
            TComponent* component = (*factory)(&form_);
            component->Name = child.name;
            try {
                container.InsertChild(component);
            } catch (const EFormError& error) {
                throw FormErrorAt(unit_, child.line, error.Message);
            }
            if (!binding_.BindMember(child.name, component))
                throw FormErrorAt(unit_, child.line, "the form class has no member " + child.name + " of class " +
                                                         child.className);
            bound_.push_back(child.name);
            setProperties(*component, child);
            buildChildren(*component, child);
        }
    }

    TForm& form_;
    const std::string& unit_;
    const FormBinding& binding_;
    std::vector<std::string> bound_;
};

void notifyLoaded(TComponent& component)
{
    component.Loaded();
    for (TComponent* owned : component.Components())
        notifyLoaded(*owned);
}

} // namespace

void LoadFormDescription(TForm& form, const std::string& unitName, const FormBinding& binding)
{
    FormObject root = ReadFormDescription(formResource(unitName), unitName);
    form.Name = root.name;
    form.windowClass_ = WideFromAnsi(root.className);
    Builder(form, unitName, binding).Build(root);
    notifyLoaded(form);
}
