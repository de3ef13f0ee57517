// Colours, font objects with their shared GDI handles, and control brushes.
#pragma once

#include <string>

#include "controls/control.h"

namespace controls {

// Colours
std::uint32_t ResolveColor(Color color);
std::uint32_t MixColors(Color a, Color b);
native::Brush ControlBrush(Control* control);
void SetColor(Control* control, Color color);
void SetShadowColor(Control* control, Color color);

// Fonts
FontObject* GetFont(Control* control);  // made on first use
FontObject* CopyFontObject(GdiObject* source, Control* owner);
void SetFontHeight(FontObject* font, int height);
void SetFontColor(FontObject* font, Color color);
void SetFontFace(FontObject* font, const std::string& face);
void SetFontStyle(FontObject* font,
                  unsigned styleBits);  // 1 bold, 2 italic, 4 underline, 8 strike-out
native::Font FontHandle(FontObject* font);
void ApplyFont(Control* control);

}  // namespace controls
