#include "controls/fonts.h"

#include "controls/native/win_defs.h"

namespace controls {

using namespace native;

namespace {

constexpr std::size_t kMaxFaceBytes = 31;
constexpr int kBoldWeight = 700;

bool SameSettings(const GdiObject* a, const GdiObject* b) {
  return a->color == b->color && a->logFont == b->logFont;
}

// Cuts a UTF-8 text to at most max bytes without splitting a character.
std::string CutUtf8(const std::string& text, std::size_t max) {
  if (text.size() <= max) return text;
  std::size_t end = max;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

void ReapplyUsers(Control* control, Font oldHandle) {
  for (int i = 0; i < ChildCount(control); ++i) {
    Control* child = Child(control, i);
    if (child->look.appliedFont == oldHandle) ApplyFont(child);
    ReapplyUsers(child, oldHandle);
  }
}

// Takes the handle out, lets the owner and every descendant that was given
// the handle move to a live one, and only then deletes it: no window is ever
// left on a deleted font.
void ReleaseHandle(GdiObject* object, bool runChangeEvent) {
  void* old = object->handle;
  object->handle = nullptr;
  if (runChangeEvent && object->changeProc && object->owner) object->changeProc(object->owner);
  if (old && object->owner) ReapplyUsers(object->owner, static_cast<Font>(old));
  if (old) DeleteObject(old);
}

void FontChanged(Control* control) {
  control->look.fontColor = control->look.font->color;
  ApplyFont(control);
  Invalidate(control);
}

void SettingChanged(FontObject* font) { ReleaseHandle(font, true); }

}  // namespace

std::uint32_t ResolveColor(Color color) {
  if (color < 0) return GetSysColor(color & 0xFF);
  return static_cast<std::uint32_t>(color);
}

std::uint32_t MixColors(Color a, Color b) {
  return ((ResolveColor(a) & 0xFEFEFE) >> 1) + ((ResolveColor(b) & 0xFEFEFE) >> 1);
}

void GdiObject::Init() {
  color = kWindowText;
  logFont.charSet = 1;  // DEFAULT_CHARSET
  logFont.faceName = "MS Sans Serif";
}

void GdiObject::Destroy() {
  if (handle) DeleteObject(handle);
  handle = nullptr;
  BaseObject::Destroy();
}

FontObject* GetFont(Control* control) {
  if (!control->look.font) {
    control->look.font = NewObject<FontObject>();
    control->look.font->color = control->look.fontColor;
    control->look.font->owner = control;
    control->look.font->changeProc = FontChanged;
  }
  return control->look.font;
}

void BrushObject::Init() {
  GdiObject::Init();
  kind = Kind::Brush;
}

template <class Object>
Object* CopyGdiObject(Object* source, Control* owner) {
  auto* copy = NewObject<Object>();
  copy->color = source->color;
  copy->logFont = source->logFont;
  copy->parentLink = source;
  copy->owner = owner;
  return copy;
}

FontObject* CopyFontObject(FontObject* source, Control* owner) {
  FontObject* copy = CopyGdiObject(source, owner);
  copy->changeProc = FontChanged;
  owner->look.font = copy;  // the change event reads it
  FontChanged(owner);
  return copy;
}

BrushObject* CopyBrushObject(BrushObject* source, Control* owner) {
  return CopyGdiObject(source, owner);
}

void SetFontHeight(FontObject* font, int height) {
  if (font->logFont.height == height) return;
  font->logFont.height = height;
  SettingChanged(font);
}

void SetFontColor(FontObject* font, Color color) {
  if (font->color == color) return;
  font->color = color;
  font->cachedRgb = ResolveColor(color);
  SettingChanged(font);
}

void SetFontFace(FontObject* font, const std::string& face) {
  std::string cut = CutUtf8(face, kMaxFaceBytes);
  if (font->logFont.faceName == cut) return;
  font->logFont.faceName = cut;
  SettingChanged(font);
}

void SetFontStyle(FontObject* font, unsigned styleBits) {
  LogFont wanted = font->logFont;
  if (styleBits & kFontBold) {
    wanted.weight = kBoldWeight;
  } else if (wanted.weight >= kBoldWeight) {
    wanted.weight = 0;
  }
  wanted.italic = (styleBits & kFontItalic) ? 1 : 0;
  wanted.underline = (styleBits & kFontUnderline) ? 1 : 0;
  wanted.strikeOut = (styleBits & kFontStrikeOut) ? 1 : 0;
  if (wanted == font->logFont) return;
  font->logFont = wanted;
  SettingChanged(font);
}

native::Font FontHandle(FontObject* font) {
  if (font->handle && ResolveColor(font->color) != font->cachedRgb) ReleaseHandle(font, false);
  GdiObject* at = font;
  while (!at->handle && at->parentLink && SameSettings(at, at->parentLink)) at = at->parentLink;
  if (!at->handle) {
    at->cachedRgb = ResolveColor(at->color);
    at->handle = CreateFont(at->logFont);
  }
  return static_cast<native::Font>(at->handle);
}

void ApplyFont(Control* control) {
  if (!control->look.font || !control->window) return;
  control->look.fontColor = control->look.font->color;
  native::Font handle = FontHandle(control->look.font);
  control->look.appliedFont = handle;
  native::SendMessage(control->window, WM_SETFONT, reinterpret_cast<WParam>(handle), 0xFFFF);
}

Brush ControlBrush(Control* control) {
  // A tree of controls with one colour paints with one brush: the topmost one's.
  while (control->parent && control->parent->look.color == control->look.color)
    control = control->parent;
  std::uint32_t rgb = ResolveColor(control->look.color);
  if (control->look.brush && control->look.brushRgb != rgb) {
    DeleteObject(control->look.brush);
    control->look.brush = nullptr;
  }
  if (!control->look.brush) {
    control->look.brush = CreateSolidBrush(rgb);
    control->look.brushRgb = rgb;
  }
  return control->look.brush;
}

void SetColor(Control* control, Color color) {
  EnsureWindow(control);
  if (control->look.color == color) return;
  control->look.color = color;
  if (control->look.brush) DeleteObject(control->look.brush);
  control->look.brush = nullptr;
  if (control->look.brushObject) control->look.brushObject->color = color;
  Invalidate(control);
}

void SetShadowColor(Control* control, Color color) {
  if (!control->shadowPart) return;
  control->shadowPart->color = color;
  Invalidate(control);
}

}  // namespace controls
