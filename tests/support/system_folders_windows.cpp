#include "tests/support/system_folders.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <windows.h>

// SHGetFolderPathW(CSIDL_PERSONAL) reads the user's "Personal" shell folder from the registry on
// each call. The old value is usually "%USERPROFILE%\Documents", stored for expansion: it is put
// back with its own type.
//
// That value is the real user's setting on a Windows machine, where a test that ended half way
// would leave Explorer and every program pointed at a folder that is gone. The tests change it
// only in a Wine prefix (made for the test run), and refuse to run anywhere else.
namespace
{
// Wine's ntdll exports its version; Windows' does not.
bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

void RefuseOutsideWine()
{
    if (RunningUnderWine())
        return;
    std::fputs("These tests point the Documents folder (HKEY_CURRENT_USER, User Shell Folders) at "
               "temporary folders, so they run only under Wine, in a prefix of their own "
               "(make test-windows). This is not Wine: nothing was changed.\n",
               stderr);
    std::fflush(stderr);
    std::exit(2);
}

const wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const wchar_t kPersonal[] = L"Personal";

bool SetPersonal(const std::wstring& value, DWORD type)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result =
        RegSetValueExW(key, kPersonal, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
} // namespace

wxString SystemTempFolder()
{
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, path);
    wxString folder(path, length);
    if (folder.EndsWith("\\"))
        folder.RemoveLast();
    return folder;
}

UserDocumentsRedirect::UserDocumentsRedirect(const wxString& folder)
{
    RefuseOutsideWine();
    wchar_t old[MAX_PATH * 2] = {};
    DWORD size = sizeof(old) - sizeof(wchar_t);
    DWORD type = 0;
    m_hadOld = RegGetValueW(HKEY_CURRENT_USER, kShellFolders, kPersonal,
                            RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &type, old,
                            &size) == ERROR_SUCCESS;
    if (m_hadOld)
    {
        m_old = old;
        m_oldKind = type;
    }
    wxString path = folder;
    path.Replace("/", "\\");
    SetPersonal(path.ToStdWstring(), REG_SZ);
}

UserDocumentsRedirect::~UserDocumentsRedirect()
{
    if (m_hadOld)
        SetPersonal(m_old.ToStdWstring(), m_oldKind);
    else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, kPersonal);
}
