// USER32's small formatter, for the directives the game's texts use: %d, %Nd, %0Nd, %s and %%.
#include "platform/win32.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

int wsprintfA(LPSTR buffer, LPCSTR format, ...) {
    if (!buffer || !format) return 0;
    va_list args;
    va_start(args, format);
    char* out = buffer;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            *out++ = *p;
            continue;
        }
        const char* start = p++;
        if (*p == '%') {
            *out++ = '%';
            continue;
        }
        const bool zeroPad = *p == '0';
        int width = 0;
        while (*p >= '0' && *p <= '9') width = width * 10 + (*p++ - '0');
        if (*p == 'd' || *p == 'i') {
            const int value = va_arg(args, int);
            // snprintf does the digits; the width is bounded, so 64 bytes always suffice.
            if (width > 40) width = 40;
            const int n = std::snprintf(out, 64, zeroPad ? "%0*d" : "%*d", width, value);
            out += n > 0 ? n : 0;
        } else if (*p == 's') {
            const char* text = va_arg(args, const char*);
            if (!text) text = "(null)";
            const std::size_t n = std::strlen(text);
            std::memcpy(out, text, n);
            out += n;
        } else {
            // Not a directive this formatter knows: copied as it stands, taking no argument.
            if (!*p) --p;
            for (const char* q = start; q <= p; ++q) *out++ = *q;
        }
    }
    va_end(args);
    *out = '\0';
    return static_cast<int>(out - buffer);
}
