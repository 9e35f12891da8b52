// Ownership lists, free notifications and the destruction protocol of components.
#include "framework/TComponent.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"
#include "framework/SysUtils.h"

#include <algorithm>

namespace {

bool IsValidIdent(std::string_view name) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (name.empty() || !letter(name[0])) return false;
    return std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || digit(c); });
}

void EraseFirst(std::vector<TComponent*>& list, TComponent* item) {
    const auto found = std::find(list.begin(), list.end(), item);
    if (found != list.end()) list.erase(found);
}

} // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    BeforeDestruction();
}

void TComponent::BeforeDestruction() {
    if (FDestructionDone) return;
    FDestructionDone = true;
    Destroying();
    NotifyFreeListeners();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
    if (FComponentState.Contains(csDestroying)) return;
    FComponentState.Include(csDestroying);
    for (TComponent* component : FComponents) component->Destroying();
}

// Each listener is taken off both lists before it is told, so a listener that ignores the news,
// or frees other listeners while hearing it, cannot leave a stale entry behind.
void TComponent::NotifyFreeListeners() {
    while (!FFreeNotifies.empty()) {
        TComponent* listener = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        EraseFirst(listener->FFreeNotifies, this);
        listener->Notification(this, opRemove);
    }
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) throw EListError(Format(SListIndexError, {index}));
    return FComponents[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    const auto& list = FOwner->FComponents;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetName(const std::string& name) {
    if (name == FName) return;
    if (!name.empty() && !IsValidIdent(name)) throw EComponentError(Format(SInvalidName, {name}));
    if (FOwner)
        FOwner->ValidateRename(this, FName, name);
    else
        ValidateRename(nullptr, FName, name);
    FName = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& currentName, const std::string& newName) {
    if (!component || SameText(currentName, newName)) return;
    if (const TComponent* holder = FindComponent(newName); holder && holder != component)
        throw EComponentError(Format(SDuplicateName, {newName}));
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* component : FComponents)
        if (SameText(component->FName, name)) return component;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    for (const TComponent* owner = this; owner; owner = owner->FOwner)
        if (owner == component) throw EComponentError(SOwnCycle);
    ValidateRename(component, "", component->FName);
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
    if (FComponentState.Contains(csDesigning)) component->SetDesigning(true);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (component->FOwner != this) return;
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::Remove(TComponent* component) {
    EraseFirst(FComponents, component);
    component->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* component = FComponents.back();
        RemoveComponent(component);
        delete component;
    }
}

// Receivers may free components while they hear the news, so the list is walked by index from
// the end and the index is checked against the list as it is now at every step.
void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component) RemoveFreeNotification(component);
    for (std::size_t i = FComponents.size(); i > 0; --i) {
        if (i > FComponents.size()) continue;
        FComponents[i - 1]->Notification(component, operation);
    }
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (!FOwner || component->FOwner != FOwner) {
        if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
            FFreeNotifies.push_back(component);
            component->FreeNotification(this);
        }
    }
    FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    EraseFirst(FFreeNotifies, component);
    EraseFirst(component->FFreeNotifies, this);
}

void TComponent::BeginLoading() {
    FComponentState.Include(csLoading);
    FComponentState.Include(csReading);
    for (TComponent* component : FComponents) component->BeginLoading();
}

// Every component stops reading before the first Loaded() runs, as a component's Loaded may look
// at the others. Loaded() may free components, so the lists are walked by index.
void TComponent::EndLoading() {
    EndReading();
    CallLoaded();
}

void TComponent::EndReading() {
    FComponentState.Exclude(csReading);
    for (TComponent* component : FComponents) component->EndReading();
}

void TComponent::CallLoaded() {
    if (FComponentState.Contains(csLoading)) Loaded();
    for (std::size_t i = 0; i < FComponents.size(); ++i) FComponents[i]->CallLoaded();
}

void TComponent::Loaded() {
    FComponentState.Exclude(csLoading);
}

void TComponent::SetDesigning(bool designing, bool setChildren) {
    SetState(csDesigning, designing);
    if (!setChildren) return;
    for (TComponent* component : FComponents) component->SetDesigning(designing, true);
}
