// What the skin manager needs of a form's skinning component (the form provider), which lives in
// a layer above it.
#pragma once

class TCustomForm;
class TsSkinManager;

// A form's skinning component answers the get-provider request with itself (as a TComponent);
// the manager reaches this interface from that answer.
class TacFormSkinner {
public:
    virtual ~TacFormSkinner() = default;
    // The manager whose skin the component paints with.
    virtual TsSkinManager* FormSkinManager() const = 0;
    // The window region must be built again before the form is painted next.
    virtual void SetRegionChanged(bool changed) = 0;
    // The form the component skins, nullptr when it is attached to none.
    virtual TCustomForm* SkinnedForm() const = 0;
};
