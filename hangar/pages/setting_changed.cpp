#include "hangar/pages/setting_changed.h"

#include "hangar/hangar_frame.h"

void OnSettingChanged(wxCommandEvent& /*event*/)
{
    MarkModified();
}
