// Assign and its fallback to the source's AssignTo.
#include "framework/TPersistent.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"

void TPersistent::Assign(const TPersistent* source) {
    if (!source) AssignError(nullptr);
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* destination) const {
    destination->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const {
    const std::string sourceName = source ? source->ClassName() : "nil";
    throw EConvertError(Format(SAssignError, {sourceName, ClassName()}));
}
