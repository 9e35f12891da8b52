// A binding's handling of the skin commands: the manager's commands and the questions children
// ask about the control's background.
#pragma once

#include "framework/Messages.h"

#include <cstdint>

class TsCommonData;

class TacBindingCommands {
public:
    explicit TacBindingCommands(TsCommonData& data) : FData(data) {}

    // The manager commands act only when they name the binding's manager (a refresh with no
    // manager counts as the binding's); the other commands always. Unknown codes answer 0.
    void Handle(TMessage& message);

    // The uniform-background answer: true when the control's background is not one plain colour.
    bool BackgroundIsNotUniform() const;
    // The colour that stands for the control's background, as RGB.
    TColor BackgroundColor() const;

private:
    bool NamesOwnManager(const TMessage& message) const;
    void NewSkin();
    void RemoveSkin(const TMessage& message);
    void SetSkin();
    void AnswerCacheInfo();
    void ParentChanged();
    void RepaintDependants(std::uint16_t argument);
    // The parent's background colour, or the owner's own Color without a parent.
    TColor ParentBackground() const;

    TsCommonData& FData;
};
