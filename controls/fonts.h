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
// A child's own copy of its parent's font or brush, linked to it.
FontObject* CopyFontObject(FontObject* source, Control* owner);
BrushObject* CopyBrushObject(BrushObject* source, Control* owner);
void SetFontHeight(FontObject* font, int height);
void SetFontColor(FontObject* font, Color color);
void SetFontFace(FontObject* font, const std::string& face);
// Style bits of SetFontStyle.
inline constexpr unsigned kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8;
void SetFontStyle(FontObject* font, unsigned styleBits);
native::Font FontHandle(FontObject* font);
void ApplyFont(Control* control);

}  // namespace controls
