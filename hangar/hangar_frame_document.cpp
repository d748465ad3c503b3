// The settings document: save, Save As, load and the File commands.

#include "hangar/control_values.h"
#include "hangar/core/documents_folder.h"
#include "hangar/core/duplicate_keys.h"
#include "hangar/core/punkbuster.h"
#include "hangar/core/res_string.h"
#include "hangar/core/safe_file.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/advanced_tab.h"
#include "hangar/pages/basic_tab.h"
#include "hangar/pages/defaultable.h"
#include "hangar/pages/map_rotation_tab.h"
#include "hangar/pages/misc_tab.h"

#include <wx/checkbox.h>
#include <wx/fileconf.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

namespace
{
const wxString kWildcard = "Config files (*.ini)|*.ini";

wxString GroupPath(const SettingsSection& section)
{
    return "/DedicatedServer." + section.m_name;
}

// The file the Open and Save As dialogs propose, with the folder they start in: the default
// settings file in the settings folder, or a titled document's own file in its own folder.
wxFileName ProposedFile(const wxString& filePath)
{
    return filePath.empty() ? wxFileName(GetSettingsFolder(), kDefaultSettingsFileName)
                            : wxFileName(filePath);
}

// The file chosen in a file dialog (not IsOk() when there is none). The native chooser reports its
// selection once it has been shown and has loaded the folder; a choice made without showing it (as
// an automated answer does) is known from the dialog's folder and file name.
wxFileName ChosenFile(const wxFileDialog& dialog)
{
    wxString path = dialog.GetPath();
    if (path.empty() && !dialog.GetFilename().empty())
        path = wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
    wxFileName chosen(path);
    if (!path.empty())
        chosen.MakeAbsolute();
    return chosen;
}

// The process's working directory follows the folder chosen in a file dialog, as the dialog's
// own option does when it is really shown. A folder that does not exist (the save will report
// it) leaves the working directory as it is.
void FollowChosenFolder(const wxFileName& chosen)
{
    wxLogNull noLog;
    wxSetWorkingDirectory(chosen.GetPath());
}

// True when the configuration is the document configuration of some main window.
bool HeldByAMainWindow(const wxConfigBase* config)
{
    for (const wxWindow* window : wxTopLevelWindows)
    {
        const HangarFrame* frame = dynamic_cast<const HangarFrame*>(window);
        if (frame && frame->HoldsConfig(config))
            return true;
    }
    return false;
}
} // namespace

bool HangarFrame::SaveSettings()
{
    // The required fields first, with the message and order they always had; then the numbers.
    if (!ValidateSettings() || !ValidateNumberFields())
        return false;
    if (m_filePath.empty())
        return SaveSettingsAs(); // an untitled document has no file to write yet
    if (!m_config)
        ReadSettingsConfig();
    if (m_readError != 0)
    {
        ShowError(UnreadFileText(m_filePath, m_readError, m_readReason));
        return false;
    }
    if (!MayReplaceFile())
        return false;

    // With a cached login the server logs in by EncryptedLogin: the file gets an empty Username
    // and Password, while the fields keep their texts.
    const bool cached = m_basicTab->m_useCached->GetValue();
    InstallConfig();
    for (const SettingsSection* section : m_sections)
    {
        m_config->SetPath(GroupPath(*section));
        for (const auto& [key, control] : section->m_controls)
        {
            const bool blank = cached && (key == "Username" || key == "Password");
            m_config->Write(key, blank ? wxString() : m_loaded.SaveText(key, control));
        }
    }
    for (const auto& [key, value] : m_fixedEntries)
        m_config->Write(key, value);

    const std::string bytes = SettingsFileBytes(*m_config);
    wxString reason;
    if (const int error = WriteFileAtomically(m_filePath, bytes, &reason))
    {
        ShowError(SaveErrorText(m_filePath, error, reason));
        return false;
    }
    m_onDisk = ContentOf(bytes);
    SetStatusText(m_fileName, 1);
    m_modified = false;
    return true;
}

