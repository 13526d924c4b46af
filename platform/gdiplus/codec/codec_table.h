// The codecs the engine has built in, in the order they are listed.
#pragma once

#include <span>

#include "api/codec.h"

namespace engine::codec {

enum class Format { BMP, JPEG, GIF, TIFF, PNG, ICO };

struct Codec {
    Format format;
    CLSID clsid;
    GUID formatId;
    const char16_t* name;
    const char16_t* description;
    const char16_t* extensions;
    const char16_t* mimeType;
    DWORD flags;
    DWORD sigCount;
    DWORD sigSize;
    const BYTE* sigPattern;  // sigCount × sigSize bytes
    const BYTE* sigMask;
};

std::span<const Codec> encoders();
std::span<const Codec> decoders();

// The encoder with that class identifier, or null when none is installed.
const Codec* findEncoder(const CLSID& clsid);

// The decoder whose signature the data starts with, or null.
const Codec* sniffDecoder(const BYTE* data, std::size_t size);

// Bytes GdipGetImage{En,De}coders need for `list`: the array and everything
// its pointers reach.
UINT listBytes(std::span<const Codec> list);
// Writes `list` into a caller buffer of listBytes(list) bytes.
void writeList(std::span<const Codec> list, ImageCodecInfo* buffer);

}  // namespace engine::codec
