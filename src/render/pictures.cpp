// The three pictures behind the board: loaded at start-up, chosen by the number of games won, released at the end.
#include "render/pictures.h"

#include "render/board_renderer.h"

HBITMAP pictures[PictureCount];
int pictureCounter = 0;

void LoadPictures(HINSTANCE instance) {
    for (int i = 0; i < PictureCount; ++i)
        pictures[i] = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(FirstPictureId + i), IMAGE_BITMAP,
                                                      BoardPixels, BoardPixels, LR_CREATEDIBSECTION));
}

HBITMAP CurrentPicture() {
    // The counter only grows from 0; the second modulo keeps even a negative one on the table.
    return pictures[(pictureCounter % PictureCount + PictureCount) % PictureCount];
}

void ReleasePictures() {
    for (HBITMAP& picture : pictures) {
        DeleteObject(picture);
        picture = nullptr;
    }
}
