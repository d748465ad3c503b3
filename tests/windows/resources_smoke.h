#pragma once

// Ids of the smoke test's string table (the icon and the bitmap have names).
#define IDS_SMOKE_TITLE 1
