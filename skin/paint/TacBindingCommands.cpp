// The binding's skin command table.
#include "skin/paint/TacBindingCommands.h"

#include "skin/paint/ParentColors.h"
#include "skin/paint/ParentQueries.h"
#include "skin/paint/PixelMath.h"
#include "skin/paint/TsCommonData.h"

#include "skin/data/SkinBroadcast.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TApplication.h"
#include "framework/TBitmap.h"
#include "framework/TWinControl.h"
#include "platform/window/Win.h"

namespace {

// Questions a graphic control must answer put the answer into the record as well.
void Answer(TMessage& message, LRESULT value) {
    message.Result = value;
    if (AnswersInRecord(SkinCmdCode(message.WParam)) || SkinCmdCode(message.WParam) == scGetApplication)
        message.LParam = value;
}

bool Destroying(const TComponent* component) {
    return component && component->ComponentState().Contains(csDestroying);
}

} // namespace

void TacBindingCommands::Handle(TMessage& message) {
    const std::uint16_t argument = SkinCmdArgument(message.WParam);
    switch (SkinCmdCode(message.WParam)) {
    case scNewSkin:
        if (NamesOwnManager(message)) NewSkin();
        break;
    case scRemoveSkin:
        if (NamesOwnManager(message)) RemoveSkin(message);
        break;
    case scSetSkin:
        if (NamesOwnManager(message) || message.LParam == 0) SetSkin();
        break;
    case scGetCacheInfo: AnswerCacheInfo(); break;
    case scIsSkinned: Answer(message, 1); break;
    case scSuspendPainting: FData.SetPaintSuspended(argument == 1); break;
    case scLockUpdate: FData.SetUpdateLocked(argument == 1); break;
    case scMayIPaint: Answer(message, FData.CacheInvalid() || FData.IsPaintSuspended()); break;
    case scParentImage: Answer(message, FData.UsesParentImage()); break;
    case scParentChanged: ParentChanged(); break;
    case scRepaintingChild: FData.SetRepaintingChild(reinterpret_cast<TControl*>(message.LParam)); break;
    case scInvalidateCache: FData.SetCacheInvalid(true); break;
    case scUniformBackground: Answer(message, BackgroundIsNotUniform()); break;
    case scRepaintDependants: RepaintDependants(argument); break;
    case scGetBackgroundColor: ParentFillColor = BackgroundColor(); break;
    case scImageDependsOnParent: FData.SetUsesParentImage(true); break;
    case scGetApplication: Answer(message, reinterpret_cast<LRESULT>(Application)); break;
    default: message.Result = 0; break;
    }
}

bool TacBindingCommands::NamesOwnManager(const TMessage& message) const {
    return message.LParam != 0 && reinterpret_cast<TsSkinManager*>(message.LParam) == FData.SkinManager();
}

void TacBindingCommands::NewSkin() {
    FData.SetPaintSuspended(true);
    FData.ResolveSection();
}

void TacBindingCommands::RemoveSkin(const TMessage& message) {
    if (Destroying(reinterpret_cast<TsSkinManager*>(message.LParam))) FData.ForgetManager();
    FData.ForgetIndexes();
    FData.SetPaintSuspended(true);
    FData.DropCachedPixels();
    if (!FData.OwnerIsEditLike()) return;
    TControl* edit = FData.OwnerControl();
    if (!FData.CustomColor()) edit->SetColor(clWindow);
    if (!FData.CustomFont()) edit->Font()->SetColor(clWindowText);
}

void TacBindingCommands::SetSkin() {
    FData.SetCacheInvalid(true);
    FData.SetPaintSuspended(false);
    if (!FData.IsSkinned()) return;
    FData.TakeSectionColours();
    FData.ReportToForm();
}

void TacBindingCommands::AnswerCacheInfo() {
    const TBitmap* cache = FData.CacheBitmap();
    CacheInfoAnswer = cache ? TParentImageInfo{&cache->Image(), 0, 0, true} : TParentImageInfo{};
}

void TacBindingCommands::ParentChanged() {
    const TsGeneralData* section = FData.Section();
    if (section && section->Transparency > 0) FData.SetCacheInvalid(true);
}

void TacBindingCommands::RepaintDependants(std::uint16_t argument) {
    const bool depends = FData.DependsOnParentImage();
    FData.SetCacheInvalid(FData.CacheInvalid() || depends);
    auto* windowed = dynamic_cast<TWinControl*>(FData.OwnerControl());
    if (!windowed) return;
    if (argument == 1 && windowed->HandleAllocated())
        RedrawWindow(windowed->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (!depends) return;
    for (int i = 0; i < windowed->ControlCount(); ++i) {
        TControl* child = windowed->Controls(i);
        if (!Destroying(child)) SkinCommandToControl(child, scRepaintDependants, 0, 0);
    }
}

bool TacBindingCommands::BackgroundIsNotUniform() const {
    const TsGeneralData* section = FData.Section();
    if (!section) return false;
    TControl* owner = FData.OwnerControl();
    if (section->Transparency == 100 && owner && owner->Parent()) return ParentBackgroundIsNotUniform(*owner);
    return section->GradientPercent + section->ImagePercent > 0 || FData.DependsOnParentImage();
}

TColor TacBindingCommands::BackgroundColor() const {
    const TControl* painted = FData.PaintedControl();
    const TColor own = painted ? ColorToRGB(painted->Color()) : ColorToRGB(clBtnFace);
    const TsGeneralData* section = FData.IsSkinned() ? FData.Section() : nullptr;
    if (!section) return own;
    const int transparency = section->Transparency;
    if (transparency == 0) return FData.CustomColor() ? own : ColorToRGB(section->Color);
    const TColor parent = ParentBackground();
    if (transparency == 100) return parent;
    const std::uint16_t alpha = PixelMath::PercentToAlpha(transparency);
    const std::uint16_t rest = static_cast<std::uint16_t>(255 - alpha);
    const TColor colour = ColorToRGB(section->Color);
    return RGB(PixelMath::KeepDestination(GetRValue(parent), GetRValue(colour), alpha, rest),
               PixelMath::KeepDestination(GetGValue(parent), GetGValue(colour), alpha, rest),
               PixelMath::KeepDestination(GetBValue(parent), GetBValue(colour), alpha, rest));
}

TColor TacBindingCommands::ParentBackground() const {
    const TControl* painted = FData.PaintedControl();
    TWinControl* parent = FData.OwnerControl() ? FData.OwnerControl()->Parent() : nullptr;
    if (!parent) return painted ? ColorToRGB(painted->Color()) : ColorToRGB(clBtnFace);
    const TColor saved = ParentFillColor;
    GetParentBackgroundColor(*parent);
    const TColor answer = ParentFillColor;
    ParentFillColor = saved;
    return answer;
}
