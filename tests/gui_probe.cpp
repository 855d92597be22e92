// What the X-driven window test cannot do with the X tools alone: read digits and hatching off a
// screenshot, and ask a window to close as a window manager's close box does.
//   gui_probe digits <shot.png> <left> <top>   prints the 100 digits of the board whose client area starts there
//   gui_probe pairs <shot.png> <left> <top>    prints the screen positions of 50 pairs that clear that board
//   gui_probe hatch <shot.png> <left> <top> <row> <col> [scale]   prints how many hatch pixels the cell's
//       box holds, on a display that shows each client pixel as scale x scale device pixels
//   gui_probe blurred <shot.png> <left> <top> <width> <height>   prints how many 2 x 2 blocks of the area
//       are not of one colour (on a doubled display, a crisp client pixel is such a block)
//   gui_probe text <shot.png> <left> <top> <width> <height> menu|dialog <utf-8 text>
//       exits 0 when that area of the screenshot shows the text as GTK draws it on this display, in the menu
//       bar's face (menu) or the default one (dialog)
//   gui_probe close <window id>                 sends WM_DELETE_WINDOW to the window
#include "board_pairs.h"
#include "platform/gdi_surface.h"
#include "platform/win32.h"

#include <X11/Xlib.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int CellSide = 30;
constexpr int Box = 27;  // the inside of a cell's box: columns and rows 1 to 27 of the cell

struct Image {
    GdkPixbuf* pixbuf = nullptr;
    int width = 0;
    int height = 0;
};

Image Load(const char* path) {
    GError* error = nullptr;
    Image image;
    image.pixbuf = gdk_pixbuf_new_from_file(path, &error);
    if (!image.pixbuf) {
        std::fprintf(stderr, "cannot read %s: %s\n", path, error->message);
        std::exit(2);
    }
    image.width = gdk_pixbuf_get_width(image.pixbuf);
    image.height = gdk_pixbuf_get_height(image.pixbuf);
    return image;
}

// 0x00RRGGBB; black outside the image.
std::uint32_t Pixel(const Image& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return 0;
    const guchar* p = gdk_pixbuf_get_pixels(image.pixbuf) + y * gdk_pixbuf_get_rowstride(image.pixbuf) +
                      x * gdk_pixbuf_get_n_channels(image.pixbuf);
    return static_cast<std::uint32_t>(p[0] << 16 | p[1] << 8 | p[2]);
}

int Darkness(std::uint32_t rgb) { return 255 - static_cast<int>(((rgb >> 16 & 0xFF) + (rgb >> 8 & 0xFF) + (rgb & 0xFF)) / 3); }

using Glyph = std::array<int, Box * Box>;

// The digits 1 to 9 as the game's own text renderer draws them in a white box: the references.
std::array<Glyph, 10> ReferenceGlyphs() {
    std::array<Glyph, 10> glyphs{};
    std::vector<std::uint32_t> pixels(CellSide * CellSide);
    HDC dc = GdiCreateSurfaceDC(GdiSurface{pixels.data(), CellSide, CellSide, CellSide});
    LOGFONTA font{};
    font.lfHeight = -30;
    font.lfQuality = ANTIALIASED_QUALITY;
    std::strcpy(font.lfFaceName, "Arial");
    HFONT cellFont = CreateFontIndirectA(&font);
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    HGDIOBJ previousFont = SelectObject(dc, cellFont);
    SetBkMode(dc, TRANSPARENT);
    for (int digit = 1; digit <= 9; ++digit) {
        RECT cell{0, 0, CellSide, CellSide};
        FillRect(dc, &cell, white);
        char text[2] = {static_cast<char>('0' + digit), 0};
        DrawTextA(dc, text, -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        for (int y = 0; y < Box; ++y) {
            for (int x = 0; x < Box; ++x) glyphs[digit][y * Box + x] = Darkness(pixels[(y + 1) * CellSide + x + 1]);
        }
    }
    SelectObject(dc, previousFont);
    DeleteObject(cellFont);
    DeleteObject(white);
    GdiDeleteSurfaceDC(dc);
    return glyphs;
}

// The digit in the cell at (row, col) of the board whose client area starts at (left, top): the reference
// it differs least from. 0 when the cell shows no white box (a closed cell).
int ReadDigit(const Image& shot, int left, int top, int row, int col, const std::array<Glyph, 10>& references) {
    int x0 = left + col * CellSide + 1;
    int y0 = top + row * CellSide + 1;
    if (Pixel(shot, x0, y0) != 0xFFFFFF) return 0;
    int best = 0;
    long bestDistance = -1;
    for (int digit = 1; digit <= 9; ++digit) {
        long distance = 0;
        for (int y = 0; y < Box; ++y) {
            for (int x = 0; x < Box; ++x) distance += std::labs(Darkness(Pixel(shot, x0 + x, y0 + y)) - references[digit][y * Box + x]);
        }
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = digit;
        }
    }
    return best;
}

// The text as GTK draws it in a label on this display: darkness per pixel, cut to the ink.
struct Ink {
    int width = 0;
    int height = 0;
    std::vector<int> darkness;
};

