#include "kvcanvas.h"

#include <climits>

COLORREF ResolveColor(uint32_t color)
{
    if (color & KvSystemColorFlag)
        return Lazy::GetSysColor(static_cast<int>(color & 0xFF));
    return color;
}

KVCANVAS::KVCANVAS() : KVCANVAS(nullptr) {}

KVCANVAS::KVCANVAS(HDC dc)
    : Pen(static_cast<HPEN>(Lazy::GetStockObject(NULL_PEN))),
      Brush(static_cast<HBRUSH>(Lazy::GetStockObject(NULL_BRUSH)))
{
    SetDC(dc);
}

KVCANVAS::~KVCANVAS()
{
    // Stock objects ignore DeleteObject, so no test for them is needed.
    Lazy::DeleteObject(Pen);
    Lazy::DeleteObject(Brush);
}

void KVCANVAS::SetDC(HDC dc)
{
    DC = dc;
    if (!DC)
        return;
    SetPenColor(KvSystemColorFlag | COLOR_WINDOWTEXT);
    SetBrushColor(KvSystemColorFlag | COLOR_BTNFACE);
    Lazy::SetBkMode(DC, TRANSPARENT);
}

// Only the brush and pen this canvas made itself are deleted when they are
// replaced: forms share their class's device context, so the object that a
// new one replaces in the context may be another form's.
void KVCANVAS::SetBrushColor(uint32_t color)
{
    BrushColor = ResolveColor(color);
    const LOGBRUSH solid = {BS_SOLID, BrushColor, 0};
    HBRUSH previous = Brush;
    Brush = Lazy::CreateBrushIndirect(&solid);
    Lazy::SelectObject(DC, Brush);
    Lazy::DeleteObject(previous);
    Lazy::SetBkColor(DC, BrushColor);
}

void KVCANVAS::SetPenColor(uint32_t color)
{
    PenColor = ResolveColor(color);
    HPEN previous = Pen;
    Pen = Lazy::CreatePen(PS_SOLID, 1, PenColor);
    Lazy::SelectObject(DC, Pen);
    Lazy::DeleteObject(previous);
    Lazy::SetTextColor(DC, PenColor);
}

void KVCANVAS::AttachWindow(HWND window, HFONT font)
{
    DC = nullptr;
    Window = window;
    Font = font;
    SetPenColor(KvSystemColorFlag | COLOR_WINDOWTEXT);
    SetBrushColor(KvSystemColorFlag | COLOR_BTNFACE);
}

void KVCANVAS::SetFont(HFONT font)
{
    Font = font;
    if (DC)
        Lazy::SelectObject(DC, Font);
}

HDC KVCANVAS::Context()
{
    if (DC || !Window)
        return DC;
    DC = Lazy::GetDC(Window);
    if (!DC)
        return DC;
    Lazy::SelectObject(DC, Pen);
    Lazy::SelectObject(DC, Brush);
    if (Font)
        Lazy::SelectObject(DC, Font);
    Lazy::SetTextColor(DC, PenColor);
    Lazy::SetBkColor(DC, BrushColor);
    Lazy::SetBkMode(DC, TRANSPARENT);
    return DC;
}

HDC KVCANVAS::GetDC() { return Context(); }

COLORREF KVCANVAS::GetBrushColor() { return BrushColor; }

COLORREF KVCANVAS::GetPenColor() { return PenColor; }

void KVCANVAS::Clear() { Fill(BrushColor); }

void KVCANVAS::Fill(uint32_t color)
{
    // Without a window the whole coordinate space is filled; the system
    // clips it to the device context's area.
    RECT area = {0, 0, SHRT_MAX, SHRT_MAX};
    if (Window)
        Lazy::GetClientRect(Window, &area);
    const LOGBRUSH solid = {BS_SOLID, ResolveColor(color), 0};
    HBRUSH brush = Lazy::CreateBrushIndirect(&solid);
    Lazy::FillRect(Context(), &area, brush);
    Lazy::DeleteObject(brush);
}

void KVCANVAS::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Lazy::MoveToEx(Context(), x1, y1, nullptr);
    Lazy::LineTo(Context(), x2, y2);
}

template <typename Draw> void KVCANVAS::Hollow(Draw draw)
{
    Lazy::SelectObject(Context(), Lazy::GetStockObject(NULL_BRUSH));
    draw();
    Lazy::SelectObject(Context(), Brush);
}

void KVCANVAS::FrameRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Hollow([&] { Rectangle(x1, y1, x2, y2); });
}

void KVCANVAS::FrameEllipse(int32_t x, int32_t y, int32_t rx, int32_t ry)
{
    Hollow([&] { Ellipse(x, y, rx, ry); });
}

void KVCANVAS::FrameCircle(int32_t x, int32_t y, int32_t r) { FrameEllipse(x, y, r, r); }

void KVCANVAS::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Lazy::Rectangle(Context(), x1, y1, x2, y2);
}

void KVCANVAS::Ellipse(int32_t x, int32_t y, int32_t rx, int32_t ry)
{
    Lazy::Ellipse(Context(), x - rx, y - ry, x + rx, y + ry);
}

void KVCANVAS::Circle(int32_t x, int32_t y, int32_t r) { Ellipse(x, y, r, r); }

void KVCANVAS::TextOut(int32_t x, int32_t y, const KVSTRING &text)
{
    Lazy::TextOutA(Context(), x, y, text.Data(), text.Len());
}

SIZE KVCANVAS::TextExtent(const KVSTRING &text)
{
    SIZE extent = {0, 0};
    Lazy::GetTextExtentPoint32A(Context(), text.Data(), text.Len(), &extent);
    return extent;
}

int32_t KVCANVAS::TextWidth(const KVSTRING &text) { return TextExtent(text).cx; }

int32_t KVCANVAS::TextHeight(const KVSTRING &text) { return TextExtent(text).cy; }

void KVCANVAS::SetPixel(int32_t x, int32_t y, COLORREF color) { Lazy::SetPixelV(Context(), x, y, color); }

COLORREF KVCANVAS::GetPixel(int32_t x, int32_t y) { return Lazy::GetPixel(Context(), x, y); }
