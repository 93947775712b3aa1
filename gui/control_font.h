// The font of a control: a font handle and the control it belongs to. A font
// is described by a face name, a size, style bits and a pitch (the font
// request's pitch and family); changing one item rebuilds the font and
// hands it to the owner's window and canvas.
#pragma once

#include <cstdint>

#include "kvbool.h"
#include "kvstring.h"
#include "system_headers.h"

class KVCONTROL;

// Style bits of a font description.
constexpr uint32_t FontBold = 1;
constexpr uint32_t FontItalic = 2;
constexpr uint32_t FontUnderline = 4;
constexpr uint32_t FontStrikeOut = 8;

class ControlFont {
  public:
    // Starts with the stock GUI font.
    explicit ControlFont(KVCONTROL *owner);
    ControlFont(const ControlFont &) = delete;
    ControlFont &operator=(const ControlFont &) = delete;
    ~ControlFont();

    HFONT GetHandle() const { return Handle; }
    // Keeps the pitch.
    void Rebuild(const KVSTRING &name, int32_t size, uint32_t style);

    void SetName(const KVSTRING &name);
    void SetSize(int32_t size);
    void SetBold(KvBool on);
    void SetItalic(KvBool on);
    void SetUnderline(KvBool on);
    void SetStrikeOut(KvBool on);
    // Asks for a fixed-pitch modern face, so that a face of that kind
    // stands in for a named one the system lacks; false asks for any pitch.
    void SetFixedPitch(KvBool on);
    KVSTRING GetName() const;
    int32_t GetSize() const;
    KvBool GetBold() const;
    KvBool GetItalic() const;
    KvBool GetUnderline() const;
    KvBool GetStrikeOut() const;
    KvBool GetFixedPitch() const;

  private:
    struct Description {
        KVSTRING name;
        int32_t size;
        uint32_t style;
        uint8_t pitchAndFamily;
    };
    Description Describe() const;
    void Rebuild(const Description &font);
    void SetStyleBit(uint32_t bit, KvBool on);

    HFONT Handle;
    KVCONTROL *Owner;
};
