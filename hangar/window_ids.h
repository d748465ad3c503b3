#pragma once

// Window ids of the launcher, one namespace per window. Ids are small fixed numbers that need to
// be unique only within their own window: the event tables and the tests refer to them.

namespace FrameId
{
enum
{
    New = 0,
    Open = 1,
    Save = 2,
    SaveAs = 3,
    Exit = 4,
    ResetToDefaults = 5,
    Launch = 6,
    StatusBar = 0,
};
}

namespace BasicId
{
enum
{
    GameName = 0,
    GameType = 1,
    MaxPlayers = 2,
    Password = 3,
    PrivateEnabled = 4,
    PrivatePassword = 5,
    Rounds = 6,
    TimeLimit = 7,
    Username = 8,
    WelcomeMessage = 9,
    UseCached = 10,
    EncryptedLogin = 11,
};
}

namespace AdvancedId
{
enum
{
    AmmoDrop = 0,
    DisableRifleClass = 1,
    DisableSMGClass = 2,
    DisableAutoRifleClass = 3,
    DisableSniperClass = 4,
    DisableRocketClass = 5,
    FriendlyFire = 6,
    HealthDrop = 7,
    Invincibility = 8,
    PunkBuster = 9,
    SpawnPostDelayAxis = 10,
    SpawnPostDelayAllies = 11,
    SpawnPostDelayNonSky = 12,
    SpawnPreDelayAxis = 13,
    SpawnPreDelayAllies = 14,
    SpawnPreDelayNonSky = 15,
    VoiceCommands = 16,
    WeaponDrop = 17,
    WeaponTracers = 18,
    Upgrades = 19,
};
}

namespace MiscId
{
enum
{
    AdditionalOptions = 0,
    DebugOutput = 1,
    RemotePassword = 2,
    RemotePort = 3,
    ShowCompass = 4,
    ShowCrosshairs = 5,
    ShowEnemyCompassDots = 6,
    ShowEnemyNames = 7,
    ShowFriendlyCompassDots = 8,
    ShowFriendlyNames = 9,
    ShowGrenadeIndicators = 10,
    ShowHealthBar = 11,
    ShowHitIndicators = 12,
    ShowHUD = 13,
    ShowScoreAndTime = 14,
    ShowStanceIndicator = 15,
    ShowText = 16,
    ShowWhoKilledMe = 17,
    ShowWhoKilledMeTime = 18,
    TimeBetweenMatches = 19,
    TimeBetweenRounds = 20,
};
}

namespace MapRotationId
{
enum
{
    MapList = 0,
    RotationList = 1,
    Add = 2,
    Remove = 3,
    MoveUp = 4,
    MoveDown = 5,
    Clear = 6,
};
}
