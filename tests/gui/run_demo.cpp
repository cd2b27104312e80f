// Drives the typical request through the real window for scripts/run on a virtual display:
// surname 王, length 3, count 10, Start. Prints the names as UTF-8, saves a picture of the window
// (frame and caption included) as a BMP file, then closes the program.
//   varnelo_run_demo <directory to run in> <bmp file>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/gui/program_driver.h"

namespace {

using gui_test::RunningProgram;
using names::Control;

bool SaveWindowPicture(HWND window, const std::wstring& path) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;  // no alpha byte that viewers could take for transparency
    header.biCompression = BI_RGB;
    void* pixels = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                            DIB_RGB_COLORS, &pixels, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD image_size = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + image_size;
    bool saved = false;
    const HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        saved = WriteFile(out, &file, sizeof file, &written, nullptr) &&
                WriteFile(out, &header, sizeof header, &written, nullptr) &&
                WriteFile(out, pixels, image_size, &written, nullptr) && written == image_size;
        CloseHandle(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

void PrintUtf8(const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                        length, nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: varnelo_run_demo <directory> <picture.bmp>\n", stderr);
        return 2;
    }
    RunningProgram program(argv[1]);
    program.SetText(program.Control(Control::编辑框3), L"王");
    program.SetText(program.Control(Control::编辑框4), L"3");
    program.SetText(program.Control(Control::编辑框1), L"10");
    program.PressButton(program.Control(Control::按钮1));
    const HWND output = program.Control(Control::编辑框2);
    const bool complete = gui_test::WaitUntil(
        [&] { return gui_test::SplitOutput(program.TextBytes(output)).names.size() == 10; });
    const std::wstring names = program.Text(output);
    // One name per line.
    std::wstring lines;
    for (wchar_t character : names) {
        lines += character;
        if (character == L'，')
            lines += L'\n';
    }
    PrintUtf8(lines);
    std::fflush(stdout);
    const bool saved = SaveWindowPicture(program.window(), argv[2]);
    const auto exit_code = program.CloseAndWait();
    if (!complete || !saved || exit_code != 0u) {
        std::fprintf(stderr, "demo failed: names %s, picture %s, exit code %ld\n",
                     complete ? "complete" : "missing", saved ? "saved" : "not saved",
                     exit_code ? static_cast<long>(*exit_code) : -1L);
        return 1;
    }
    return 0;
}
