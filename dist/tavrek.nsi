; Tavrek's installer. The build passes VERSION, STAGE (the folder laid out as
; installed), SHIPPED (the size and the list of shipped files), ICON and
; OUTFILE: see CMakeLists.txt beside this file.
;
; The game writes its settings, scores and saved games into its own folder,
; so it is installed per user, into a folder the player may write, without
; asking for administrator rights.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "${SHIPPED}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrek"
!define PUBLISHER "the Tavrek developers"

Name "Tavrek ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tavrek"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Tavrek ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEFINISHPAGE_BITMAP "SIDE.BMP"
; The uninstaller speaks the language the player chose for the installer.
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "Software\Tavrek"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"
!define MUI_LANGDLL_ALLLANGUAGES

!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.TXT"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(RunTavrek)"
!define MUI_FINISHPAGE_RUN_FUNCTION StartTavrek
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Every language the game ships a language file in, as NSIS names it: NORSK is
; Bokmål, PORTUGUES the Portuguese of Portugal. English, the first, is the
; choice where the player's own language is none of them.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Danish"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Norwegian"
!insertmacro MUI_LANGUAGE "Portuguese"
!insertmacro MUI_LANGUAGE "Swedish"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "Korean"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "TradChinese"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Ukrainian"
!insertmacro MUI_LANGUAGE "Greek"
!insertmacro MUI_LANGUAGE "Turkish"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Czech"
!insertmacro MUI_LANGUAGE "Hungarian"
!insertmacro MUI_RESERVEFILE_LANGDLL

!include "Texts.nsh"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Tavrek"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Tavrek ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

; The game finds its data through the folder it starts in.
Function StartTavrek
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\tavrek.exe"'
FunctionEnd

Section "!$(GameSection)" GameSection
  SectionIn RO
  ; Every file and folder comes from the stage, SAVEGAME and its read-me too;
  ; TAVREK32.INI, scores and saved games are never among them, so an install
  ; over an older one keeps them.
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ; A silent install shows no page that would remember the language.
  WriteRegStr HKCU "Software\Tavrek" "Installer Language" $LANGUAGE

  ; A shortcut starts its program in the output folder: the install folder.
  CreateDirectory "$SMPROGRAMS\Tavrek"
  CreateShortcut "$SMPROGRAMS\Tavrek\Tavrek.lnk" "$INSTDIR\tavrek.exe" "" "$INSTDIR\tavrek.exe" 0
  CreateShortcut "$SMPROGRAMS\Tavrek\Tavrek Lite.lnk" "$INSTDIR\tavrek-lite.exe" "" "$INSTDIR\tavrek-lite.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tavrek"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavrek.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SHIPPED_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "$(DesktopSection)" DesktopSection
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\Tavrek.lnk" "$INSTDIR\tavrek.exe" "" "$INSTDIR\tavrek.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${GameSection} "$(GameSectionText)"
  !insertmacro MUI_DESCRIPTION_TEXT ${DesktopSection} "$(DesktopSectionText)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Uninstall"
  ; Keeping is the answer of a silent uninstall and the default button.
  MessageBox MB_YESNO|MB_ICONQUESTION "$(KeepPlayerFiles)" /SD IDYES IDYES keep
  Delete "$INSTDIR\TAVREK32.INI"
  RMDir /r "$INSTDIR\SCORES"
  RMDir /r "$INSTDIR\SAVEGAME"
keep:
  !insertmacro RemoveShippedFiles
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\Tavrek\Tavrek.lnk"
  Delete "$SMPROGRAMS\Tavrek\Tavrek Lite.lnk"
  RMDir "$SMPROGRAMS\Tavrek"
  Delete "$DESKTOP\Tavrek.lnk"

  DeleteRegKey HKCU "Software\Tavrek"
  ; Last, so whoever waits for the uninstaller knows it has finished.
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
