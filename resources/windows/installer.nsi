; The Windows installer of the tool kit (NSIS 3, Modern UI 2): both programs into a folder the
; user chooses, a Start-menu shortcut for each, and an uninstaller registered with Windows.
; Silent with /S, both ways; /SERVERDIR=FOLDER names the server's folder of a silent install and
; /D=FOLDER (last, unquoted) its installation folder. /SERVERDIR= is read as cmd passes it
; (/SERVERDIR=C:\Game Server), as PowerShell and deployment tools quote it ("/SERVERDIR=C:\Game
; Server") and quoted after the sign (/SERVERDIR="C:\Game Server"). An option it cannot read
; (unknown, or a folder that is not a full path) stops it before anything is changed, with exit
; code 2 (and a message when it is not silent).
;
; It installs for all users, as administrator, into Program Files by default. The launcher starts
; TROVServer.exe from the folder it was started in, which is its shortcut's "Start in" folder, so
; a second page asks for the server's folder (the one holding TROVServer.exe) and both shortcuts
; start there. That folder is remembered with the installation for the next upgrade; it is the
; server's, so nothing here writes into it or removes anything from it (unless the tools are
; installed into it). Each user's settings stay in that user's Documents folder and are never
; touched here.
;
; scripts/package-windows.sh builds it with makensis and these definitions:
;   VERSION      the project version, e.g. 1.0.0
;   VI_VERSION   the same with four numbers, e.g. 1.0.0.0 (the file version of the installer)
;   LAUNCHER_EXE the launcher program (hangar.exe) to install
;   CONSOLE_EXE  the console program (signal.exe) to install
;   ICON         the installer's icon (.ico)
;   OUTFILE      the installer to write
;   SIGN         optional: the signing script (scripts/sign-windows.sh), which signs the
;                uninstaller and the installer as they are written

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
; A file that cannot be written stops the installation instead of being skipped (which a silent
; installation would do without a word), so no installation is left half old, half new.
AllowSkipFiles off

!ifdef SIGN
    !uninstfinalize 'sh "${SIGN}" "%1"' = 0
    !finalize 'sh "${SIGN}" "%1"' = 0
!endif

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
!include FileFunc.nsh
!include LogicLib.nsh

; The folder holding the server (TROVServer.exe), where both shortcuts start; empty until known.
Var ServerDir
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "Setup will install the ${LAUNCHER_NAME} and the ${CONSOLE_NAME} on your computer.$\r$\n$\r$\nClose both programs if they are running, then click Next to continue."
!insertmacro MUI_PAGE_WELCOME
!define MUI_DIRECTORYPAGE_TEXT_TOP "Setup will install ${PRODUCT} in the following folder. You choose the server's folder on the next page.$\r$\n$\r$\nYour settings are kept in your Documents folder wherever the tools are installed."
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_HEADER_TEXT "Choose the Server's Folder"
!define MUI_PAGE_HEADER_SUBTEXT "Choose the folder that holds the dedicated server, TROVServer.exe."
!define MUI_DIRECTORYPAGE_TEXT_TOP "The launcher starts the server (TROVServer.exe) from the folder it is started in. Both Start-menu shortcuts start their programs in the folder below: choose the folder that holds TROVServer.exe."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Server's folder"
!define MUI_DIRECTORYPAGE_VARIABLE $ServerDir
!define MUI_PAGE_CUSTOMFUNCTION_PRE ServerPagePre
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ServerPageShow
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE ServerPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; Started any other way than by its shortcut (double-clicked in the installation folder, say), the
; launcher runs in a folder without the server and Launch! finds no TROVServer.exe.
!define MUI_FINISHPAGE_TEXT "${PRODUCT} is installed.$\r$\n$\r$\nStart the launcher from its Start-menu shortcut, ${LAUNCHER_NAME}: the shortcut starts it in the server's folder, where Launch! finds TROVServer.exe. Started any other way, for example by double-clicking hangar.exe in the installation folder, the launcher looks for the server in that folder, and Launch! reports that the file was not found."
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Stops with exit code 2 before anything is changed, because of the option in $R0; $R1 says why.
Function StopForOption
    MessageBox MB_OK|MB_ICONSTOP "Setup cannot read the option$\r$\n$R0$\r$\n$R1$\r$\n$\r$\nThe options are /S (silent), /SERVERDIR=FOLDER (the folder that holds TROVServer.exe) and, last, /D=FOLDER (the installation folder). Nothing has been changed." /SD IDOK
    SetErrorLevel 2
    Quit
