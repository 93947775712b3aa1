// KVCANVAS, the drawing surface of a control: its pen colour (lines and
// text) and brush colour (filled shapes and text background), the pen and
// brush made from them, and simple drawing on a device context.
#pragma once

#include <cstdint>

#include "kvstring.h"
#include "system_headers.h"

// Colours with the top bit set name a system colour by their low byte.
constexpr uint32_t KvSystemColorFlag = 0x80000000u;

// The RGB value of a colour: system colours are looked up, RGB values pass.
COLORREF ResolveColor(uint32_t color);

class KVCANVAS {
  public:
    KVCANVAS();
    explicit KVCANVAS(HDC dc);
    KVCANVAS(const KVCANVAS &) = delete;
    KVCANVAS &operator=(const KVCANVAS &) = delete;

    // A new device context gets the system text colour for the pen, the
    // button face colour for the brush and a transparent text background.
    virtual void SetDC(HDC dc);
    virtual void SetBrushColor(uint32_t color);
    virtual void SetPenColor(uint32_t color);
    virtual HDC GetDC();
    virtual COLORREF GetBrushColor();
    virtual COLORREF GetPenColor();
    virtual void Clear();
    // Fills the drawing area (the window's client area when the canvas
    // knows its window) with the colour.
    virtual void Fill(uint32_t color);
    virtual void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    virtual void FrameRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    virtual void FrameEllipse(int32_t x, int32_t y, int32_t rx, int32_t ry);
    virtual void FrameCircle(int32_t x, int32_t y, int32_t r);
    virtual void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // Centre and two radii.
    virtual void Ellipse(int32_t x, int32_t y, int32_t rx, int32_t ry);
    virtual void Circle(int32_t x, int32_t y, int32_t r);
    virtual void TextOut(int32_t x, int32_t y, const KVSTRING &text);
    virtual int32_t TextWidth(const KVSTRING &text);
    virtual int32_t TextHeight(const KVSTRING &text);
    // The colour is an RGB value and is not resolved.
    virtual void SetPixel(int32_t x, int32_t y, COLORREF color);
    virtual COLORREF GetPixel(int32_t x, int32_t y);
    // Releases the pen and brush this canvas made.
    virtual ~KVCANVAS();

    // The window whose device context this is, for the area of Fill.
    void SetWindow(HWND window) { Window = window; }
    // A control's canvas: the colours start as on a new device context, and
    // the window's context is taken, with the font selected, only when the
    // canvas first draws or is asked for it. Most controls are never drawn
    // on, and every window context held makes the window system's work on
    // windows slower.
    void AttachWindow(HWND window, HFONT font);
    // The control's font, selected into the context now or when it is taken.
    void SetFont(HFONT font);
    HBRUSH GetBrush() const { return Brush; }

  private:
    // DC, taken from the attached window on first use.
    HDC Context();
    SIZE TextExtent(const KVSTRING &text);
    // Draws with the stock hollow brush selected, then selects Brush again.
    template <typename Draw> void Hollow(Draw draw);

    HDC DC = nullptr;
    COLORREF PenColor = 0;
    COLORREF BrushColor = 0;
    HPEN Pen;
    HBRUSH Brush;
    HWND Window = nullptr;
    HFONT Font = nullptr;
};
