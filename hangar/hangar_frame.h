#pragma once

#include "hangar/core/settings_file.h"
#include "hangar/loaded_values.h"
#include "hangar/settings_section.h"

#include <utility>
#include <vector>
#include <wx/bmpbndl.h>
#include <wx/frame.h>

class AdvancedTab;
class BasicTab;
class MapRotationTab;
class MiscTab;
class wxNotebook;

// The launcher's main window: logo band, notebook with the four settings pages, the button row,
// the File menu and the status bar. It owns the settings document behind the pages.
class HangarFrame : public wxFrame
{
public:
    // The window cannot be resized or maximised.
    static constexpr long kFixedStyle = wxDEFAULT_FRAME_STYLE & ~(wxRESIZE_BORDER | wxMAXIMIZE_BOX);
    // The band above the notebook (DIPs) and where the logo is drawn in it.
    static constexpr int kLogoBand = 140;
    static inline const wxPoint kLogoPosition{10, 10};

    HangarFrame();
    ~HangarFrame() override;

    // The settings document.
    bool ValidateSettings();
    bool SaveSettings();
    bool SaveSettingsAs();
    void LoadSettings();

    bool IsModified() const { return m_modified; }
    const LoadedValues& GetLoadedValues() const { return m_loaded; }
    const wxString& GetFileName() const { return m_fileName; }
    const wxString& GetFilePath() const { return m_filePath; }
    const wxString& GetStartDir() const { return m_startDir; }
    const SettingsSection& GetSection() const { return m_section; }
    wxNotebook* GetNotebook() const { return m_notebook; }
    const wxBitmapBundle& GetLogo() const { return m_logo; }
    BasicTab* GetBasicTab() const { return m_basicTab; }
    AdvancedTab* GetAdvancedTab() const { return m_advancedTab; }
    MiscTab* GetMiscTab() const { return m_miscTab; }
    MapRotationTab* GetMapRotationTab() const { return m_mapRotationTab; }
    // True when config is this window's document configuration.
    bool HoldsConfig(const wxConfigBase* config) const;

private:
    friend void MarkModified();

    void CreateMenuBar();
    void CreateBasicTab();
    void CreateAdvancedTab();
    void CreateMiscTab();
    void CreateMapRotationTab();
    void AddFixedEntries();

    void OnNew(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnSaveAs(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnResetToDefaults(wxCommandEvent& event);
    void OnLaunch(wxCommandEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnClose(wxCloseEvent& event);

    // The settings document's own steps.
    bool ValidateNumberFields();
    void ReadSettingsConfig();
    // Loads what was read from m_filePath. Returns the message that names a file that could not
    // be read (its defaults are shown) or the keys it holds more than once, or empty text.
    wxString LoadSettings(SettingsRead read);
    void InstallConfig();
    void SetDefaultsOnEveryPage();
    bool SaveDocument();
    bool OfferToSaveChanges();
    bool MayReplaceFile();
    void ShowError(const wxString& message);

    SettingsSection m_section;
    std::vector<SettingsSection*> m_sections;
    // The content of the current settings file; installed as the toolkit's global configuration
    // by each save and load, and taken out of it again when replaced or destroyed.
    SettingsConfig m_config;
    wxString m_fileName;
    wxString m_filePath;
    wxString m_startDir;
    bool m_modified = true;
    wxBitmapBundle m_logo; // drawn at the window's scale (LogoFor)
    wxNotebook* m_notebook = nullptr;
    BasicTab* m_basicTab = nullptr;
    AdvancedTab* m_advancedTab = nullptr;
    MiscTab* m_miscTab = nullptr;
    MapRotationTab* m_mapRotationTab = nullptr;
    std::vector<std::pair<wxString, wxString>> m_fixedEntries;
    // Why the current settings file could not be read when it was opened (errno), or 0. A save
    // never replaces a file whose content it could not read.
    int m_readError = 0;
    wxString m_readReason; // the system's words for m_readError
    // What the current settings file held when it was last read or written: a save asks before
    // replacing a file that something else has changed since.
    DiskContent m_onDisk;
    // The texts the controls were loaded from, written back while the operator leaves them alone.
    LoadedValues m_loaded;

    wxDECLARE_EVENT_TABLE();
};

// The main window; null while it is being built, so construction never marks anything modified.
extern HangarFrame* g_frame;

// The transfer buffer shared by every RangeValidator of the launcher; created by the main window
// before any page and never freed.
extern wxString* g_validatorText;

// Marks the document modified after a user change: the status field gets a "*", once.
void MarkModified();
