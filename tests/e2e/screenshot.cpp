#include "screenshot.h"

#include "disk_files.h"

namespace kavrin {
namespace {

BITMAPINFOHEADER Header24(int width, int height) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;  // bottom-up rows
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  return header;
}

// Reads the bitmap's pixels; empty when GetDIBits fails.
Pixels ReadBitmap(HDC dc, HBITMAP bitmap, int width, int height) {
  Pixels pixels{width, height, {}};
  BITMAPINFOHEADER header = Header24(width, height);
  const int stride = (width * 3 + 3) & ~3;
  pixels.rows.resize(static_cast<size_t>(stride) * height);
  if (GetDIBits(dc, bitmap, 0, height, pixels.rows.data(), reinterpret_cast<BITMAPINFO*>(&header),
                DIB_RGB_COLORS) != height) {
    return {};
  }
  return pixels;
}

std::string BmpFile(const Pixels& pixels) {
  const BITMAPINFOHEADER header = Header24(pixels.width, pixels.height);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.rows.size());
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
  bytes.append(reinterpret_cast<const char*>(&header), sizeof(header));
  bytes.append(pixels.rows.data(), pixels.rows.size());
  return bytes;
}

}  // namespace

Pixels CaptureScreen(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return {};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const BOOL copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  Pixels pixels = copied ? ReadBitmap(memory, bitmap, width, height) : Pixels{};
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

Pixels DrawnIcon(HICON icon, int width, int height, COLORREF background) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  HBRUSH brush = CreateSolidBrush(background);
  const RECT all = {0, 0, width, height};
  FillRect(memory, &all, brush);
  DrawIconEx(memory, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  SelectObject(memory, old);
  Pixels pixels = ReadBitmap(memory, bitmap, width, height);
  DeleteObject(brush);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

bool SaveWindowShot(HWND window, const std::string& bmpPath) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) return false;
  const Pixels pixels = CaptureScreen(rect);
  if (pixels.rows.empty()) return false;
  WriteFileBytes(bmpPath, BmpFile(pixels));
  return FileExists(bmpPath);
}

}  // namespace kavrin
