#include "hangar/hangar_app.h"

wxIMPLEMENT_APP(HangarApp);
