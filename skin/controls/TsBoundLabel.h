// A caption label attached to an edit: made while Active, kept beside or above the edit as it
// moves, sizes, shows, hides and is enabled.
#pragma once

#include "framework/TPersistent.h"

#include <memory>
#include <string>

class TFont;
class TWinControl;
class TsEditLabel;
struct TMessage;

enum TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

class TsBoundLabel : public TPersistent {
public:
    explicit TsBoundLabel(TWinControl* edit);
    ~TsBoundLabel() override;
    TsBoundLabel(const TsBoundLabel&) = delete;
    TsBoundLabel& operator=(const TsBoundLabel&) = delete;
    std::string ClassName() const override { return "TsBoundLabel"; }

    // Off by default: no label exists while inactive.
    bool Active() const { return FLabel != nullptr; }
    void SetActive(bool value);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption);
    // The gap to the edit, in pixels (beside the edit, 4 more).
    int Indent() const { return FIndent; }
    void SetIndent(int value);
    TFont* Font() const { return FFont.get(); }
    TsCaptionLayout Layout() const { return FLayout; }
    void SetLayout(TsCaptionLayout value);
    // Above 0: the label takes this width, wraps its words and is at least as high as the edit.
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value);
    bool UseSkinColor() const { return FUseSkinColor; }
    void SetUseSkinColor(bool value);

    // The label while active, else nullptr.
    TsEditLabel* Label() const { return FLabel; }
    // After the edit handled a message: moves, sizes, visibility, enabling and a new parent
    // bring the label along.
    void Follow(const TMessage& message);
    // Puts the label in its place beside the edit.
    void Place();

private:
    void Apply();

    TWinControl* FEdit;
    TsEditLabel* FLabel = nullptr;
    std::string FCaption;
    int FIndent = 0;
    std::unique_ptr<TFont> FFont;
    TsCaptionLayout FLayout = sclLeft;
    int FMaxWidth = 0;
    bool FUseSkinColor = true;
};