FunctionEnd

; Reads one option, $R0, with its quotes taken out (no Windows path holds one).
Function ReadOption
    StrCpy $R2 $R0 11
    ${If} $R0 S== "/S"
    ${OrIf} $R0 S== "/NCRC"
        Return
    ${ElseIf} $R2 == "/SERVERDIR="
        StrCpy $R2 $R0 "" 11
        ; A full path: a drive's (C:\...) or a share's (\\server\...).
        StrCpy $R3 $R2 2 1
        StrCpy $R4 $R2 2
        ${If} $R3 != ":\"
        ${AndIf} $R4 != "\\"
            StrCpy $R1 "The server's folder must be a full path, such as C:\Games\Iron Canopy Server."
            Call StopForOption
        ${EndIf}
        ; Without a last backslash, unless it is a drive's own folder.
        StrLen $R3 $R2
        StrCpy $R4 $R2 1 -1
        ${If} $R4 == "\"
        ${AndIf} $R3 > 3
            StrCpy $R2 $R2 -1
        ${EndIf}
        StrCpy $ServerDir $R2
        StrCpy $R5 1
    ${Else}
        StrCpy $R1 "It is not an option of this setup program."
        Call StopForOption
    ${EndIf}
FunctionEnd

; Reads the command line's options. One starts with a / at the start of a word (or right after
; its opening quote) and runs to the next: cmd passes /SERVERDIR=C:\Game Server unquoted, in two
; words. /D= is the last (Setup itself reads the rest of the line). Sets $R5 to 1 when
; /SERVERDIR= is among them.
Function ReadOptions
    ${GetParameters} $0
    StrCpy $1 0 ; the index of the next character
    StrCpy $2 1 ; 1 at the start of a word
    StrCpy $3 0 ; 1 inside quotes
    StrCpy $R0 "" ; the option so far
    StrCpy $4 "" ; the blanks since its last word
    StrCpy $R5 0
    ${Do}
        StrCpy $5 $0 1 $1
        ${If} $5 == ""
            ${Break}
        ${EndIf}
        IntOp $1 $1 + 1
        ${If} $3 == 0
            ${If} $5 == " "
            ${OrIf} $5 == "$\t"
                StrCpy $4 "$4$5"
                StrCpy $2 1
                ${Continue}
            ${EndIf}
        ${EndIf}
        ${If} $2 == 1
            StrCpy $2 0
            StrCpy $6 $5
            ${If} $5 == "$\""
                StrCpy $6 $0 1 $1
            ${EndIf}
            ${If} $6 == "/"
                ${If} $R0 != ""
                    Call ReadOption
                ${EndIf}
                StrCpy $R0 ""
                StrCpy $4 ""
                ${If} $5 == "/"
                    StrCpy $6 $0 2 $1
                ${Else}
                    IntOp $7 $1 + 1
                    StrCpy $6 $0 2 $7
                ${EndIf}
                ${If} $6 S== "D="
                    ${Break}
                ${EndIf}
            ${ElseIf} $R0 == ""
                StrCpy $R0 $0 "" $1
                StrCpy $R0 "$5$R0"
                StrCpy $R1 "It is not an option of this setup program."
                Call StopForOption
            ${Else}
                StrCpy $R0 "$R0$4"
                StrCpy $4 ""
            ${EndIf}
        ${EndIf}
        ${If} $5 == "$\""
            IntOp $3 1 - $3
        ${Else}
            StrCpy $R0 "$R0$5"
        ${EndIf}
    ${Loop}
    ${If} $R0 != ""
        Call ReadOption
    ${EndIf}
FunctionEnd

; The server's folder: the one given as /SERVERDIR=, otherwise the one of the last installation.
Function .onInit
    SetShellVarContext all
    Call ReadOptions
    ${If} $R5 == 0
        ReadRegStr $ServerDir HKLM "${UNINSTALL_KEY}" "ServerFolder"
    ${EndIf}
FunctionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

; With no server's folder known yet, the installation folder is taken when it holds the server.
Function ProposeServerFolder
    ${If} $ServerDir == ""
    ${AndIf} ${FileExists} "$INSTDIR\TROVServer.exe"
        StrCpy $ServerDir $INSTDIR
    ${EndIf}
