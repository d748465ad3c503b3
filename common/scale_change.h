#pragma once

#include <wx/gdicmn.h>

class wxTopLevelWindow;

// Lays `window` out again when it moves to a screen of another scale (the toolkit's DPI-changed
// event, sent where windows measure in physical pixels). The toolkit rescales fonts, sizer
// borders, spacers and minimum sizes itself; this rescales the gaps of grid sizers as well and
// lays the window out anew, so that what is drawn at the window's scale (the logos) is drawn
// again. A window with a designed size (DIPs) takes its designed or needed size at the new scale
// (DesignedOrNeededSize), centred where the system put it; a window without one keeps the size the
// system proposes, which is at least what its controls need.
void LayOutAgainOnScaleChange(wxTopLevelWindow* window, const wxSize& designed = wxDefaultSize);
