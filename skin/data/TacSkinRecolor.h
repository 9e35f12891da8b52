// The hue and saturation passes over a whole skin model.
#pragma once

class TsSkinModel;

// Hue first (skipped at offset 0), then saturation (skipped when the amount is 0): the master
// bitmap, every image entry's own bitmap, each section's colours and gradient colours (font
// colours of -1 stay -1) and the skin-wide shadow and border colours. Picture patterns keep
// their colours.
void RecolorSkin(TsSkinModel& model, int hueOffset, int saturation);
