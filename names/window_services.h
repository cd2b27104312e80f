// The window services: the only way the core reaches the window and its controls.
//
// The Windows program links the real services (app/); the unit tests link a fake window that
// scripts the controls and records every call. Every service may be called from any thread; a
// call from a worker is carried out whole by the window thread while the worker waits. Once the
// window is gone a worker's call does not return: the worker unwinds and ends quietly, so the
// routines that run on workers must own everything through values and RAII.
#pragma once

#include "names/gbk_text.h"

namespace names {

// The controls of the main window, by the names the window template gives them.
enum class Control {
    分组框1,
    标签2,
    编辑框3,
    选择框1,
    标签3,
    编辑框4,
    标签1,
    编辑框1,
    按钮1,
    分组框2,
    编辑框2,
    分组框3,
    按钮2,
};
inline constexpr int kControlCount = 13;

// The two-state properties of a control: 1 or 0 when read.
enum class Flag {
    kDisabled,  // any control
    kChecked,   // check box
};

// The whole content of an edit box.
struct TextProperty {};
inline constexpr TextProperty kText{};

int ReadProperty(Control control, Flag flag);
GbkText ReadProperty(Control control, TextProperty text);

// Writing the checked state does not raise the clicked event; writing a text replaces the whole
// content and raises the box's content-changed event once.
void WriteProperty(Control control, Flag flag, bool value);
void WriteProperty(Control control, TextProperty, const GbkText& value);

// Adds the text after the box's content as one step: the caret goes to the end, the box scrolls
// to it, the text is inserted there (not undoable) and the caret stands after it.
void AppendText(Control edit_box, const GbkText& text);

// A modal information box (title "信息：", information icon, OK), owned by no window. The calling
// thread waits until it is dismissed; the window thread keeps serving workers meanwhile.
void ShowInfoBox(const GbkText& text);

// Runs the routine once on a new thread whose handle is released at once. False when the thread
// could not be created.
bool StartWorker(void (*routine)());

// Runs the calling thread's already waiting window events, without waiting for new ones; leaves
// a quit request queued. Returns at once on a thread that owns no window.
void PumpEvents();

}  // namespace names
