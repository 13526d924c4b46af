// The image conversion component: decodes a picture file held in memory and
// copies it into movable global memory as a packed device-independent
// bitmap (the clipboard's CF_DIB layout). A decoded image lives in a cell of
// the caller's, which starts as null.
#pragma once

#include <cstdint>
#include <vector>

#include "win32/windows_types.h"

namespace toolkit {

struct DecodedImage;

// Decodes `bytes` (format 0: recognised from the bytes) into the cell,
// making the image object when the cell is null. Decodes nothing from 32
// bytes or fewer. True when the cell now holds a decoded image.
bool decodeImageFromBytes(DecodedImage*& cell, const std::vector<std::uint8_t>& bytes, int format);

// A movable, zero-initialised block holding the cell's image as a packed
// DIB: BITMAPINFOHEADER, a colour table only for 8 bits per pixel or fewer,
// then the rows bottom-up, each padded to 4 bytes. Pictures of more than 8
// bits per pixel become 24-bit BI_RGB, composed onto white where they have
// alpha. Null when the cell holds no decoded image. The caller owns the block.
HGLOBAL copyImageToGlobal(const DecodedImage* cell);

// Deletes the image object and sets the cell to null; blocks given out
// before stay valid.
void freeImage(DecodedImage*& cell);

}  // namespace toolkit
