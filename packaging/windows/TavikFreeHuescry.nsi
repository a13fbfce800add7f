; The Windows installer: the program, a Start menu shortcut, an App Paths entry (Win+R) and an
; entry in Apps & features, for everyone who uses the computer or for the one user who installs
; it; and an uninstaller that takes away all of it but the user's settings.
;
; Pages: welcome, for whom, folder, progress, and a finish that can start the program as the
; user; the uninstaller's: confirmation, progress, finish.
;
; Command line: /S silent, /AllUsers or /CurrentUser (silently, all users unless told),
; /D=<folder> last. Exit status 0 only when the job was done.
;
; makensis -DNAME=<name> -DVERSION=<version> -DVERSION_NUMBERS=<a.b.c.d> -DPUBLISHER=<publisher>
;          -DPRODUCT_CODE=<key> -DPROGRAM=<built program> -DEXE=<its file name>
;          -DINSTANCE_MUTEX=<its single-copy mutex> -DOUTFILE=<installer> [-DSIGN=<command>]
; The build gives the names and the version, as it gives them to the .deb and the winget manifests;
; PRODUCT_CODE names the program's key in Apps & features. SIGN is run on the installer and the
; uninstaller as makensis writes them.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
; Installing for one user needs no administrator rights: the installer asks for them only when
; it installs for everyone, by starting itself again elevated. NSIS's MultiUser.nsh cannot: it
; installs for everyone only when started elevated, and has no way to start itself again so,
; keeping the folder given on the command line; so whom it is for is chosen here, by hand.
RequestExecutionLevel user
; A file that cannot be written fails the install instead of being skipped.
AllowSkipFiles off

!include FileFunc.nsh
!include LogicLib.nsh
!include MUI2.nsh
!include nsDialogs.nsh

!define UNINSTALLER "Uninstall ${NAME}.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_CODE}"
!define APP_PATHS_KEY "Software\Microsoft\Windows\CurrentVersion\App Paths\${EXE}"
!define SYNCHRONIZE 0x00100000

; The folder of the installation in ROOT (HKLM, HKCU or SHCTX); empty when there is none.
!macro InstalledLocation ROOT RESULT
    ReadRegStr ${RESULT} ${ROOT} "${UNINSTALL_KEY}" InstallLocation
!macroend
; The exit status of an elevated installer whose user ticked "Run" on its last page: the
; installer that started it, running as the user, starts the program.
!define RUN_AS_USER 3
!define ADMIN_NEEDED \
    "Administrator rights are needed for an installation for everyone who uses this computer."

!ifdef SIGN
    !finalize '"${SIGN}" "%1"' = 0
    !uninstfinalize '"${SIGN}" "%1"' = 0
!endif

Name "${NAME}"
OutFile "${OUTFILE}"
BrandingText "${PUBLISHER}"

VIProductVersion ${VERSION_NUMBERS}
VIAddVersionKey ProductName "${NAME}"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey FileDescription "${NAME} Setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "${PUBLISHER}"

Var Parameters
Var AllUsers            ; 1: for everyone (HKLM, Program Files); 0: for the current user
Var CommandLineFolder   ; the folder /D= named, if any
Var ExistingFolder      ; the folder of an installation already there in this mode, if any
Var StartedElevated     ; 1: started elevated by the installer before, which waits for this one
Var ModePage.AllUsers
Var ModePage.OnlyMe

!define MUI_ICON "huescry.ico"
!define MUI_UNICON "huescry.ico"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "header.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "header.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP "side.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "side.bmp"
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING
; The progress page stays until the user goes on, so that what was done can be read.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_UNFINISHPAGE_NOAUTOCLOSE

; The elevated installer goes on where the one that started it left off.
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenElevated
!insertmacro MUI_PAGE_WELCOME
Page custom ModePage ModePageLeave
!define MUI_PAGE_CUSTOMFUNCTION_PRE DirectoryPagePre
!define MUI_PAGE_CUSTOMFUNCTION_SHOW DirectoryPageShow
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The program calls itself so in its title.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "&Run Tavik Huescry"
!define MUI_FINISHPAGE_RUN_FUNCTION RunProgram
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE English

