// Screen to BMP; see screen_capture.h.
#include "screen_capture.h"

#include <vector>

#include "win32.h"

bool SaveScreenAsBmp(const std::wstring& path, std::string& error) {
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    bool copied = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) != FALSE;
    SelectObject(memory, previous);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as BMP files store rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    DWORD row_bytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<BYTE> pixels(static_cast<std::size_t>(row_bytes) * static_cast<DWORD>(height));
    bool read = copied && GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                                    reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS) == height;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!read) {
        error = "could not copy the screen (BitBlt/GetDIBits failed)";
        return false;
    }

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) {
        error = "could not create the picture file, error " + std::to_string(GetLastError());
        return false;
    }
    DWORD written = 0;
    bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
              WriteFile(out, &header, sizeof header, &written, nullptr) &&
              WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    CloseHandle(out);
    if (!ok) error = "could not write the picture file, error " + std::to_string(GetLastError());
    return ok;
}
