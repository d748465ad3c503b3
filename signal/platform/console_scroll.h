#pragma once

class wxTextCtrl;

// Brings the newest line of the console into view after text was appended to it.
void ScrollToNewestLine(wxTextCtrl& console);
