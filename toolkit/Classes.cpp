#include "Classes.h"

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

void TComponent::ComponentRemoved(TComponent* component)
{
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
}
