// Image codecs: the installed encoders and decoders, encoder parameters, and
// saving an image to a file or a stream (one frame, or several frames of a
// TIFF or GIF file through the save flags).
#pragma once
#include "api/image.h"  // image format and frame dimension GUIDs
#include "gdiplus_types.h"

// One installed codec. The strings and signature bytes live in the same
// buffer as the array that GdipGetImageEncoders/Decoders fill.
struct ImageCodecInfo {
    CLSID Clsid;
    GUID FormatID;
    const WCHAR* CodecName;
    const WCHAR* DllName;  // null for the built-in codecs
    const WCHAR* FormatDescription;
    const WCHAR* FilenameExtension;
    const WCHAR* MimeType;
    DWORD Flags;  // ImageCodecFlags
    DWORD Version;
    DWORD SigCount;
    DWORD SigSize;
    const BYTE* SigPattern;  // SigCount patterns of SigSize bytes each
    const BYTE* SigMask;     // one mask of SigSize bytes per pattern
};

using ImageCodecFlags = DWORD;
constexpr ImageCodecFlags ImageCodecFlagsEncoder = 0x00000001;
constexpr ImageCodecFlags ImageCodecFlagsDecoder = 0x00000002;
constexpr ImageCodecFlags ImageCodecFlagsSupportBitmap = 0x00000004;
constexpr ImageCodecFlags ImageCodecFlagsSupportVector = 0x00000008;
constexpr ImageCodecFlags ImageCodecFlagsSeekableEncode = 0x00000010;
constexpr ImageCodecFlags ImageCodecFlagsBlockingDecode = 0x00000020;
constexpr ImageCodecFlags ImageCodecFlagsBuiltin = 0x00010000;
constexpr ImageCodecFlags ImageCodecFlagsSystem = 0x00020000;
constexpr ImageCodecFlags ImageCodecFlagsUser = 0x00040000;

// One encoder parameter: a category GUID and NumberOfValues values of Type.
struct EncoderParameter {
    GUID Guid;
    ULONG NumberOfValues;
    ULONG Type;  // EncoderParameterValueType
    void* Value;
};

// Count parameters; the array is declared with one element and allocated
// with room for Count.
struct EncoderParameters {
    UINT Count;
    EncoderParameter Parameter[1];
};

using EncoderParameterValueType = int;
constexpr EncoderParameterValueType EncoderParameterValueTypeByte = 1;
constexpr EncoderParameterValueType EncoderParameterValueTypeASCII = 2;
constexpr EncoderParameterValueType EncoderParameterValueTypeShort = 3;
constexpr EncoderParameterValueType EncoderParameterValueTypeLong = 4;
constexpr EncoderParameterValueType EncoderParameterValueTypeRational = 5;
constexpr EncoderParameterValueType EncoderParameterValueTypeLongRange = 6;
constexpr EncoderParameterValueType EncoderParameterValueTypeUndefined = 7;
constexpr EncoderParameterValueType EncoderParameterValueTypeRationalRange = 8;
constexpr EncoderParameterValueType EncoderParameterValueTypePointer = 9;

// Values of the compression, scan, version, render, transformation and save
// flag parameters.
using EncoderValue = int;
constexpr EncoderValue EncoderValueColorTypeCMYK = 0;
constexpr EncoderValue EncoderValueColorTypeYCCK = 1;
constexpr EncoderValue EncoderValueCompressionLZW = 2;
constexpr EncoderValue EncoderValueCompressionCCITT3 = 3;
constexpr EncoderValue EncoderValueCompressionCCITT4 = 4;
constexpr EncoderValue EncoderValueCompressionRle = 5;
constexpr EncoderValue EncoderValueCompressionNone = 6;
constexpr EncoderValue EncoderValueScanMethodInterlaced = 7;
constexpr EncoderValue EncoderValueScanMethodNonInterlaced = 8;
constexpr EncoderValue EncoderValueVersionGif87 = 9;
constexpr EncoderValue EncoderValueVersionGif89 = 10;
constexpr EncoderValue EncoderValueRenderProgressive = 11;
constexpr EncoderValue EncoderValueRenderNonProgressive = 12;
constexpr EncoderValue EncoderValueTransformRotate90 = 13;
constexpr EncoderValue EncoderValueTransformRotate180 = 14;
constexpr EncoderValue EncoderValueTransformRotate270 = 15;
constexpr EncoderValue EncoderValueTransformFlipHorizontal = 16;
constexpr EncoderValue EncoderValueTransformFlipVertical = 17;
constexpr EncoderValue EncoderValueMultiFrame = 18;
constexpr EncoderValue EncoderValueLastFrame = 19;
constexpr EncoderValue EncoderValueFlush = 20;
constexpr EncoderValue EncoderValueFrameDimensionTime = 21;
constexpr EncoderValue EncoderValueFrameDimensionResolution = 22;
constexpr EncoderValue EncoderValueFrameDimensionPage = 23;
constexpr EncoderValue EncoderValueColorTypeGray = 24;
constexpr EncoderValue EncoderValueColorTypeRGB = 25;

// The image file format GUIDs (ImageFormatBMP, ...) and the frame
// dimensions are declared with the images, in api/image.h.

