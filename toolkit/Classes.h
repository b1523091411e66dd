#pragma once
// The root of the component model: objects, events and owned components.
#include <functional>
#include <string>
#include <vector>

struct FormProperty;

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// The handlers a form description may bind events to, by name. Each lookup
// raises EFormError for a name the form has no handler of that kind for.
class FormHandlers {
public:
    virtual TNotifyEvent NotifyHandler(const std::string& name) const = 0;
    virtual TCloseEvent CloseHandler(const std::string& name) const = 0;

protected:
    ~FormHandlers() = default;
};

// A component is owned by another and destroyed with it.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* Owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }

    // Sets one property read from a form description; false when the class has
    // no property of that name. A value of the wrong kind raises EFormError.
    virtual bool SetProperty(const FormProperty& property, const FormHandlers& handlers);

    // Takes a component that the description nests inside this one; raises
    // EFormError where this class holds none of that kind.
    virtual void InsertChild(TComponent* child);

    // Runs once every component of the description is built and bound.
    virtual void Loaded() {}

    // The owned component of that name, or nullptr.
    TComponent* FindComponent(const std::string& name) const;

    std::string Name;

protected:
    // Tells the owner that one of its components is being destroyed.
    virtual void ComponentRemoved(TComponent* component);

private:
    TComponent* owner_;
    std::vector<TComponent*> components_;
};
