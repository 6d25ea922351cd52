#pragma once

// The main screen (index 0) and the pointer, as the windows place themselves.
struct ScreenInfo {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int AvailableLeft = 0, AvailableTop = 0, AvailableWidth = 0, AvailableHeight = 0;
};

ScreenInfo Screen(int index);

// The pointer's position in screen coordinates.
namespace System {
int MouseX();
int MouseY();
}  // namespace System
