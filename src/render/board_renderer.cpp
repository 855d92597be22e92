// The board renderer: the drawing objects, the 300 x 300 back buffer, and the painting of cells into it.
#include "render/board_renderer.h"

#include "game/board.h"
#include "render/pictures.h"

#include <cstring>

HBRUSH brushOpen;
HBRUSH brushSelected;
HBRUSH brushBackdrop;
HFONT cellFont;
HDC backBufferDC;
HBITMAP backBufferBitmap;
HBITMAP backBufferPreviousBitmap;

void CreateDrawingObjects(HWND window) {
    brushOpen = CreateSolidBrush(0x00FFFFFF);
    brushSelected = CreateHatchBrush(HS_DIAGCROSS, BackdropColour);
    brushBackdrop = CreateSolidBrush(BackdropColour);

    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = -30;  // a character height of 30 pixels
    font.lfQuality = ANTIALIASED_QUALITY;
    std::strcpy(font.lfFaceName, "Arial");
    cellFont = CreateFontIndirectA(&font);

    HDC windowDC = GetDC(window);
    backBufferDC = CreateCompatibleDC(windowDC);
    // From the window's DC, not the memory DC: a fresh memory DC would give a monochrome bitmap.
    backBufferBitmap = CreateCompatibleBitmap(windowDC, BoardPixels, BoardPixels);
    backBufferPreviousBitmap = static_cast<HBITMAP>(SelectObject(backBufferDC, backBufferBitmap));
    ReleaseDC(window, windowDC);
}

void DestroyDrawingObjects() {
    DeleteObject(brushOpen);
    DeleteObject(brushSelected);
    DeleteObject(brushBackdrop);
    DeleteObject(cellFont);
    SelectObject(backBufferDC, backBufferPreviousBitmap);
    DeleteDC(backBufferDC);
    DeleteObject(backBufferBitmap);
}

void DrawPictureRegion(HDC targetDC, const RECT& rect) {
    // A DC of its own for every copy, so no picture stays selected between draws and each can be released
    // at any time.
    HDC pictureDC = CreateCompatibleDC(targetDC);
    HGDIOBJ previous = SelectObject(pictureDC, CurrentPicture());
    // The backdrop lies under the picture; where a picture failed to load, it is all that shows.
    FillRect(targetDC, &rect, brushBackdrop);
    BitBlt(targetDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, pictureDC, rect.left,
           rect.top, SRCCOPY);
    SelectObject(pictureDC, previous);
    DeleteDC(pictureDC);
}

void DrawCell(int row, int col) {
    RECT rect;
    rect.left = col * CellPixels;
    rect.top = row * CellPixels;
    rect.right = rect.left + CellPixels;
    rect.bottom = rect.top + CellPixels;

    DrawPictureRegion(backBufferDC, rect);

    const Cell& cell = gameState.board[row][col];
    if (cell.state == Open || cell.state == Selected) {
        // Drawn while the DC is still opaque with its white background, so the hatch's gaps come out white.
        HGDIOBJ previousBrush = SelectObject(backBufferDC, cell.state == Open ? brushOpen : brushSelected);
        Rectangle(backBufferDC, rect.left, rect.top, rect.right - 1, rect.bottom - 1);
        SelectObject(backBufferDC, previousBrush);
    }
    if (cell.state == Closed) return;

    char text[16];
    wsprintfA(text, "%d", cell.value);
    SetTextColor(backBufferDC, 0);
    const int previousMode = SetBkMode(backBufferDC, TRANSPARENT);
    HGDIOBJ previousFont = SelectObject(backBufferDC, cellFont);
    // Centred on the whole 30 x 30 cell, not on the 29 x 29 box.
    DrawTextA(backBufferDC, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(backBufferDC, previousFont);
    SetBkMode(backBufferDC, previousMode);
}

void DrawBoard() {
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col) DrawCell(row, col);
}

void PresentBackBuffer(HDC paintDC) {
    BitBlt(paintDC, 0, 0, BoardPixels, BoardPixels, backBufferDC, 0, 0, SRCCOPY);
}
