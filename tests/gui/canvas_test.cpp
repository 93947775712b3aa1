// The canvas on a real window's device context, checked by reading pixels.
#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "kvbutton.h"

namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Green = RGB(0, 160, 0);
constexpr COLORREF White = RGB(255, 255, 255);

// A shown form whose pending paints are done, so drawing stays on screen.
class CanvasTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        Activate(form);
        form.Flush();
        canvas = form.GetCanvas();
        canvas->Fill(White);
    }

    RecorderForm form;
    KVCANVAS *canvas = nullptr;
};

} // namespace

TEST_F(CanvasTest, ADeviceContextGetsSystemColoursAndATransparentBackground)
{
    EXPECT_NE(canvas->GetDC(), nullptr);
    EXPECT_EQ(canvas->GetPenColor(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(canvas->GetBrushColor(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(form.GetColor(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetBkMode(canvas->GetDC()), TRANSPARENT);
    EXPECT_EQ(GetTextColor(canvas->GetDC()), GetSysColor(COLOR_WINDOWTEXT));

    KVCANVAS detached;
    EXPECT_EQ(detached.GetDC(), nullptr);
    EXPECT_EQ(detached.GetBrushColor(), 0u);
}

TEST_F(CanvasTest, SystemColoursAreStoredAsRgb)
{
    canvas->SetBrushColor(0x80000005);
    EXPECT_EQ(canvas->GetBrushColor(), GetSysColor(COLOR_WINDOW));
    canvas->SetPenColor(0x80000008);
    EXPECT_EQ(canvas->GetPenColor(), GetSysColor(COLOR_WINDOWTEXT));
    canvas->SetPenColor(RGB(1, 2, 3));
    EXPECT_EQ(canvas->GetPenColor(), RGB(1, 2, 3));
    EXPECT_EQ(GetTextColor(canvas->GetDC()), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(canvas->GetDC()), GetSysColor(COLOR_WINDOW));
}

TEST_F(CanvasTest, EllipseFillsTheBoxAroundItsCentre)
{
    canvas->SetBrushColor(Red);
    canvas->SetPenColor(Red);
    canvas->Ellipse(50, 50, 10, 20);
    // Inside: the centre and points just inside the box (40,30)-(60,70).
    EXPECT_EQ(canvas->GetPixel(50, 50), Red);
    EXPECT_EQ(canvas->GetPixel(41, 50), Red);
    EXPECT_EQ(canvas->GetPixel(58, 50), Red);
    EXPECT_EQ(canvas->GetPixel(50, 31), Red);
    EXPECT_EQ(canvas->GetPixel(50, 68), Red);
    // Outside the box, and in its corners outside the ellipse.
    EXPECT_EQ(canvas->GetPixel(38, 50), White);
    EXPECT_EQ(canvas->GetPixel(61, 50), White);
    EXPECT_EQ(canvas->GetPixel(50, 28), White);
    EXPECT_EQ(canvas->GetPixel(50, 71), White);
    EXPECT_EQ(canvas->GetPixel(41, 31), White);
}

TEST_F(CanvasTest, FrameRectangleLeavesTheInsideAndKeepsTheBrush)
{
    canvas->SetBrushColor(Green);
    canvas->SetPenColor(Blue);
    canvas->FrameRectangle(100, 100, 140, 140);
    EXPECT_EQ(canvas->GetPixel(100, 120), Blue);
    EXPECT_EQ(canvas->GetPixel(120, 100), Blue);
    EXPECT_EQ(canvas->GetPixel(120, 120), White);
    // The canvas brush is selected again afterwards.
    canvas->Rectangle(150, 100, 190, 140);
    EXPECT_EQ(canvas->GetPixel(150, 120), Blue);
    EXPECT_EQ(canvas->GetPixel(170, 120), Green);
}

TEST_F(CanvasTest, FrameEllipseAndCircleDrawOutlinesOnly)
{
    canvas->SetBrushColor(Green);
    canvas->SetPenColor(Blue);
    canvas->FrameCircle(200, 200, 20);
    EXPECT_EQ(canvas->GetPixel(200, 200), White);
    canvas->Circle(260, 200, 20);
    EXPECT_EQ(canvas->GetPixel(260, 200), Green);
}

TEST_F(CanvasTest, FillAndClearPaintTheWholeArea)
{
    canvas->Fill(Blue);
    const int32_t right = form.GetClientWidth() - 1;
    const int32_t bottom = form.GetClientHeight() - 1;
    EXPECT_EQ(canvas->GetPixel(0, 0), Blue);
    EXPECT_EQ(canvas->GetPixel(right, bottom), Blue);
    canvas->SetBrushColor(Green);
    canvas->Clear();
    EXPECT_EQ(canvas->GetPixel(0, 0), Green);
    EXPECT_EQ(canvas->GetPixel(right, bottom), Green);
}

TEST_F(CanvasTest, LinesPixelsAndText)
{
    canvas->SetPenColor(Red);
    canvas->Line(10, 200, 60, 200);
    EXPECT_EQ(canvas->GetPixel(30, 200), Red);
    EXPECT_EQ(canvas->GetPixel(30, 201), White);
    canvas->SetPixel(5, 5, Blue);
    EXPECT_EQ(canvas->GetPixel(5, 5), Blue);

    const int32_t width = canvas->TextWidth("Kelvo");
    EXPECT_GT(width, 0);
    EXPECT_GT(canvas->TextHeight("Kelvo"), 0);
    EXPECT_GT(canvas->TextWidth("Kelvo Kelvo"), width);
    EXPECT_EQ(canvas->TextWidth(""), 0);
    canvas->TextOut(10, 230, "WWWW");
    bool painted = false;
    for (int x = 10; x < 10 + canvas->TextWidth("WWWW") && !painted; ++x) {
        for (int y = 230; y < 230 + canvas->TextHeight("WWWW") && !painted; ++y)
            painted = canvas->GetPixel(x, y) == Red;
    }
    EXPECT_TRUE(painted);
}

// A control's canvas takes its window's device context only when first
// used; colours and font given before then, and the font changed after,
// are those of the context.
TEST_F(CanvasTest, AControlsCanvasTakesItsContextWithItsColoursAndFontWhenFirstUsed)
{
    KVLABEL label;
    label.SetParent(&form);
    label.SetTextColor(Red);
    label.SetColor(Blue);
    label.GetFont()->SetSize(20);

    HDC dc = label.GetCanvas()->GetDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(WindowFromDC(dc), label.GetHandle());
    EXPECT_EQ(GetTextColor(dc), Red);
    EXPECT_EQ(GetBkColor(dc), Blue);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), label.GetFont()->GetHandle());
    EXPECT_EQ(label.GetCanvas()->GetDC(), dc);

    label.GetFont()->SetBold(KvTrue);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), label.GetFont()->GetHandle());
    label.SetTextColor(Green);
    EXPECT_EQ(GetTextColor(dc), Green);
}
