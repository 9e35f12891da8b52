// The registered window classes, looked up by name without regard to ASCII case.
#pragma once

#include "platform/window/WindowClass.h"

#include <map>
#include <memory>
#include <string>

class WindowClassRegistry {
public:
    // Returns the class atom (> 0), or 0 when the name is empty or already registered.
    ATOM Register(const WNDCLASS& wc);
    bool Unregister(const std::string& name);
    // The class, kept alive by the windows that use it even after unregistering.
    std::shared_ptr<const WindowClass> Find(const std::string& name) const;
    // Changes the class styles of a registered class, for its windows too; false when unknown.
    bool SetStyle(const std::string& name, UINT style);
    void Clear() { FClasses.clear(); }

private:
    static std::string Key(const std::string& name);

    std::map<std::string, std::shared_ptr<WindowClass>> FClasses;
    ATOM FNextAtom = 0xC000;
};
