// Move-only owners for the Windows handles the program creates. Copying an owner does not
// compile, so nothing is released twice; every owner releases its handle on every path.
#pragma once

#include <windows.h>

#include <utility>

namespace app {

// Traits give the empty value and the release call of one kind of handle.
template <class Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Empty(); }
    Handle release() noexcept { return std::exchange(handle_, Traits::Empty()); }
    void reset(Handle handle = Traits::Empty()) noexcept {
        if (handle_ != Traits::Empty()) {
            Traits::Release(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = Traits::Empty();
};

// Handles whose empty value is null, released by one call.
template <class HandleType, auto kRelease>
struct NullEmptyTraits {
    using Handle = HandleType;
    static Handle Empty() noexcept { return nullptr; }
    static void Release(Handle handle) noexcept { kRelease(handle); }
};

// Files and searches report failure as INVALID_HANDLE_VALUE, not null.
template <auto kRelease>
struct InvalidEmptyTraits {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void Release(Handle handle) noexcept { kRelease(handle); }
};

inline void DeleteGdiObject(HGDIOBJ object) noexcept {
    DeleteObject(object);
}

using KernelHandleTraits = NullEmptyTraits<HANDLE, &CloseHandle>;
using FileHandleTraits = InvalidEmptyTraits<&CloseHandle>;
using FindHandleTraits = InvalidEmptyTraits<&FindClose>;
using IconTraits = NullEmptyTraits<HICON, &DestroyIcon>;
using BrushTraits = NullEmptyTraits<HBRUSH, &DeleteGdiObject>;
using ModuleTraits = NullEmptyTraits<HMODULE, &FreeLibrary>;

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueBrush = UniqueHandle<BrushTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;

}  // namespace app

namespace app {

// A window's device context, released when the scope ends.
class ScopedWindowDc {
  public:
    explicit ScopedWindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    ~ScopedWindowDc() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC get() const noexcept { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back when the scope ends.
class ScopedSelection {
  public:
    ScopedSelection(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;
    ~ScopedSelection() {
        if (previous_) {
            SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace app
