// The look of drawn hints: shape, colours, border, margins, gradient, texture, shadow and font.
#pragma once

#include "framework/TFont.h"
#include "framework/TPersistent.h"
#include "framework/TPicture.h"

#include <functional>
#include <memory>
#include <string>

enum TsHintStyle { hsSimply, hsComics, hsEllipse, hsBalloon, hsStandard, hsNone };

class TsHintKind : public TPersistent {
public:
    // styleChanged runs whenever Style is set (the manager chooses its window class again).
    explicit TsHintKind(std::function<void()> styleChanged = {});
    std::string ClassName() const override { return "TsHintKind"; }

    TsHintStyle Style() const { return FStyle; }
    void SetStyle(TsHintStyle style);
    int Radius() const { return FRadius; }
    void SetRadius(int value) { FRadius = value; }
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value) { FBevelWidth = value; }
    int Blur() const { return FBlur; }
    void SetBlur(int value) { FBlur = value; }
    // Height kept for the pointer of the comics, ellipse and balloon shapes.
    int ExOffset() const { return FExOffset; }
    void SetExOffset(int value) { FExOffset = value; }
    const std::string& GradientData() const { return FGradientData; }
    void SetGradientData(const std::string& value) { FGradientData = value; }
    TPicture* Texture() const { return FTexture.get(); }
    const std::string& TextureFile() const { return FTextureFile; }
    void SetTextureFile(const std::string& value) { FTextureFile = value; }
    int GradientPercent() const { return FGradientPercent; }
    void SetGradientPercent(int value) { FGradientPercent = value; }
    int TexturePercent() const { return FTexturePercent; }
    void SetTexturePercent(int value) { FTexturePercent = value; }
    int Bevel() const { return FBevel; }
    void SetBevel(int value) { FBevel = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TColor ColorBorderTop() const { return FColorBorderTop; }
    void SetColorBorderTop(TColor value) { FColorBorderTop = value; }
    TColor ColorBorderBottom() const { return FColorBorderBottom; }
    void SetColorBorderBottom(TColor value) { FColorBorderBottom = value; }
    // 0..100 percent; values outside are limited.
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value);
    int ShadowBlur() const { return FShadowBlur; }
    void SetShadowBlur(int value) { FShadowBlur = value; }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { FShadowColor = value; }
    bool ShadowEnabled() const { return FShadowEnabled; }
    void SetShadowEnabled(bool value) { FShadowEnabled = value; }
    int ShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int value) { FShadowOffset = value; }
    int ShadowTransparency() const { return FShadowTransparency; }
    void SetShadowTransparency(int value);
    int MarginH() const { return FMarginH; }
    void SetMarginH(int value) { FMarginH = value; }
    int MarginV() const { return FMarginV; }
    void SetMarginV(int value) { FMarginV = value; }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value) { FMaxWidth = value; }
    TFont* Font() const { return FFont.get(); }

private:
    std::function<void()> FStyleChanged;
    TsHintStyle FStyle = hsEllipse;
    int FRadius = 20;
    int FBevelWidth = 1;
    int FBlur = 0;
    int FExOffset = 32;
    std::string FGradientData;
    std::unique_ptr<TPicture> FTexture;
    std::string FTextureFile;
    int FGradientPercent = 0;
    int FTexturePercent = 0;
    int FBevel = 1;
    TColor FColor = clInfoBk;
    TColor FColorBorderTop = clBlack;
    TColor FColorBorderBottom = clBlack;
    int FTransparency = 0;
    int FShadowBlur = 3;
    TColor FShadowColor = clBlack;
    bool FShadowEnabled = true;
    int FShadowOffset = 6;
    int FShadowTransparency = 40;
    int FMarginH = 15;
    int FMarginV = 10;
    int FMaxWidth = 200;
    std::unique_ptr<TFont> FFont;
};
