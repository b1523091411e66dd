#include "Classes.h"

#include "Exceptions.h"

#include <algorithm>

TComponent::TComponent(TComponent* Owner) : owner_(Owner)
{
    if (owner_)
        owner_->components_.push_back(this);
}

TComponent::~TComponent()
{
    // The newest first, so that a component never outlives one it was built on.
    while (!components_.empty())
        delete components_.back();
    if (owner_)
        owner_->ComponentRemoved(this);
}

bool TComponent::SetProperty(const FormProperty&, const FormHandlers&)
{
    return false;
}

void TComponent::InsertChild(TComponent* child)
{
    throw EFormError(Name + " cannot hold " + child->Name);
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (TComponent* component : components_)
        if (component->Name == name)
            return component;
    return nullptr;
}

void TComponent::ComponentRemoved(TComponent* component)
{
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
}
