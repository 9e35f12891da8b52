// The registered window classes.
#include "platform/window/WindowClassRegistry.h"

#include <cctype>

std::string WindowClassRegistry::Key(const std::string& name) {
    std::string key = name;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

ATOM WindowClassRegistry::Register(const WNDCLASS& wc) {
    if (wc.lpszClassName.empty()) return 0;
    std::string key = Key(wc.lpszClassName);
    if (FClasses.count(key)) return 0;
    auto cls = std::make_shared<WindowClass>();
    cls->FName = wc.lpszClassName;
    cls->FStyle = wc.style;
    if (wc.lpfnWndProc) cls->FProc = std::make_shared<WindowProcNode>(WindowProcNode{wc.lpfnWndProc, nullptr});
    cls->FCursor = wc.hCursor;
    cls->FIcon = wc.hIcon;
    cls->FBackground = wc.hbrBackground;
    FClasses[key] = std::move(cls);
    return FNextAtom++;
}

bool WindowClassRegistry::Unregister(const std::string& name) {
    return FClasses.erase(Key(name)) > 0;
}

std::shared_ptr<const WindowClass> WindowClassRegistry::Find(const std::string& name) const {
    auto it = FClasses.find(Key(name));
    return it == FClasses.end() ? nullptr : it->second;
}

bool WindowClassRegistry::SetStyle(const std::string& name, UINT style) {
    auto it = FClasses.find(Key(name));
    if (it == FClasses.end()) return false;
    it->second->FStyle = style;
    return true;
}