bool HangarFrame::SaveSettingsAs()
{
    if (!ValidateSettings() || !ValidateNumberFields())
        return false;

    const wxFileName proposed = ProposedFile(m_filePath);
    wxFileDialog dialog(this, "Save File As", proposed.GetPath(), proposed.GetFullName(), kWildcard,
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT | wxFD_CHANGE_DIR);
    const wxFileName chosen = dialog.ShowModal() == wxID_OK ? ChosenFile(dialog) : wxFileName();
    if (!chosen.IsOk())
        return false;
    FollowChosenFolder(chosen);

    // Keep the current document to go back to when the new file cannot be written.
    SettingsConfig previousConfig = std::move(m_config);
    if (wxConfigBase::Get(false) == previousConfig.get())
        wxConfigBase::Set(nullptr); // held here now; the next install must not delete it
    const wxString previousName = m_fileName;
    const wxString previousPath = m_filePath;
    const int previousReadError = m_readError;
    const wxString previousReadReason = m_readReason;
    const DiskContent previousOnDisk = m_onDisk;

    m_fileName = chosen.GetFullName();
    m_filePath = chosen.GetFullPath();
    ReadSettingsConfig(); // an existing file's other content is kept
    if (SaveSettings())
        return true;

    m_config = std::move(previousConfig);
    m_fileName = previousName;
    m_filePath = previousPath;
    m_readError = previousReadError;
    m_readReason = previousReadReason;
    m_onDisk = previousOnDisk;
    return false;
}

void HangarFrame::LoadSettings()
{
    const wxString unread = LoadSettings(ReadSettingsFile(m_filePath));
    if (!unread.empty())
        ShowError(unread);
}

wxString HangarFrame::LoadSettings(SettingsRead read)
{
    wxLogNull noLog; // a missing file loads as defaults; the toolkit has nothing to say

    m_config = std::move(read.m_config);
    m_readError = read.m_readError;
    m_readReason = read.m_readReason;
    m_onDisk = read.m_onDisk;
    m_loaded.Clear();
    SetDefaultsOnEveryPage();
    // A file's cached login comes from that file alone: one without the key has none, rather
    // than the login of the file loaded before it.
    m_basicTab->m_encryptedLogin->ChangeValue(wxEmptyString);
    InstallConfig();
    for (const SettingsSection* section : m_sections)
    {
        m_config->SetPath(GroupPath(*section));
        for (const auto& [key, control] : section->m_controls)
        {
            LoadValue(key, control, *m_config);
            wxString stored;
            if (m_config->Read(key, &stored))
                m_loaded.Loaded(key, control, stored);
        }
    }

    m_basicTab->ApplyLoadRules();
    if (!IsPunkBusterInstalled(m_startDir))
        m_advancedTab->m_punkBuster->SetValue(false);
    m_miscTab->SyncKillerTimeField();
    m_mapRotationTab->UpdateButtons();

    SetStatusText(m_fileName, 1);
    m_modified = false;
    // The defaults are shown, and no save replaces the file.
    if (m_readError != 0)
        return ReadErrorText(m_filePath, m_readError, m_readReason);
    return DuplicateKeysText(m_filePath, read.m_duplicateKeys);
}

void HangarFrame::OnNew(wxCommandEvent& /*event*/)
{
    if (!OfferToSaveChanges())
        return;
    m_filePath.clear();
    m_loaded.Clear();
    SetDefaultsOnEveryPage();
    // No cached login comes with a new document, as none comes with a file that has none.
    m_basicTab->m_encryptedLogin->ChangeValue(wxEmptyString);
    m_basicTab->ApplyLoadRules();
    m_modified = false;
    SetStatusText("Untitled", 1);
}

