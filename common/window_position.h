#pragma once

// Window placement that survives a window manager.

class wxTopLevelWindow;

// Keeps the position `window` was given before it is first shown. Under a window manager the
// toolkit maps a new window only once the manager has told it the size of its decorations, and
// the position asked for before that is lost on the way: the window would open wherever the
// manager puts it. Call after placing the window (Centre, Move) and before showing it.
void KeepPositionWhenShown(wxTopLevelWindow* window);
