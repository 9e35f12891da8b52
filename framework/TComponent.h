// Owned components: an owner frees what it owns; names, tags, state and removal notifications.
#pragma once

#include "framework/TPersistent.h"
#include "framework/TSet.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance,
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

// Ownership is by raw pointer: `new TThing(owner)` hands the new component to its owner, which
// deletes it when it goes itself. A component deleted by anyone else first leaves its owner's
// list, so nothing is freed twice.
//
// Going away runs in this order: csDestroying is set on the component and everything it owns;
// every component that asked for a free notification is told (opRemove); the owned components
// are removed and deleted, the last first; finally the component leaves its owner, whose
// Notification tells all its other components. A receiver of opRemove must only compare the
// pointer it gets, never call it: the component is part-way through its destructor.
//
// C++ destroys the derived part of an object before ~TComponent runs, so a class whose owned
// components still use it while they go (a parent control with its children) calls
// BeforeDestruction() first thing in its own destructor; the protocol then runs while the
// object is whole, and ~TComponent finds nothing left to do.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    std::string ClassName() const override { return "TComponent"; }

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    // The owned component at index; EListError when there is none.
    TComponent* Components(int index) const;
    // This component's place in its owner's list, -1 without an owner.
    int ComponentIndex() const;

    const std::string& Name() const { return FName; }
    // A non-empty name must be an identifier and unique (ignoring case) among the components of
    // the same owner; otherwise EComponentError is thrown and the old name stays.
    virtual void SetName(const std::string& name);
    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t tag) { FTag = tag; }
    TComponentState ComponentState() const { return FComponentState; }

    // The owned component of that name (ignoring case), or nullptr.
    TComponent* FindComponent(std::string_view name) const;
    // Takes the component over, from its previous owner if it had one.
    void InsertComponent(TComponent* component);
    // Gives the component up without freeing it; it then has no owner.
    void RemoveComponent(TComponent* component);
    // Deletes every owned component, the last first.
    void DestroyComponents();

    // The component will be told (Notification with opRemove) when this one is destroyed, and
    // this one when it is. Components of one owner need not ask: the owner tells them anyway.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Stored state is being applied: csLoading and csReading on this component and everything
    // it owns. EndLoading clears csReading and calls Loaded() on this component, then on the owned
    // ones in order; Loaded() clears csLoading.
    void BeginLoading();
    void EndLoading();
    // Design time, for this component and (by default) everything it owns.
    void SetDesigning(bool designing, bool setChildren = true);

protected:
    // Told when a component is inserted into or removed from the owner's list, and by free
    // notifications. The default forgets free notifications of a removed component and passes
    // the news on to every owned component.
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void Loaded();
    // Called on the owner before a component is renamed; throws when the name is taken.
    virtual void ValidateRename(TComponent* component, const std::string& currentName, const std::string& newName);
    // Sets csDestroying on this component and, recursively, on everything it owns.
    void Destroying();
    // Runs the destruction protocol now; later calls do nothing.
    void BeforeDestruction();

private:
    void Remove(TComponent* component);
    void NotifyFreeListeners();
    void EndReading();
    void CallLoaded();
    void SetState(TComponentStateItem item, bool on) {
        if (on)
            FComponentState.Include(item);
        else
            FComponentState.Exclude(item);
    }

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    std::string FName;
    std::intptr_t FTag = 0;
    TComponentState FComponentState;
    bool FDestructionDone = false;
};
