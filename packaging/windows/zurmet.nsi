; Zurmet's installer for Windows, written by the `installer` target of a
; Windows build (packaging/windows/install.cmake), which defines VERSION
; (1.0.0), VERSION4 (1.0.0.0), PUBLISHER, FILES (the folder `cmake --install`
; filled), ICON and OUTFILE.
;
; It installs for the current user only, so it needs no administrator rights:
; into %LOCALAPPDATA%\Programs\Zurmet, with a Start-menu shortcut and an entry
; in the user's list of installed programs. /S installs silently, /D=FOLDER
; (last on the command line, unquoted) installs elsewhere. Installing again,
; an older or the same version, replaces the files where they are.

; The programs are 64-bit, and so is the installer: a 32-bit one would need
; the 32-bit half of Wine to be tested, and would see the registry through
; the 32-bit view.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
; The installer's pages are drawn at each monitor's scale, not stretched.
ManifestDPIAware true
ManifestDPIAwareness "PerMonitorV2,System"

!include MUI2.nsh
!include FileFunc.nsh

!define APP "Zurmet"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define SHORTCUT "$SMPROGRAMS\${APP}.lnk"

Name "${APP} ${VERSION}"
BrandingText "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
; An earlier install is replaced where it is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=1033 "ProductName" "${APP}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP} ${VERSION} installer"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) ${PUBLISHER}, MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\zurmet.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${APP}"

!insertmacro MUI_PAGE_LICENSE "${FILES}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The files of the package; the uninstaller removes exactly these.
!macro Files action
  !insertmacro ${action} "zurmet.exe"
  !insertmacro ${action} "zurmet-convert.exe"
  !insertmacro ${action} "README.txt"
  !insertmacro ${action} "LICENSE.txt"
!macroend
!macro Install name
  File "${FILES}/${name}"
!macroend
!macro Remove name
  Delete "$INSTDIR\${name}"
!macroend

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  !insertmacro Files Install
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\zurmet.exe" "" "$INSTDIR\zurmet.exe" 0 \
    SW_SHOWNORMAL "" "Unit converter"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zurmet.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  !insertmacro Files Remove
  Delete "$INSTDIR\uninstall.exe"
  ; Only if empty: whatever else the user put there stays.
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
