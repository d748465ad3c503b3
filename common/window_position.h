#pragma once

// Window size and placement that survive a window manager.

class wxSize;
class wxTopLevelWindow;

// The size for a window designed at `designed` (outer size, in DIPs): that size in the window's
// pixels, or larger where the window's sizer needs more room than it leaves, as it does where the
// system's controls and fonts are larger than the ones the window was laid out for.
wxSize DesignedOrNeededSize(const wxTopLevelWindow* window, const wxSize& designed);

// Keeps the position `window` was given before it is first shown. Under a window manager the
// toolkit maps a new window only once the manager has told it the size of its decorations, and
// the position asked for before that is lost on the way: the window would open wherever the
// manager puts it. Call after placing the window (Centre, Move) and before showing it.
void KeepPositionWhenShown(wxTopLevelWindow* window);

// Keeps a fixed-size window designed at `designed` (DIPs) large enough for its controls, and
// centred.
// Its size is chosen before the window manager's frame is known; should the frame turn out larger
// than the toolkit guessed, the client area comes out smaller than the controls need, and the
// window then grows to fit them and is centred again.
void KeepFittingWhenFramed(wxTopLevelWindow* window, const wxSize& designed);
