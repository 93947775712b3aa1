#include "control_font.h"

#include <cstring>

#include "kvcontrol.h"

ControlFont::ControlFont(KVCONTROL *owner)
    : Handle(static_cast<HFONT>(Lazy::GetStockObject(DEFAULT_GUI_FONT))), Owner(owner)
{
}

ControlFont::~ControlFont() { Lazy::DeleteObject(Handle); }

void ControlFont::Rebuild(const KVSTRING &name, int32_t size, uint32_t style)
{
    Rebuild({name, size, style, Describe().pitchAndFamily});
}

void ControlFont::Rebuild(const Description &font)
{
    Lazy::DeleteObject(Handle);
    const uint32_t style = font.style;
    Handle = Lazy::CreateFontA(-font.size, 0, 0, 0, (style & FontBold) ? FW_BOLD : 0, (style & FontItalic) != 0,
                               (style & FontUnderline) != 0, (style & FontStrikeOut) != 0, OEM_CHARSET, 0, 0,
                               0, font.pitchAndFamily, font.name.Data());
    if (Owner) {
        Lazy::SendMessageA(Owner->GetHandle(), WM_SETFONT, reinterpret_cast<WPARAM>(Handle), TRUE);
        Owner->GetCanvas()->SetFont(Handle);
    }
}

ControlFont::Description ControlFont::Describe() const
{
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    Lazy::GetObjectA(Handle, sizeof font, &font);
    // The face name need not be terminated when it fills its field.
    const size_t nameLength = strnlen(font.lfFaceName, sizeof font.lfFaceName);
    uint32_t style = 0;
    if (font.lfWeight >= FW_BOLD)
        style |= FontBold;
    if (font.lfItalic)
        style |= FontItalic;
    if (font.lfUnderline)
        style |= FontUnderline;
    if (font.lfStrikeOut)
        style |= FontStrikeOut;
    return {KVSTRING(font.lfFaceName, static_cast<int32_t>(nameLength)), -font.lfHeight, style,
            font.lfPitchAndFamily};
}

void ControlFont::SetStyleBit(uint32_t bit, KvBool on)
{
    Description font = Describe();
    font.style = on ? (font.style | bit) : (font.style & ~bit);
    Rebuild(font);
}

void ControlFont::SetName(const KVSTRING &name)
{
    Description font = Describe();
    font.name = name;
    Rebuild(font);
}

void ControlFont::SetSize(int32_t size)
{
    Description font = Describe();
    font.size = size;
    Rebuild(font);
}

// A modern fixed-pitch face is what the font mapper falls back on when the
// named face is missing.
void ControlFont::SetFixedPitch(KvBool on)
{
    Description font = Describe();
    font.pitchAndFamily = on ? (FIXED_PITCH | FF_MODERN) : (DEFAULT_PITCH | FF_DONTCARE);
    Rebuild(font);
}

void ControlFont::SetBold(KvBool on) { SetStyleBit(FontBold, on); }

void ControlFont::SetItalic(KvBool on) { SetStyleBit(FontItalic, on); }

void ControlFont::SetUnderline(KvBool on) { SetStyleBit(FontUnderline, on); }

void ControlFont::SetStrikeOut(KvBool on) { SetStyleBit(FontStrikeOut, on); }

KVSTRING ControlFont::GetName() const { return Describe().name; }

int32_t ControlFont::GetSize() const { return Describe().size; }

KvBool ControlFont::GetBold() const { return ToKvBool(Describe().style & FontBold); }

KvBool ControlFont::GetItalic() const { return ToKvBool(Describe().style & FontItalic); }

KvBool ControlFont::GetUnderline() const { return ToKvBool(Describe().style & FontUnderline); }

KvBool ControlFont::GetStrikeOut() const { return ToKvBool(Describe().style & FontStrikeOut); }

KvBool ControlFont::GetFixedPitch() const { return ToKvBool((Describe().pitchAndFamily & 3) == FIXED_PITCH); }
