// The multi-line edit: its text as Lines, scroll bars, word wrap, and whether Enter and Tab are
// typed into it or go to the form.
#pragma once

#include "framework/TCustomEdit.h"
#include "framework/TMemoStrings.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Without WantReturns, Enter goes to the form (its default button) and types nothing; without
// WantTabs, Tab moves the focus on. Esc always goes to the form.
class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;
    std::string ClassName() const override { return "TMemo"; }

    TStrings* Lines() const { return FLines.get(); }
    void SetLines(const TStrings* lines) { FLines->Assign(lines); }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    // Long lines break at the memo's width (not with a horizontal scroll bar).
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { FWantTabs = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    void WMGetDlgCode(TMessage& message) override;
    void KeyPress(char32_t& key) override;

private:
    std::unique_ptr<TMemoStrings> FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
};