; Functions for the installer and, prefixed un., for the uninstaller.
!macro SharedFunctions PREFIX
    Function ${PREFIX}HasOption
        ; In: the option on the stack. Out: 1 or 0 on the stack.
        Exch $0
        Push $1
        ClearErrors
        ${GetOptions} $Parameters $0 $1
        ${If} ${Errors}
            StrCpy $0 0
        ${Else}
            StrCpy $0 1
        ${EndIf}
        Pop $1
        Exch $0
    FunctionEnd

    ; Starts this program again with administrator rights, with the same command line and the
    ; given options before it, waits for it, and ends with its exit status. Declined or failed:
    ; returns. Windows gives a program its command line without the folder, which comes last: it
    ; is given again, or the uninstaller's copy in the temporary folder would take that folder
    ; for the installation.
    Function ${PREFIX}RunElevated
        Exch $0
        Push $1
        Push $2
        StrCpy $0 "$0 /Elevated $Parameters"
        !if "${PREFIX}" == ""
            ${If} $CommandLineFolder != ""
                StrCpy $0 "$0 /D=$CommandLineFolder"
            ${EndIf}
        !else
            StrCpy $0 "$0 _?=$INSTDIR"
        !endif
        System::Call '*(&l4, i 0x40, p $HWNDPARENT, w "runas", w "$EXEPATH", \
            w "$0", p 0, i 1, i 0, p, p, p, p, i, i 0, p, p) p .r1'
        System::Call 'shell32::ShellExecuteExW(p r1) i .r0'
        ${If} $0 <> 0
            HideWindow
            System::Call '*$1(i, i, p, p, p, p, p, i, i, p, p, p, p, i, i, p, p .r2)'
            System::Call 'kernel32::WaitForSingleObject(p r2, i -1)'
            System::Call 'kernel32::GetExitCodeProcess(p r2, *i .r0)'
            System::Call 'kernel32::CloseHandle(p r2)'
            System::Free $1
            !if "${PREFIX}" == ""
                ${If} $0 = ${RUN_AS_USER}
                    !insertmacro InstalledLocation HKLM $1
                    Exec '"$1\${EXE}"'
                    StrCpy $0 0
                ${EndIf}
            !endif
            SetErrorLevel $0
            Quit
        ${EndIf}
        System::Free $1
        Pop $2
        Pop $1
        Pop $0
    FunctionEnd

    ; Out: 1 on the stack when this process has administrator rights. An administrator's
    ; programs run with a limited token until UAC's prompt gives them the full one, so the
    ; token says it, not the groups the user is in.
    Function ${PREFIX}IsElevated
        Push $0
        Push $1
        Push $2
        System::Call 'kernel32::GetCurrentProcess() p .r0'
        ; TOKEN_QUERY, TokenElevation
        System::Call 'advapi32::OpenProcessToken(p r0, i 8, *p .r1) i .r0'
        StrCpy $2 0
        ${If} $0 <> 0
            System::Call 'advapi32::GetTokenInformation(p r1, i 20, *i .r2, i 4, *i .r0)'
            System::Call 'kernel32::CloseHandle(p r1)'
        ${EndIf}
        ${If} $2 <> 0
            StrCpy $2 1
        ${EndIf}
        Exch $2
        Exch 2
        Pop $0
        Pop $1
    FunctionEnd

    Function ${PREFIX}ElevateForAllUsers
        Call ${PREFIX}IsElevated
        Pop $0
        Push /Elevated
        Call ${PREFIX}HasOption
        Pop $1
        ${If} $0 == 0
        ${AndIf} $1 == 0
            Push /AllUsers
            Call ${PREFIX}RunElevated
            MessageBox MB_OK|MB_ICONSTOP "${ADMIN_NEEDED}" /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
    FunctionEnd

    ; The program cannot be replaced or removed while it runs: Windows keeps its file.
    Function ${PREFIX}RefuseWhileRunning
        retry:
        System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${INSTANCE_MUTEX}") p .r0'
        ${If} $0 = 0
            Return
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r0)'
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${NAME} is running.$\r$\n$\r$\nClose it, then choose Retry." /SD IDCANCEL IDRETRY retry
        Abort "${NAME} is running: nothing was changed."
    FunctionEnd
!macroend
!insertmacro SharedFunctions ""
!insertmacro SharedFunctions "un."

