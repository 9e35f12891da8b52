// Computing the cached indexes from the skin model.
#include "skin/data/TacCachedIndexes.h"

#include "skin/data/TsSkinModel.h"

namespace {

TacSectionImages TabImages(const TsSkinModel& model, const char* name) {
    TacSectionImages out;
    out.Section = model.SectionIndex(name);
    out.BordersMask = model.MaskIndex(out.Section, name, "BORDERSMASK");
    return out;
}

TacSectionImages ScrollImages(const TsSkinModel& model, const char* name, bool hasGlyph) {
    TacSectionImages out = TabImages(model, name);
    if (hasGlyph) out.GlyphMask = model.MaskIndex(out.Section, name, "GLYPHMASK");
    out.Pattern = model.MaskIndex(out.Section, name, "PATTERN");
    out.HotPattern = model.MaskIndex(out.Section, name, "HOTPATTERN");
    return out;
}

} // namespace

void TacCachedIndexes::Compute(const TsSkinModel& model) {
    Reset();
    GlobalInfo = model.SectionIndex("GLOBALINFO");
    auto check = [&](const char* key) { return model.MaskIndex(GlobalInfo, "GLOBALINFO", key); };
    BoxChecked = check("BOXCHECKED");
    BoxUnchecked = check("BOXUNCHECKED");
    BoxGrayed = check("BOXGRAYED");
    RadioChecked = check("RADIOCHECKED");
    RadioUnchecked = check("RADIOUNCHECKED");
    RadioGrayed = check("RADIOGRAYED");
    SmallChecked = check("SMALLCHECKED");
    SmallUnchecked = check("SMALLUNCHECKED");
    SmallGrayed = check("SMALLGRAYED");

    ComboBtn.Section = model.SectionIndex("COMBOBTN");
    ComboBtn.BordersMask = model.MaskIndexExact("COMBOBTN", "BORDERSMASK");
    ComboBtn.Pattern = model.TextureIndex(ComboBtn.Section, "COMBOBTN", "PATTERN");
    ComboBtn.HotPattern = model.TextureIndex(ComboBtn.Section, "COMBOBTN", "HOTPATTERN");
    ComboGlyph = model.MaskIndexExact("COMBOBOX", "GLYPHMASK");

    TabTop = TabImages(model, "TABTOP");
    TabBottom = TabImages(model, "TABBOTTOM");
    TabLeft = TabImages(model, "TABLEFT");
    TabRight = TabImages(model, "TABRIGHT");

    ScrollBtnTop = ScrollImages(model, "SCROLLBTNTOP", true);
    ScrollBtnBottom = ScrollImages(model, "SCROLLBTNBOTTOM", true);
    ScrollBtnLeft = ScrollImages(model, "SCROLLBTNLEFT", true);
    ScrollBtnRight = ScrollImages(model, "SCROLLBTNRIGHT", true);
    ScrollSliderV = ScrollImages(model, "SCROLLSLIDERV", true);
    ScrollSliderH = ScrollImages(model, "SCROLLSLIDERH", true);
    ScrollBar1H = ScrollImages(model, "SCROLLBAR1H", false);
    ScrollBar1V = ScrollImages(model, "SCROLLBAR1V", false);
    ScrollBar2H = ScrollImages(model, "SCROLLBAR2H", false);
    ScrollBar2V = ScrollImages(model, "SCROLLBAR2V", false);
}
