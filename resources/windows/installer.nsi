; The Windows installer of the tool kit (NSIS 3, Modern UI 2): both programs into a folder the
; user chooses, a Start-menu shortcut for each, and an uninstaller registered with Windows.
; Silent with /S, both ways; /D=FOLDER (last, unquoted) picks the folder of a silent install.
;
; It installs for all users, as administrator, into Program Files by default: the usual home of
; the dedicated server is a folder under Program Files, and installing the tools into the server's
; own folder is what lets the launcher's shortcut start the server (the launcher starts
; TROVServer.exe from the folder it was started in, which is the shortcut's "Start in" folder,
; the installation folder). Each user's settings stay in that user's Documents folder and are
; never touched here.
;
; scripts/package-windows.sh builds it with makensis and these definitions:
;   VERSION      the project version, e.g. 1.0.0
;   VI_VERSION   the same with four numbers, e.g. 1.0.0.0 (the file version of the installer)
;   LAUNCHER_EXE the launcher program (hangar.exe) to install
;   CONSOLE_EXE  the console program (signal.exe) to install
;   ICON         the installer's icon (.ico)
;   OUTFILE      the installer to write

!macro Required NAME
    !ifndef ${NAME}
        !error "${NAME} is not defined: build with scripts/package-windows.sh"
    !endif
!macroend
!insertmacro Required VERSION
!insertmacro Required VI_VERSION
!insertmacro Required LAUNCHER_EXE
!insertmacro Required CONSOLE_EXE
!insertmacro Required ICON
!insertmacro Required OUTFILE

Unicode true
; The programs are 64-bit, and so is the installer: it needs no 32-bit Windows layer, writes the
; 64-bit registry view and sees the real Program Files folder.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "Iron Canopy Dedicated Server Tools"
!define PUBLISHER "ZE Zavov"
!define LAUNCHER_NAME "Iron Canopy Dedicated Server Launcher"
!define CONSOLE_NAME "Iron Canopy Dedicated Server Remote"
!define PUBLISHER_FOLDER "$PROGRAMFILES64\${PUBLISHER}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\IronCanopyServerTools"
!define UNINSTALLER "Uninstall.exe"

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION} Setup"
UninstallCaption "${PRODUCT} ${VERSION} Uninstall"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "${PUBLISHER_FOLDER}\Iron Canopy Server Tools"
; A new version goes where the last one went, unless the user picks another folder.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VI_VERSION}"
VIFileVersion "${VI_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!include MUI2.nsh
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "Setup will install the ${LAUNCHER_NAME} and the ${CONSOLE_NAME} on your computer.$\r$\n$\r$\nClose both programs if they are running, then click Next to continue."
!insertmacro MUI_PAGE_WELCOME
!define MUI_DIRECTORYPAGE_TEXT_TOP "Setup will install ${PRODUCT} in the following folder.$\r$\n$\r$\nThe launcher starts the server (TROVServer.exe) from the folder it is started in, and its Start-menu shortcut starts it in this folder: install into the server's folder to start the server from the Start menu. Your settings are kept in your Documents folder wherever the tools are installed."
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

; An installation into another folder than the last one takes its place: the last one's own
; uninstaller removes it (and only it), so no copy is left behind that Windows no longer lists.
Function RemoveCopyElsewhere
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $0 "" done
    StrCmp $0 $INSTDIR done
    IfFileExists "$0\${UNINSTALLER}" 0 done
    DetailPrint "Removing the installation in $0"
    ; Run in place (_?=), it is done when it returns, but cannot remove itself.
    ExecWait '"$0\${UNINSTALLER}" /S _?=$0'
    Delete "$0\${UNINSTALLER}"
    RMDir "$0"
    RMDir "${PUBLISHER_FOLDER}"
    done:
FunctionEnd

Section "-Programs" ProgramsSection
    Call RemoveCopyElsewhere
    ; The shortcuts made below start their programs in this folder.
    SetOutPath "$INSTDIR"
    File "/oname=hangar.exe" "${LAUNCHER_EXE}"
    File "/oname=signal.exe" "${CONSOLE_EXE}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    CreateShortcut "$SMPROGRAMS\${LAUNCHER_NAME}.lnk" "$INSTDIR\hangar.exe" "" "" 0 SW_SHOWNORMAL \
        "" "Edit the settings of the Iron Canopy dedicated server and start it"
    CreateShortcut "$SMPROGRAMS\${CONSOLE_NAME}.lnk" "$INSTDIR\signal.exe" "" "" 0 SW_SHOWNORMAL \
        "" "Log in to a running Iron Canopy dedicated server and send it commands"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\hangar.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize ${ProgramsSection} $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes exactly what was installed: the folder may be the server's own, so it goes only when
; nothing else is left in it. The settings in the users' Documents folders stay.
Section "Uninstall"
    Delete "$SMPROGRAMS\${LAUNCHER_NAME}.lnk"
    Delete "$SMPROGRAMS\${CONSOLE_NAME}.lnk"
    Delete "$INSTDIR\hangar.exe"
    Delete "$INSTDIR\signal.exe"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    RMDir "${PUBLISHER_FOLDER}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
