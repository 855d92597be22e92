// The three pictures behind the board, and which of them is current.
#pragma once

#include "platform/win32.h"

constexpr int PictureCount = 3;
constexpr int FirstPictureId = 101;

extern HBITMAP pictures[PictureCount];
extern int pictureCounter;  // games won since the main window was created

void LoadPictures(HINSTANCE instance);
HBITMAP CurrentPicture();
void ReleasePictures();
