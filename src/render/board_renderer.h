// The board renderer: the off-screen image of the board and everything drawn into it.
#pragma once

#include "platform/win32.h"

constexpr int CellPixels = 30;
constexpr int BoardPixels = 300;
constexpr COLORREF BackdropColour = 0x00FF8080;  // red 128, green 128, blue 255

extern HBRUSH brushOpen;
extern HBRUSH brushSelected;
extern HBRUSH brushBackdrop;
extern HFONT cellFont;
extern HDC backBufferDC;
extern HBITMAP backBufferBitmap;
extern HBITMAP backBufferPreviousBitmap;

void CreateDrawingObjects(HWND window);
void DestroyDrawingObjects();
void DrawBoard();
void DrawCell(int row, int col);
void DrawPictureRegion(HDC targetDC, const RECT& rect);
void PresentBackBuffer(HDC paintDC);
