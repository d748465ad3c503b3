#include "signal/remote_admin_tool.h"

wxIMPLEMENT_APP(RemoteAdminTool);
