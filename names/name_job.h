// The batch job that builds names into the output box, and the two handlers that drive it.
//
// The controls: 编辑框4 name length ("2", "3" or "4", the surname counting as one character),
// 编辑框1 count, 编辑框3 surname, 选择框1 random surname, 编辑框2 output. Every name is appended
// whole, followed by the full-width comma.
#pragma once

namespace names {

// The clicked event of 选择框1: ticked disables the surname box and puts one space into it (so the
// check at Start passes); unticked enables it again and leaves its text alone.
void ToggleAutoRandom();

// The clicked event of 按钮1: when the length, count and surname boxes (tested in that order, up
// to the first empty one) all hold some text, starts GenerateNames on a worker; otherwise tells
// the user to fill them in.
void StartGeneration();

// The job, run on a worker thread of its own. It fixes its branch (random or typed surname) and
// its count at the start, and reads the length box, and in the typed-surname loop the surname
// box, afresh in every iteration. It holds only values, so a window service that throws while
// the window goes away unwinds it cleanly.
void GenerateNames();

}  // namespace names