; Sets everything that depends on whom the installation is for, and finds an installation that
; is already there, whose folder an upgrade or repair keeps.
Function SetMode
    ${If} $AllUsers == 1
        SetShellVarContext all
        StrCpy $INSTDIR "$PROGRAMFILES64\${NAME}"
    ${Else}
        SetShellVarContext current
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${NAME}"
    ${EndIf}
    ${If} $CommandLineFolder != ""
        StrCpy $INSTDIR $CommandLineFolder
    ${EndIf}
    !insertmacro InstalledLocation SHCTX $ExistingFolder
    ${If} $ExistingFolder != ""
        StrCpy $INSTDIR $ExistingFolder
    ${EndIf}
FunctionEnd

Function .onInit
    ${GetParameters} $Parameters
    Push /Elevated
    Call HasOption
    Pop $StartedElevated
    StrCpy $CommandLineFolder $INSTDIR
    Push /CurrentUser
    Call HasOption
    Pop $0
    Push /AllUsers
    Call HasOption
    Pop $1
    ${If} $0 == 1
        StrCpy $AllUsers 0
    ${ElseIf} $1 == 1
    ${OrIf} ${Silent}
        StrCpy $AllUsers 1
    ${Else}
        ; Asked on the first page; offered as the installation already there is.
        !insertmacro InstalledLocation HKCU $0
        ${If} $0 != ""
            StrCpy $AllUsers 0
        ${Else}
            StrCpy $AllUsers 1
        ${EndIf}
        Call SetMode
        Return
    ${EndIf}
    ${If} $AllUsers == 1
        Call ElevateForAllUsers
    ${EndIf}
    Call SetMode
FunctionEnd

Function SkipWhenElevated
    ${If} $StartedElevated == 1
        Abort
    ${EndIf}
FunctionEnd

Function ModePage
    Push /AllUsers
    Call HasOption
    Pop $0
    Push /CurrentUser
    Call HasOption
    Pop $1
    ${If} $0 == 1
    ${OrIf} $1 == 1
        Abort
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "Choose Users" "Choose for whom to install ${NAME}."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 24u "Install ${NAME} for:"
    Pop $0
    ${NSD_CreateRadioButton} 10u 30u -10u 12u \
        "&Anyone who uses this computer (needs administrator rights)"
    Pop $ModePage.AllUsers
    ReadEnvStr $0 USERNAME
    ${NSD_CreateRadioButton} 10u 48u -10u 12u "Only for &me ($0)"
    Pop $ModePage.OnlyMe
    ${If} $AllUsers == 1
        ${NSD_Check} $ModePage.AllUsers
    ${Else}
        ${NSD_Check} $ModePage.OnlyMe
    ${EndIf}
    ${NSD_OnClick} $ModePage.AllUsers ModePageNextButton
    ${NSD_OnClick} $ModePage.OnlyMe ModePageNextButton
    Call ModePageNextButton
    nsDialogs::Show
FunctionEnd

; Where an installation is already there for the users chosen, its folder is kept and the folder
; page skipped: then this page's button installs, and says so.
Function ModePageNextButton
    ${NSD_GetState} $ModePage.AllUsers $0
    ${If} $0 == ${BST_CHECKED}
        !insertmacro InstalledLocation HKLM $0
    ${Else}
        !insertmacro InstalledLocation HKCU $0
    ${EndIf}
    GetDlgItem $1 $HWNDPARENT 1
    ${If} $0 != ""
        SendMessage $1 ${WM_SETTEXT} 0 "STR:$(^InstallBtn)"
    ${Else}
        SendMessage $1 ${WM_SETTEXT} 0 "STR:$(^NextBtn)"
    ${EndIf}
FunctionEnd

Function ModePageLeave
    ${NSD_GetState} $ModePage.AllUsers $AllUsers
    ${If} $AllUsers == ${BST_CHECKED}
        Call IsElevated
        Pop $0
        ${If} $0 == 0
            Push /AllUsers
            Call RunElevated
            MessageBox MB_OK|MB_ICONSTOP "${ADMIN_NEEDED}"
            Abort
        ${EndIf}
    ${EndIf}
    Call SetMode
FunctionEnd

Function DirectoryPagePre
    ${If} $ExistingFolder != ""
        Abort
    ${EndIf}
FunctionEnd

; The pages before it belong to the installer that started this elevated one.
Function DirectoryPageShow
    ${If} $StartedElevated == 1
        GetDlgItem $0 $HWNDPARENT 3
        EnableWindow $0 0
    ${EndIf}
FunctionEnd

