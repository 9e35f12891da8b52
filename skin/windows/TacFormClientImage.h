// A skinned form's client area as its skinned children see it: the FORM section's background,
// kept in the form binding's cached image and shown when the form erases its background.
#pragma once

#include "framework/Messages.h"

class TCustomForm;
class TsCommonData;

// Children ask the form for its image (and whether they may paint) before the form itself has
// painted; the image is therefore built on demand, whichever comes first. The frame keeps its
// plain look.
class TacFormClientImage {
public:
    TacFormClientImage(TsCommonData& data, TCustomForm& form) : FData(data), FForm(form) {}

    // Before the binding answers a skin command: the image a question is about is built first.
    void BeforeCommand(const TMessage& message);
    // After it: a new look or the plain one reaches the whole form, children and all.
    void AfterCommand(const TMessage& message);
    // The background erased from the image; true when the message is finished.
    bool Erase(TMessage& message);

private:
    void EnsureBuilt();

    TsCommonData& FData;
    TCustomForm& FForm;
};