void HangarFrame::OnOpen(wxCommandEvent& /*event*/)
{
    if (!OfferToSaveChanges())
        return;
    const wxFileName proposed = ProposedFile(m_filePath);
    wxFileDialog dialog(this, "Open", proposed.GetPath(), proposed.GetFullName(), kWildcard,
                        wxFD_OPEN | wxFD_CHANGE_DIR);
    const wxFileName chosen = dialog.ShowModal() == wxID_OK ? ChosenFile(dialog) : wxFileName();
    if (!chosen.IsOk())
        return;
    FollowChosenFolder(chosen);
    // A file that cannot be used is named, and the document stays exactly as it was.
    SettingsRead read = ReadSettingsFile(chosen.GetFullPath());
    if (read.m_readError != 0)
    {
        ShowError(ReadErrorText(chosen.GetFullPath(), read.m_readError, read.m_readReason));
        return;
    }
    m_fileName = chosen.GetFullName();
    m_filePath = chosen.GetFullPath();
    const wxString duplicates = LoadSettings(std::move(read));
    if (!duplicates.empty())
        ShowError(duplicates);
}

void HangarFrame::OnSave(wxCommandEvent& /*event*/)
{
    SaveDocument();
}

void HangarFrame::OnSaveAs(wxCommandEvent& /*event*/)
{
    SaveSettingsAs();
}

void HangarFrame::OnClose(wxCloseEvent& event)
{
    if (OfferToSaveChanges() || !event.CanVeto())
        Destroy();
    else
        event.Veto(); // the changes are neither saved nor given up: the window stays open
}

bool HangarFrame::HoldsConfig(const wxConfigBase* config) const
{
    return config && m_config.get() == config;
}

void HangarFrame::ReadSettingsConfig()
{
    SettingsRead read = ReadSettingsFile(m_filePath);
    m_config = std::move(read.m_config);
    m_readError = read.m_readError;
    m_readReason = read.m_readReason;
    m_onDisk = read.m_onDisk;
}

void HangarFrame::InstallConfig()
{
    wxConfigBase* previous = wxConfigBase::Set(m_config.get());
    // A configuration the toolkit made on demand (or any other stray one) is ours to delete;
    // a main window's own is deleted by that window.
    if (previous && !HeldByAMainWindow(previous))
        delete previous;
}

void HangarFrame::SetDefaultsOnEveryPage()
{
    for (size_t i = 0; i < m_notebook->GetPageCount(); ++i)
    {
        if (Defaultable* page = dynamic_cast<Defaultable*>(m_notebook->GetPage(i)))
            page->SetDefaults();
    }
}

bool HangarFrame::SaveDocument()
{
    return m_filePath.empty() ? SaveSettingsAs() : SaveSettings();
}

bool HangarFrame::OfferToSaveChanges()
{
    if (!m_modified)
        return true;
    const wxString question = m_filePath.empty()
                                  ? wxString("Do you want to save your changes?")
                                  : "Do you want to save your changes to " + m_fileName + "?";
    switch (wxMessageBox(question, LoadResString(StringId::LauncherTitle),
                         wxYES_NO | wxCANCEL | wxICON_EXCLAMATION, this))
    {
    case wxYES:
        return SaveDocument();
    case wxNO:
        return true;
    default:
        return false;
    }
}

// Lines added to the file by a text editor or a second launcher since it was read or written would
// be lost: the user decides. A file that cannot be read now (another program may hold it) is not
// called changed: the question says what kept it from being read.
bool HangarFrame::MayReplaceFile()
{
    const DiskCheck check = CheckOnDisk(m_filePath, m_onDisk);
    if (!check.m_changed && check.m_readError == 0)
        return true;
    const wxString question =
        check.m_readError != 0
            ? UncheckedFileQuestion(m_fileName, check.m_readError, check.m_readReason)
            : "The file " + m_fileName + " has changed on disk since it was opened. Overwrite it?";
    return wxMessageBox(question, LoadResString(StringId::LauncherTitle),
                        wxYES_NO | wxICON_EXCLAMATION, this) == wxYES;
}

void HangarFrame::ShowError(const wxString& message)
{
    wxMessageBox(message, LoadResString(StringId::LauncherTitle), wxOK | wxICON_ERROR, this);
}