; An elevated installer runs as the administrator who said yes to UAC's prompt: the program would
; keep its settings in that profile, and a program started from it would run with administrator
; rights. So the installer that started it, running as the user, starts the program.
Function RunProgram
    ${If} $StartedElevated == 1
        SetErrorLevel ${RUN_AS_USER}
    ${Else}
        Exec '"$INSTDIR\${EXE}"'
    ${EndIf}
FunctionEnd

; New files are written beside the ones they replace and swapped in only when all of them are
; whole, so a file that cannot be written (a full disk, a file held by another program) leaves
; the installation that was there complete.
Function .onInstFailed
    Delete "$INSTDIR\${EXE}.new"
    Delete "$INSTDIR\${UNINSTALLER}.new"
FunctionEnd

!macro StepAside FILE
    Delete "$INSTDIR\${FILE}.old"
    ${If} ${FileExists} "$INSTDIR\${FILE}"
        Rename "$INSTDIR\${FILE}" "$INSTDIR\${FILE}.old"
    ${EndIf}
!macroend

!macro StepBack FILE
    ${If} ${FileExists} "$INSTDIR\${FILE}.old"
        Rename "$INSTDIR\${FILE}.old" "$INSTDIR\${FILE}"
    ${EndIf}
!macroend

Section
    Call RefuseWhileRunning
    SetOutPath "$INSTDIR"
    File "/oname=${EXE}.new" "${PROGRAM}"
    ClearErrors
    WriteUninstaller "$INSTDIR\${UNINSTALLER}.new"
    ${If} ${Errors}
        Abort "Could not write $INSTDIR\${UNINSTALLER}.new"
    ${EndIf}

    ; A program running where its mutex cannot be seen (another user's session) or held open
    ; by another program cannot be opened for writing: then nothing is changed.
    ${If} ${FileExists} "$INSTDIR\${EXE}"
        ClearErrors
        FileOpen $0 "$INSTDIR\${EXE}" a
        ${If} ${Errors}
            Abort "$INSTDIR\${EXE} is in use: nothing was changed."
        ${EndIf}
        FileClose $0
    ${EndIf}
    ClearErrors
    !insertmacro StepAside "${EXE}"
    ${IfNot} ${Errors}
        !insertmacro StepAside "${UNINSTALLER}"
        ${If} ${Errors}
            !insertmacro StepBack "${EXE}"
            SetErrors
        ${EndIf}
    ${EndIf}
    ${If} ${Errors}
        Abort "$INSTDIR\${EXE} is in use or protected: nothing was changed."
    ${EndIf}
    Rename "$INSTDIR\${EXE}.new" "$INSTDIR\${EXE}"
    Rename "$INSTDIR\${UNINSTALLER}.new" "$INSTDIR\${UNINSTALLER}"
    Delete "$INSTDIR\${EXE}.old"
    Delete "$INSTDIR\${UNINSTALLER}.old"

    ClearErrors
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${EXE}"
    WriteRegStr SHCTX "${APP_PATHS_KEY}" "" "$INSTDIR\${EXE}"
    WriteRegStr SHCTX "${APP_PATHS_KEY}" Path "$INSTDIR"
    ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayName "${NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\${EXE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" EstimatedSize $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoRepair 1
    ${If} ${Errors}
        Abort "Could not write the Start menu shortcut or the registry entries."
    ${EndIf}
SectionEnd

; The uninstaller sits in the folder it removes: the installation whose entry names that folder
; is the one it removes, a user's own before everyone's.
Function un.onInit
    ${GetParameters} $Parameters
    !insertmacro InstalledLocation HKCU $0
    ${If} $0 == $INSTDIR
        SetShellVarContext current
    ${Else}
        SetShellVarContext all
        Call un.ElevateForAllUsers
    ${EndIf}
FunctionEnd

Section Uninstall
    Call un.RefuseWhileRunning
    ; The program goes first: while it cannot, everything else stays, and the installation can
    ; still be used and removed later.
    ${If} ${FileExists} "$INSTDIR\${EXE}"
        ClearErrors
        Delete "$INSTDIR\${EXE}"
        ${If} ${Errors}
            Abort "$INSTDIR\${EXE} is in use or protected: nothing was removed."
        ${EndIf}
    ${EndIf}
    Delete "$INSTDIR\${EXE}.old"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    DeleteRegKey SHCTX "${APP_PATHS_KEY}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
SectionEnd
