// Objects that can copy their published state from another object: Assign.
#pragma once

#include "framework/TObject.h"

class TPersistent : public TObject {
public:
    std::string ClassName() const override { return "TPersistent"; }

    // Copies the state of source into this object. A class that knows the source's class
    // overrides Assign; otherwise the source is asked (AssignTo). When neither knows the other,
    // EConvertError "Cannot assign a %s to a %s" is thrown; a null source names "nil".
    virtual void Assign(const TPersistent* source);

protected:
    virtual void AssignTo(TPersistent* destination) const;
    [[noreturn]] void AssignError(const TPersistent* source) const;
};
