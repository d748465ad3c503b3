#include "resources/string_table.h"

#include <iterator>

namespace
{
struct Entry
{
    int id;
    const wchar_t* text;
};

// Ids without an entry are never asked for.
const Entry kStrings[] = {
    {1, L"Iron Canopy\u2122 Dedicated Server Launcher"},
    {2, L"&File"},
    {3, L"&New"},
    {4, L"&Open"},
    {5, L"&Save"},
    {6, L"Save &As"},
    {7, L"E&xit"},
    {8, L"Reset to Defaults"},
    {9, L"Launch"},
    {10, L"Basic"},
    {11, L"Advanced"},
    {12, L"Miscellaneous"},
    {13, L"Map Rotation"},
    {14, L"Game Name"},
    {16, L"Game Type"},
    {17, L"ObjectiveSkydrop"},
    {18, L"TeamDeathmatch"},
    {19, L"TeamDeathmatchSkydrop"},
    {20, L"Welcome Message"},
    {21, L"Private"},
    {22, L"Enabled"},
    {23, L"Password"},
    {24, L"Login"},
    {25, L"Username"},
    {27, L"Rounds"},
    {28, L"Num Rounds"},
    {29, L"Time Limit"},
    {30, L"Max Players"},
    {31, L"PunkBuster\u2122"},
    {32, L"Enable PunkBuster\u2122"},
    {35, L"Weapons"},
    {36, L"Friendly Fire"},
    {37, L"Enable Weapon Drop"},
    {38, L"Upgrades"},
    {41, L"Enable Ammo Drop"},
    {42, L"Enable Health Drop"},
    {49, L"Show Flags"},
    {51, L"Show Enemy Names"},
    {52, L"Debug Output"},
    {53, L"Additional Options"},
    {54, L"Spawning"},
    {56, L"Invincibility Time"},
    {57, L"Wait Time"},
    {58, L"Between Rounds"},
    {59, L"Between Matches"},
    {60, L"Maps"},
    {61, L"Rotation"},
    {62, L"Add"},
    {63, L"Remove"},
    {64, L"Move Up"},
    {65, L"Move Down"},
    {66, L"Clear"},
    {67, L"%s cannot be left blank."},
    {68, L"Remote Administration"},
    {69, L"Port"},
    {71, L"Show Compass"},
    {72, L"Show Crosshairs"},
    {73, L"Show Enemy Compass Dots"},
    {74, L"Show Friendly Compass Dots"},
    {75, L"Show Friendly Names"},
    {76, L"Show Grenade Indicators"},
    {77, L"Show Health Bar"},
    {78, L"Show Hit Indicators"},
    {79, L"Show HUD"},
    {80, L"Show Score and Time"},
    {81, L"Show Stance Indicator"},
    {82, L"Show Message Window"},
    {83, L"Tracers"},
    {84, L"Enable Voice Commands"},
    {85, L"Show Who Killed Me"},
    {86, L"Show Killer Time"},
    {87, L"Post-Spawn Delay Time (by type)"},
    {88, L"Pre-Spawn Delay Time (by type)"},
    {89, L"Axis"},
    {90, L"Allies"},
    {91, L"Non-Skydrop Game"},
    {93, L"Disable Rifle Class"},
    {94, L"Disable SMG Class"},
    {95, L"Disable Auto Rifle Class"},
    {96, L"Disable Sniper Rifle Class"},
    {97, L"Disable Rocket Class"},
    {98, L"Use Cached"},
};
} // namespace

const wchar_t* FindTableString(int id)
{
    for (const Entry& e : kStrings)
    {
        if (e.id == id)
            return e.text;
    }
    return nullptr;
}
