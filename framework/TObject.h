// The root of the framework's classes: a virtual destructor and the runtime class name.
#pragma once

#include <string>

class TObject {
public:
    TObject() = default;
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    // The framework's name of the object's class ("TButton", "TEdit"). Every class that can be
    // told apart by name overrides it: skinning matches controls by these names.
    virtual std::string ClassName() const { return "TObject"; }

    // True when the object is a T or derives from it.
    template <class T>
    bool InheritsFrom() const {
        return dynamic_cast<const T*>(this) != nullptr;
    }
};