FunctionEnd

Function ServerPagePre
    Call ProposeServerFolder
FunctionEnd

; Nothing is installed into the server's folder: the space figures mean nothing there.
Function ServerPageShow
    ShowWindow $mui.DirectoryPage.SpaceRequired ${SW_HIDE}
    ShowWindow $mui.DirectoryPage.SpaceAvailable ${SW_HIDE}
FunctionEnd

; A folder without the server is allowed (the server may come later), after a warning.
Function ServerPageLeave
    ${IfNot} ${FileExists} "$ServerDir\TROVServer.exe"
        MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON2 "There is no TROVServer.exe in$\r$\n$ServerDir$\r$\n$\r$\nLaunch! will report that the file was not found until the server is in this folder. Use this folder anyway?" IDYES +2
        Abort
    ${EndIf}
FunctionEnd

; Stops while a program in $R0 is running: Windows keeps a running program's file open, so it
; can be neither replaced nor removed, and the installation would be left half old, half new.
; The file of a running program cannot be opened for writing. Retry checks again; Cancel (and a
; silent run) ends with nothing changed. $R1 is the program's file name, $R2 its name.
!macro RequireProgramClosed UN
    Function ${UN}RequireProgramClosed
        retry:
        IfFileExists "$R0\$R1" 0 done
        ClearErrors
        FileOpen $R3 "$R0\$R1" a
        IfErrors in_use
        FileClose $R3
        Goto done
        in_use:
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$R0\$R1 is in use: the $R2 is running. Close it, then click Retry.$\r$\n$\r$\nCancel stops here; nothing has been changed." /SD IDCANCEL IDRETRY retry
        DetailPrint "$R0\$R1 is in use: the $R2 is running; close it and try again."
        SetErrorLevel 2
        Abort "$R0\$R1 is in use: the $R2 is running."
        done:
    FunctionEnd

    ; Both programs in $R0.
    Function ${UN}RequireProgramsClosed
        StrCpy $R1 hangar.exe
        StrCpy $R2 "${LAUNCHER_NAME}"
        Call ${UN}RequireProgramClosed
        StrCpy $R1 signal.exe
        StrCpy $R2 "${CONSOLE_NAME}"
        Call ${UN}RequireProgramClosed
    FunctionEnd
!macroend
!insertmacro RequireProgramClosed ""
!insertmacro RequireProgramClosed "un."

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
    StrCpy $R0 $INSTDIR
    Call RequireProgramsClosed
    ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R0 != ""
    ${AndIf} $R0 != $INSTDIR
        Call RequireProgramsClosed
    ${EndIf}
    Call RemoveCopyElsewhere
    SetOutPath "$INSTDIR"
    File "/oname=hangar.exe" "${LAUNCHER_EXE}"
    File "/oname=signal.exe" "${CONSOLE_EXE}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; A silent installation has had no page to choose the server's folder on. Unknown still, the
    ; shortcuts start in the installation folder and nothing is remembered.
    Call ProposeServerFolder
    ${If} $ServerDir == ""
        DetailPrint "No server's folder given: the shortcuts start in $INSTDIR"
        StrCpy $OUTDIR $INSTDIR
    ${Else}
        ${IfNot} ${FileExists} "$ServerDir\TROVServer.exe"
            DetailPrint "Warning: there is no TROVServer.exe in $ServerDir"
        ${EndIf}
        ; The shortcuts start in $OUTDIR; SetOutPath would also create a missing folder.
        StrCpy $OUTDIR $ServerDir
    ${EndIf}
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
    ${If} $ServerDir != ""
        WriteRegStr HKLM "${UNINSTALL_KEY}" "ServerFolder" "$ServerDir"
    ${EndIf}
    SectionGetSize ${ProgramsSection} $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes exactly what was installed: the folder may be the server's own, so it goes only when
; nothing else is left in it. The server's folder and the settings in the users' Documents
; folders stay.
Section "Uninstall"
    StrCpy $R0 $INSTDIR
    Call un.RequireProgramsClosed
    Delete "$SMPROGRAMS\${LAUNCHER_NAME}.lnk"
    Delete "$SMPROGRAMS\${CONSOLE_NAME}.lnk"
    Delete "$INSTDIR\hangar.exe"
    Delete "$INSTDIR\signal.exe"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    RMDir "${PUBLISHER_FOLDER}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