// Class identifiers of the built-in codecs.
inline constexpr CLSID CodecClsidBMP = {0x557cf400, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr CLSID CodecClsidJPEG = {0x557cf401, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr CLSID CodecClsidGIF = {0x557cf402, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr CLSID CodecClsidTIFF = {0x557cf405, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr CLSID CodecClsidPNG = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr CLSID CodecClsidICO = {0x557cf407, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// Encoder parameter categories (EncoderParameter::Guid).
inline constexpr GUID EncoderQuality = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};
inline constexpr GUID EncoderCompression = {0xe09d739d, 0xccd4, 0x44ee, {0x8e, 0xba, 0x3f, 0xbf, 0x8b, 0xe4, 0xfc, 0x58}};
inline constexpr GUID EncoderColorDepth = {0x66087055, 0xad66, 0x4c7c, {0x9a, 0x18, 0x38, 0xa2, 0x31, 0x0b, 0x83, 0x37}};
inline constexpr GUID EncoderSaveFlag = {0x292266fc, 0xac40, 0x47bf, {0x8c, 0xfc, 0xa8, 0x5b, 0x89, 0xa6, 0x55, 0xde}};
inline constexpr GUID EncoderTransformation = {0x8d0eb2d1, 0xa58e, 0x4ea8, {0xaa, 0x14, 0x10, 0x80, 0x74, 0xb7, 0xb6, 0xf9}};
inline constexpr GUID EncoderScanMethod = {0x3a4e2661, 0x3109, 0x4e56, {0x85, 0x36, 0x42, 0xc1, 0x56, 0xe7, 0xdc, 0xfa}};
inline constexpr GUID EncoderVersion = {0x24d18c76, 0x814a, 0x41a4, {0xbf, 0x53, 0x1c, 0x21, 0x9c, 0xcc, 0xf7, 0x97}};
inline constexpr GUID EncoderRenderMethod = {0x6d42c53a, 0x229a, 0x4825, {0x8b, 0xb7, 0x5c, 0x99, 0xe2, 0xb9, 0xa8, 0xb8}};
inline constexpr GUID EncoderChrominanceTable = {0xf2e455dc, 0x09b3, 0x4316, {0x82, 0x60, 0x67, 0x6a, 0xda, 0x32, 0x48, 0x1c}};
inline constexpr GUID EncoderLuminanceTable = {0xedb33bce, 0x0266, 0x4a77, {0xb9, 0x04, 0x27, 0x21, 0x60, 0x99, 0xe7, 0x17}};

// The sizes GdipGetImageEncoders needs: the number of encoders and the bytes
// of the whole buffer (array, strings, signatures). InvalidParameter for null.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageEncodersSize(UINT* numEncoders, UINT* size);
// Fills one caller buffer of `size` bytes: the array of `numEncoders` entries
// (BMP, JPEG, GIF, TIFF, PNG), then the strings and signature bytes they point
// to. InvalidParameter when `numEncoders` is not the installed count or the
// buffer is null; InsufficientBuffer when `size` is too small.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageEncoders(UINT numEncoders, UINT size, ImageCodecInfo* encoders);
// As the two above, for the decoders (BMP, JPEG, GIF, TIFF, PNG, ICO).
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageDecodersSize(UINT* numDecoders, UINT* size);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageDecoders(UINT numDecoders, UINT size, ImageCodecInfo* decoders);

// Encodes the image's current frame into the file `filename` (UTF-16) with
// the encoder `clsidEncoder`; `encoderParams` may be null. The file appears
// complete or not at all: an existing file is replaced only after the new
// one is fully written. UnknownImageFormat for an encoder that is not
// installed; InvalidParameter for a parameter the encoder does not take;
// AccessDenied or Win32Error when the file cannot be written.
// With EncoderSaveFlag = EncoderValueMultiFrame the file stays open for
// GdipSaveAdd/GdipSaveAddImage until EncoderValueFlush (TIFF and GIF).
GDIP_EXPORT GpStatus WINGDIPAPI GdipSaveImageToFile(GpImage* image, const WCHAR* filename, const CLSID* clsidEncoder,
                                                    const EncoderParameters* encoderParams);
// As GdipSaveImageToFile, writing at the stream's current position; the
// caller keeps its reference (a multi-frame save holds one more until Flush).
// Win32Error when the stream refuses the bytes.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSaveImageToStream(GpImage* image, IStream* stream, const CLSID* clsidEncoder,
                                                      const EncoderParameters* encoderParams);
// Adds the image's current frame to the multi-frame save it began
// (EncoderValueFrameDimensionPage or ...Time), or finishes it
// (EncoderValueFlush). WrongState when no multi-frame save is open.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSaveAdd(GpImage* image, const EncoderParameters* encoderParams);
// Adds `newImage`'s current frame to the multi-frame save that `image` began.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSaveAddImage(GpImage* image, GpImage* newImage,
                                                 const EncoderParameters* encoderParams);

// Bytes needed for the parameter list of an encoder: an EncoderParameters
// block, one entry per parameter the encoder takes with the values it
// accepts. UnknownImageFormat for an encoder that is not installed.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetEncoderParameterListSize(GpImage* image, const CLSID* clsidEncoder, UINT* size);
// Fills `buffer` (`size` bytes, at least the size above, else
// InsufficientBuffer) with that list; the values live in the same buffer.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetEncoderParameterList(GpImage* image, const CLSID* clsidEncoder, UINT size,
                                                            EncoderParameters* buffer);
