// The thread hook through which the default skin manager skins windows that carry no skinning
// component of their own (forms, message boxes, popup menus) when they appear.
#pragma once

#include <functional>
#include <memory>

class TsSkinManager;

// The window wrappers implement the hook and register a factory for it at start-up; the default
// manager installs it when it applies a skin and removes it, first thing, when it removes the
// skin. Without a registered factory no foreign window is skinned.
class TacWindowHook {
public:
    using TFactory = std::function<std::unique_ptr<TacWindowHook>(TsSkinManager& manager)>;

    virtual ~TacWindowHook() = default;
    virtual void Install() = 0;
    // Takes the hook out and frees what it skinned at run time.
    virtual void Remove() = 0;

    // Process-wide, as the hook is: the wrappers' layer sits above the manager's and is reached
    // only through this. Returns the factory that was in place.
    static TFactory SetFactory(TFactory factory);
    // A new hook for the manager, or null when no factory is registered.
    static std::unique_ptr<TacWindowHook> Create(TsSkinManager& manager);

private:
    static TFactory FFactory;
};