Ink RenderText(const char* text, bool menuFace) {
    GtkWidget* window = gtk_offscreen_window_new();
    GtkWidget* label = gtk_label_new(text);
    if (menuFace) {
        GtkCssProvider* css = gtk_css_provider_new();
        gtk_css_provider_load_from_data(css, "label { font-family: \"Arial\"; font-size: 9pt; }", -1, nullptr);
        gtk_style_context_add_provider(gtk_widget_get_style_context(label), GTK_STYLE_PROVIDER(css),
                                       GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        g_object_unref(css);
    }
    gtk_container_add(GTK_CONTAINER(window), label);
    gtk_widget_show_all(window);
    while (gtk_events_pending()) gtk_main_iteration();
    Image image;
    image.pixbuf = gtk_offscreen_window_get_pixbuf(GTK_OFFSCREEN_WINDOW(window));
    image.width = gdk_pixbuf_get_width(image.pixbuf);
    image.height = gdk_pixbuf_get_height(image.pixbuf);
    int minX = image.width, minY = image.height, maxX = -1, maxY = -1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (Darkness(Pixel(image, x, y)) > 96) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    Ink ink;
    if (maxX >= 0) {
        ink.width = maxX - minX + 1;
        ink.height = maxY - minY + 1;
        for (int y = minY; y <= maxY; ++y) {
            for (int x = minX; x <= maxX; ++x) ink.darkness.push_back(Darkness(Pixel(image, x, y)));
        }
    }
    g_object_unref(image.pixbuf);
    gtk_widget_destroy(window);
    return ink;
}

// Whether the area shows the ink somewhere, and nothing else written right beside it: dark where the text
// is dark and light where it is light, within a margin for a different background.
bool Shows(const Image& shot, int left, int top, int width, int height, const Ink& ink) {
    if (ink.width == 0) return false;
    for (int y = top; y + ink.height <= top + height; ++y) {
        for (int x = left; x + ink.width <= left + width; ++x) {
            bool match = true;
            for (int i = 0; match && i < ink.width * ink.height; ++i) {
                int seen = Darkness(Pixel(shot, x + i % ink.width, y + i / ink.width));
                match = std::abs(seen - ink.darkness[i]) <= 48;
            }
            // Nothing more is written right beside it: "игрь" is not found inside "игры".
            for (int row = 0; match && row < ink.height; ++row) {
                for (int d = 1; match && d <= 3; ++d) {
                    match = Darkness(Pixel(shot, x - d, y + row)) <= 48 &&
                            Darkness(Pixel(shot, x + ink.width - 1 + d, y + row)) <= 48;
                }
            }
            if (match) return true;
        }
    }
    return false;
}

int Usage() {
    std::fprintf(stderr, "usage: gui_probe digits|pairs|hatch|blurred|text|close ...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::string command = argv[1];
    if (command == "close" && argc == 3) {
        Display* display = XOpenDisplay(nullptr);
        if (!display) return 2;
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = static_cast<Window>(std::strtoul(argv[2], nullptr, 0));
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
        XCloseDisplay(display);
        return 0;
    }
    if (command == "text" && argc == 9) {
        gtk_init(nullptr, nullptr);
        Image shot = Load(argv[2]);
        Ink ink = RenderText(argv[8], std::string(argv[7]) == "menu");
        return Shows(shot, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]), ink) ? 0 : 1;
    }
    if ((command == "digits" || command == "pairs") && argc == 5) {
        Image shot = Load(argv[2]);
        int left = std::atoi(argv[3]);
        int top = std::atoi(argv[4]);
        auto references = ReferenceGlyphs();
        std::array<int, 100> digits{};
        for (int i = 0; i < 100; ++i) digits[i] = ReadDigit(shot, left, top, i / 10, i % 10, references);
        if (command == "digits") {
            for (int r = 0; r < 10; ++r) {
                for (int c = 0; c < 10; ++c) std::printf("%d", digits[r * 10 + c]);
                std::printf("\n");
            }
            return 0;
        }
        auto pairs = BoardPairs(digits);
        if (pairs.empty()) {
            std::fprintf(stderr, "the digits read off the screen do not split into pairs adding up to ten\n");
            return 1;
        }
        for (auto [a, b] : pairs) {
            std::printf("%d %d %d %d\n", left + a % 10 * CellSide + 15, top + a / 10 * CellSide + 15,
                        left + b % 10 * CellSide + 15, top + b / 10 * CellSide + 15);
        }
        return 0;
    }
    if (command == "hatch" && (argc == 7 || argc == 8)) {
        Image shot = Load(argv[2]);
        int scale = argc == 8 ? std::atoi(argv[7]) : 1;
        int x0 = std::atoi(argv[3]) + (std::atoi(argv[6]) * CellSide + 1) * scale;
        int y0 = std::atoi(argv[4]) + (std::atoi(argv[5]) * CellSide + 1) * scale;
        int count = 0;
        for (int y = 0; y < Box * scale; ++y) {
            for (int x = 0; x < Box * scale; ++x) count += Pixel(shot, x0 + x, y0 + y) == 0x8080FF ? 1 : 0;
        }
        std::printf("%d\n", count);
        return 0;
    }
    if (command == "blurred" && argc == 7) {
        Image shot = Load(argv[2]);
        int left = std::atoi(argv[3]);
        int top = std::atoi(argv[4]);
        int blurred = 0;
        for (int y = top; y + 1 < top + std::atoi(argv[6]); y += 2) {
            for (int x = left; x + 1 < left + std::atoi(argv[5]); x += 2) {
                std::uint32_t p = Pixel(shot, x, y);
                blurred += (Pixel(shot, x + 1, y) != p || Pixel(shot, x, y + 1) != p || Pixel(shot, x + 1, y + 1) != p) ? 1 : 0;
            }
        }
        std::printf("%d\n", blurred);
        return 0;
    }
    return Usage();
}
