// Draws the application icon (a blue-violet floppy disk, 32 x 32, 24-bit) and the strip
// of thirteen 16 x 16 folder-toolbar images (256 colours, magenta transparent), and
// writes them as the .ico and .bmp files the resource script includes.
//
//   resource-gen <icon.ico> <images.bmp>
//
// The output depends on nothing but this file, so a re-run gives the same bytes.

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

constexpr Rgb kMagenta{255, 0, 255};

class Canvas {
public:
    Canvas(int width, int height, Rgb fill) : width_(width), height_(height), pixels_(width * height, fill) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[y * width_ + x]; }

    void Set(int x, int y, Rgb c)
    {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            pixels_[y * width_ + x] = c;
    }
    // Filled rectangle, right and bottom exclusive.
    void Fill(int left, int top, int right, int bottom, Rgb c)
    {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                Set(x, y, c);
    }
    void Frame(int left, int top, int right, int bottom, Rgb c)
    {
        Fill(left, top, right, top + 1, c);
        Fill(left, bottom - 1, right, bottom, c);
        Fill(left, top, left + 1, bottom, c);
        Fill(right - 1, top, right, bottom, c);
    }

private:
    int width_, height_;
    std::vector<Rgb> pixels_;
};

void Put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bits, int colours)
{
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, 0);  // BI_RGB
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(colours));
    Put32(out, 0);
}

// --- the icon --------------------------------------------------------------------------

Canvas DrawFloppy()
{
    const Rgb body{96, 72, 208};       // blue-violet
    const Rgb edge{52, 36, 128};
    const Rgb shutter{72, 72, 76};     // dark grey
    const Rgb slot{150, 150, 156};
    const Rgb label{255, 255, 255};
    const Rgb ink{170, 180, 220};

    Canvas c(32, 32, kMagenta);
    c.Fill(2, 2, 30, 30, body);
    c.Frame(2, 2, 30, 30, edge);
    // The cut corner at the top right.
    for (int i = 0; i < 4; ++i)
        c.Fill(29 - i, 2 + i, 30, 3 + i, kMagenta);
    for (int i = 0; i < 4; ++i)
        c.Set(25 + i, 2 + i, edge);
    // The sliding shutter with its window.
    c.Fill(9, 2, 23, 12, shutter);
    c.Fill(17, 4, 21, 10, slot);
    // The paper label with writing lines.
    c.Fill(6, 16, 26, 30, label);
    c.Frame(6, 16, 26, 30, edge);
    for (int y = 19; y < 29; y += 3)
        c.Fill(8, y, 24, y + 1, ink);
    return c;
}

std::vector<std::uint8_t> IconFile(const Canvas& c)
{
    const int w = c.Width(), h = c.Height();
    const int xorRow = w * 3;             // 96 bytes: already a multiple of four
    const int andRow = ((w + 31) / 32) * 4;
    const std::uint32_t imageSize = 40 + xorRow * h + andRow * h;

    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);  // icon
    Put16(out, 1);  // one image
    out.push_back(static_cast<std::uint8_t>(w));
    out.push_back(static_cast<std::uint8_t>(h));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, imageSize);
    Put32(out, 6 + 16);

    PutInfoHeader(out, w, h * 2, 24, 0);  // height covers the colour and the mask bitmaps
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            Rgb p = c.At(x, y);
            if (p == kMagenta)
                p = Rgb{0, 0, 0};
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(andRow, 0);
        for (int x = 0; x < w; ++x)
            if (c.At(x, y) == kMagenta)
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// --- the image strip -------------------------------------------------------------------

// A window: light client area, coloured title bar and frame.
void DrawWindow(Canvas& c, int ox, Rgb frame)
{
    const Rgb client{250, 250, 246};
    c.Fill(ox + 1, 2, ox + 15, 14, client);
    c.Frame(ox + 1, 2, ox + 15, 14, frame);
    c.Fill(ox + 1, 2, ox + 15, 5, frame);
    c.Fill(ox + 12, 3, ox + 14, 4, Rgb{255, 255, 255});
}

void DrawFolder(Canvas& c, int ox, Rgb body, Rgb edge)
{
    c.Fill(ox + 1, 3, ox + 7, 5, edge);
    c.Fill(ox + 1, 5, ox + 15, 14, body);
    c.Frame(ox + 1, 5, ox + 15, 14, edge);
}

void DrawDocument(Canvas& c, int ox)
{
    const Rgb paper{255, 255, 255}, edge{90, 90, 96}, ink{120, 140, 200};
    c.Fill(ox + 3, 1, ox + 13, 15, paper);
    c.Frame(ox + 3, 1, ox + 13, 15, edge);
    for (int y = 4; y < 13; y += 2)
        c.Fill(ox + 5, y, ox + 11, y + 1, ink);
}

