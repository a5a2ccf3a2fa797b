#include "parts.h"

namespace art {

void RaisedBevel(Canvas& c, int x, int y, int w, int h) {
    c.HLine(x, x + w - 1, y + h - 1, kBlack);
    c.VLine(x + w - 1, y, y + h - 1, kBlack);
    c.HLine(x + 1, x + w - 2, y + h - 2, kGrey);
    c.VLine(x + w - 2, y + 1, y + h - 2, kGrey);
    c.HLine(x, x + w - 2, y, kWhite);
    c.VLine(x, y, y + h - 2, kWhite);
}

void PressedBevel(Canvas& c, int x, int y, int w, int h) {
    c.HLine(x, x + w - 1, y, kBlack);
    c.VLine(x, y, y + h - 1, kBlack);
    c.HLine(x + 1, x + w - 2, y + 1, kGrey);
    c.VLine(x + 1, y + 1, y + h - 2, kGrey);
    c.HLine(x + 1, x + w - 1, y + h - 1, kWhite);
    c.VLine(x + w - 1, y + 1, y + h - 1, kWhite);
}

void SunkenFrame(Canvas& c, int x, int y, int w, int h) {
    c.HLine(x - 1, x + w, y - 1, kGrey);
    c.VLine(x - 1, y - 1, y + h, kGrey);
    c.HLine(x, x + w, y + h, kWhite);
    c.VLine(x + w, y, y + h, kWhite);
}

Canvas Button(int w, int h, bool pressed, const FacePainter& face, Face look) {
    Canvas c(w, h, kSilver);
    const int shift = pressed ? 1 : 0;
    face(c, shift, shift);
    if (pressed && look == Face::Shaded)
        for (int y = 2; y < h - 1; y += 2)
            for (int x = 2 + (y / 2) % 2 * 2; x < w - 1; x += 4)
                if (c.At(x, y) == kSilver) c.Set(x, y, kGrey);
    if (pressed)
        PressedBevel(c, 0, 0, w, h);
    else
        RaisedBevel(c, 0, 0, w, h);
    return c;
}

FacePainter CentredText(int w, int h, std::string_view text, std::uint8_t colour) {
    return [=](Canvas& c, int dx, int dy) {
        // The face centre sits up-left of the canvas centre: the bottom/right bevel is 2 px.
        const int x = (w - 1 - TextWidth(text)) / 2;
        const int y = (h - 1 - 7) / 2;
        c.Text(x + dx, y + dy, text, colour);
    };
}

void TriangleRight(Canvas& c, int x, int y, int h, std::uint8_t colour) {
    for (int i = 0; i <= (h - 1) / 2; ++i) c.VLine(x + i, y + i, y + h - 1 - i, colour);
}

void TriangleLeft(Canvas& c, int x, int y, int h, std::uint8_t colour) {
    const int w = (h + 1) / 2;
    for (int i = 0; i < w; ++i) c.VLine(x + w - 1 - i, y + i, y + h - 1 - i, colour);
}

void TriangleUp(Canvas& c, int x, int y, int w, std::uint8_t colour) {
    const int h = (w + 1) / 2;
    for (int i = 0; i < h; ++i) c.HLine(x + h - 1 - i, x + w - h + i, y + i, colour);
}

void Lamp(Canvas& c, int x, int y, int w, int h, std::uint8_t colour) {
    c.Fill(x, y, w, h, colour);
    c.Frame(x - 1, y - 1, w + 2, h + 2, kBlack);
    SunkenFrame(c, x - 1, y - 1, w + 2, h + 2);
}

void RuledCaption(Canvas& c, std::string_view text, int y, std::uint8_t colour) {
    const int tw = TextWidth(text);
    const int x = (c.w - tw) / 2;
    c.Text(x, y, text, colour);
    const int mid = y + 3;
    c.HLine(1, x - 5, mid, colour);
    c.HLine(x + tw + 4, c.w - 2, mid, colour);
    c.VLine(1, mid, mid + 3, colour);
    c.VLine(c.w - 2, mid, mid + 3, colour);
}

}  // namespace art
