// WM_PRINT of a form into a bitmap: frame, client background and children as on screen, also
// for double-buffered containers and for graphic children.
#include "FormTestFixture.h"

#include "framework/TLabel.h"
#include "framework/TPanel.h"

TEST_F(FormTest, APrintedFormShowsItsChildrenWhereTheyStand) {
    auto form = ShownForm(30, 30, 240, 160);
    form->SetColor(RGB(10, 20, 30));
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBevelOuter(bvNone);
    panel->SetBounds(20, 10, 120, 100);
    panel->SetColor(RGB(200, 180, 0));
    panel->SetDoubleBuffered(true);
    auto* block = new TLabel(form.get());
    block->SetParent(panel);
    block->SetAutoSize(false);
    block->SetBounds(30, 40, 20, 20);
    block->SetColor(RGB(0, 90, 250));
    Pump();

    TRect window;
    GetWindowRect(form->Handle(), &window);
    Bitmap picture(window.Width(), window.Height());
    picture.Fill(clFuchsia);
    DeviceContext dc(&picture);
    SendMessage(form->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(&dc), PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);

    // Client points of the form, in the picture's coordinates.
    const TPoint client = form->ClientToScreen({0, 0});
    auto at = [&](int x, int y) { return picture.Pixel(client.X - window.Left + x, client.Y - window.Top + y); };
    EXPECT_EQ(at(5, 5), RGB(10, 20, 30));
    EXPECT_EQ(at(20 + 5, 10 + 5), RGB(200, 180, 0));
    EXPECT_EQ(at(20 + 30 + 10, 10 + 40 + 10), RGB(0, 90, 250));
    EXPECT_EQ(at(230, 150), RGB(10, 20, 30));
    // The frame is printed too: the corner is not left as it was.
    EXPECT_NE(picture.Pixel(0, 0), clFuchsia);
}