void DrawArrow(Canvas& c, int ox, bool up)
{
    const Rgb green{32, 140, 48};
    for (int i = 0; i < 6; ++i) {
        const int y = up ? 2 + i : 13 - i;
        c.Fill(ox + 8 - i, y, ox + 8 + i, y + 1, green);
    }
    c.Fill(ox + 6, up ? 8 : 3, ox + 10, up ? 14 : 8, green);
}

void DrawPlus(Canvas& c, int ox)
{
    const Rgb blue{20, 90, 200};
    c.Fill(ox + 7, 2, ox + 9, 14, blue);
    c.Fill(ox + 2, 7, ox + 14, 9, blue);
}

void DrawCross(Canvas& c, int ox)
{
    const Rgb red{200, 30, 30};
    for (int i = 0; i < 10; ++i) {
        c.Fill(ox + 3 + i, 3 + i, ox + 5 + i, 4 + i, red);
        c.Fill(ox + 11 - i, 3 + i, ox + 13 - i, 4 + i, red);
    }
}

void DrawDrive(Canvas& c, int ox)
{
    const Rgb body{200, 200, 208}, edge{80, 80, 88}, light{40, 200, 60};
    c.Fill(ox + 1, 5, ox + 15, 12, body);
    c.Frame(ox + 1, 5, ox + 15, 12, edge);
    c.Fill(ox + 11, 9, ox + 13, 10, light);
}

void DrawStar(Canvas& c, int ox)
{
    const Rgb gold{240, 180, 20};
    for (int i = 0; i < 7; ++i)
        c.Fill(ox + 8 - i / 2 - 1, 1 + i, ox + 8 + i / 2 + 1, 2 + i, gold);
    c.Fill(ox + 1, 6, ox + 15, 9, gold);
    for (int i = 0; i < 5; ++i) {
        c.Fill(ox + 3 + i / 2, 9 + i, ox + 6 + i / 2, 10 + i, gold);
        c.Fill(ox + 10 - i / 2, 9 + i, ox + 13 - i / 2, 10 + i, gold);
    }
}

Canvas DrawStrip()
{
    Canvas c(16 * 13, 16, kMagenta);
    DrawWindow(c, 0, Rgb{24, 64, 200});   // 0: a button without folder entries
    DrawWindow(c, 16, Rgb{208, 32, 32});  // 1: a button with folder entries
    DrawFolder(c, 32, Rgb{250, 210, 90}, Rgb{170, 120, 20});
    DrawFolder(c, 48, Rgb{130, 210, 120}, Rgb{40, 120, 40});
    DrawFolder(c, 64, Rgb{130, 170, 240}, Rgb{30, 70, 160});
    DrawDocument(c, 80);
    DrawDrive(c, 96);
    DrawArrow(c, 112, true);
    DrawArrow(c, 128, false);
    DrawPlus(c, 144);
    DrawCross(c, 160);
    DrawStar(c, 176);
    DrawWindow(c, 192, Rgb{110, 110, 118});
    return c;
}

// 256 colours: magenta first, then every colour the drawing uses, the rest black.
std::vector<std::uint8_t> BitmapFile(const Canvas& c)
{
    std::vector<Rgb> palette{kMagenta};
    std::vector<std::uint8_t> indexes;
    for (int y = c.Height() - 1; y >= 0; --y)
        for (int x = 0; x < c.Width(); ++x) {
            const Rgb p = c.At(x, y);
            std::size_t i = 0;
            while (i < palette.size() && !(palette[i] == p))
                ++i;
            if (i == palette.size())
                palette.push_back(p);
            indexes.push_back(static_cast<std::uint8_t>(i));
        }
    if (palette.size() > 256) {
        std::fprintf(stderr, "resource-gen: the strip uses more than 256 colours\n");
        return {};
    }
    palette.resize(256, Rgb{0, 0, 0});

    const std::uint32_t offset = 14 + 40 + 256 * 4;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + static_cast<std::uint32_t>(indexes.size()));
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, c.Width(), c.Height(), 8, 256);
    for (const Rgb& p : palette) {
        out.push_back(p.b);
        out.push_back(p.g);
        out.push_back(p.r);
        out.push_back(0);
    }
    out.insert(out.end(), indexes.begin(), indexes.end());  // 208 bytes a row: aligned
    return out;
}

bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes)
{
    if (bytes.empty())
        return false;
    std::FILE* f = std::fopen(path, "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: resource-gen <icon.ico> <images.bmp>\n");
        return 2;
    }
    if (!WriteFile(argv[1], IconFile(DrawFloppy())) || !WriteFile(argv[2], BitmapFile(DrawStrip()))) {
        std::fprintf(stderr, "resource-gen: cannot write the files\n");
        return 1;
    }
    return 0;
}
