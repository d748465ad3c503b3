#pragma once

// A settings page whose controls can be put back to their default values. The main window
// reaches a page's defaults only through this interface (New, before a load, Reset to Defaults).
// Pages are destroyed as windows, never through a Defaultable pointer.
class Defaultable
{
public:
    virtual void SetDefaults() = 0;

protected:
    ~Defaultable() = default;
};
