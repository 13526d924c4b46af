// Basic Windows types, as the graphics library and the engine see them on a
// build that has no Windows headers. Sizes follow the Windows ABI where it
// matters for records passed by address (DWORD and LONG are 32-bit, WCHAR is
// a UTF-16 unit).
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#error "On Windows, use the system headers instead of this file."
#endif

#define WINAPI
#define STDMETHODCALLTYPE

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using BOOL = int;
using WCHAR = char16_t;
using CHAR = char;
using HRESULT = std::int32_t;
using ULONGLONG = std::uint64_t;
using LONGLONG = std::int64_t;
using SIZE_T = std::size_t;
using UINT_PTR = std::uintptr_t;
using ULONG_PTR = std::uintptr_t;
using LPCSTR = const char*;
using LPSTR = char*;
using LPCWSTR = const WCHAR*;
using LPWSTR = WCHAR*;
using LPVOID = void*;
using LPCVOID = const void*;
using COLORREF = DWORD;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

union LARGE_INTEGER {
    LONGLONG QuadPart;
};
union ULARGE_INTEGER {
    ULONGLONG QuadPart;
};

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
using CLSID = GUID;
using IID = GUID;
using REFCLSID = const GUID&;
using REFIID = const GUID&;
using LPCLSID = GUID*;
static_assert(sizeof(GUID) == 16);

inline bool operator==(const GUID& a, const GUID& b) {
    const auto* x = reinterpret_cast<const std::uint8_t*>(&a);
    const auto* y = reinterpret_cast<const std::uint8_t*>(&b);
    for (int i = 0; i < 16; ++i)
        if (x[i] != y[i]) return false;
    return true;
}

// Handles are opaque pointers to objects of this layer.
struct HGLOBAL__;
using HGLOBAL = HGLOBAL__*;
struct HDC__;
using HDC = HDC__*;
struct HWND__;
using HWND = HWND__*;
struct HGDIOBJ__;
using HGDIOBJ = HGDIOBJ__*;
using HBITMAP = HGDIOBJ;
using HFONT = HGDIOBJ;
using HPALETTE = HGDIOBJ;
using HRGN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
struct HICON__;
using HICON = HICON__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
using HANDLE = void*;

// HRESULT values.
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT CO_E_CLASSSTRING = static_cast<HRESULT>(0x800401F3u);
constexpr HRESULT STG_E_INVALIDFUNCTION = static_cast<HRESULT>(0x80030001u);
constexpr HRESULT STG_E_MEDIUMFULL = static_cast<HRESULT>(0x80030070u);
constexpr HRESULT STG_E_INVALIDPOINTER = static_cast<HRESULT>(0x80030009u);
constexpr HRESULT STG_E_REVERTED = static_cast<HRESULT>(0x80030102u);

inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// Device-independent bitmap records (the packed DIB layout).
#pragma pack(push, 2)
struct BITMAPFILEHEADER {
    WORD bfType;
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14);

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

constexpr DWORD BI_RGB = 0;
constexpr DWORD BI_BITFIELDS = 3;

struct RECT {
    LONG left, top, right, bottom;
};
struct POINT {
    LONG x, y;
};
