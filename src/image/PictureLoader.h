#pragma once

#include <cstddef>
#include <cstdint>

#include "image/Picture.h"

// The format chosen by the file name's extension: the text after the first
// "." of its last path component, compared without regard to case with BMP,
// PCX and TGA. PictureFormat::none for a name without a "." or with any
// other extension ("pics.old.tga" has the extension "old.tga").
PictureFormat pictureFormatOfName(const char* fileName);

// Reads the file into the picture by its extension. A name whose extension is
// not known leaves the picture untouched. Any failure (missing, truncated or
// malformed file) leaves an empty picture of that format. True when the
// picture then holds an image.
bool loadPicture(Picture& picture, const char* fileName);

// The filling step of one format over a file held in memory: the picture
// gets the pixels (RGBA, width x height x 4 bytes) and the fields of its
// format, or becomes empty. The texture name is left alone.
bool decodePicture(Picture& picture, PictureFormat format, const std::uint8_t* data, std::size_t size);
