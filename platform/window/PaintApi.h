// Painting: update regions, paint cycles, device contexts, window regions, layered windows and
// screen capture. UI-thread only.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/window/WinStyles.h"
#include "platform/window/WinTypes.h"

// Rectangles are in client coordinates; nullptr means the whole client area.
BOOL InvalidateRect(HWND hwnd, const TRect* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, const Region* region, BOOL erase);
BOOL ValidateRect(HWND hwnd, const TRect* rect);
BOOL ValidateRgn(HWND hwnd, const Region* region);
// Paints the window (and its invalid children) now, without waiting for the message loop.
BOOL UpdateWindow(HWND hwnd);
// RDW_* flags; with RDW_FRAME the rectangle and region may reach into the frame (client coords).
BOOL RedrawWindow(HWND hwnd, const TRect* rect, const Region* region, UINT flags);
BOOL GetUpdateRect(HWND hwnd, TRect* rect, BOOL erase);
int GetUpdateRgn(HWND hwnd, Region* region, BOOL erase);

// Sends WM_NCPAINT and WM_ERASEBKGND as needed, validates the update region and returns a
// context clipped to it. Every BeginPaint needs its EndPaint.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
// Contexts over the top-level window's backing bitmap, clipped to what of the window is visible
// (child and sibling clipping as the styles say). Every GetDC needs its ReleaseDC.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
// DCX_WINDOW, DCX_CLIPCHILDREN, DCX_CLIPSIBLINGS, DCX_PARENTCLIP, DCX_INTERSECTRGN, DCX_EXCLUDERGN
// (clip given in screen coordinates as the desktop does).
HDC GetDCEx(HWND hwnd, const Region* clip, DWORD flags);
int ReleaseDC(HWND hwnd, HDC dc);

// The region is in window coordinates and is copied; nullptr removes it. It cuts both drawing
// and hit testing. Returns nonzero on success.
int SetWindowRgn(HWND hwnd, const Region* region, BOOL redraw);
// Returns the region kind, or RGN_ERROR (0) when the window has none.
int GetWindowRgn(HWND hwnd, Region* region);

// Layered windows (WS_EX_LAYERED). With LWA_ALPHA the whole window is blended at alpha; with
// LWA_COLORKEY pixels of the key colour are see-through (and click-through).
BOOL SetLayeredWindowAttributes(HWND hwnd, TColor key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND hwnd, TColor* key, BYTE* alpha, DWORD* flags);
// Gives the window a per-pixel image: src is a context over a 32-bit premultiplied bitmap, the
// window takes size pixels from srcPos and moves to dstPos when given. With ULW_ALPHA the image is
// composed as dst = src * a + dst * (1 - srcAlpha * a) with a = blend->SourceConstantAlpha / 255.
BOOL UpdateLayeredWindow(HWND hwnd, HDC dst, const TPoint* dstPos, const TSize* size, HDC src, const TPoint* srcPos,
                         TColor key, const BLENDFUNCTION* blend, DWORD flags);

// The screen as composed from the visible top-level windows (24-bit).
Bitmap CaptureScreen();
