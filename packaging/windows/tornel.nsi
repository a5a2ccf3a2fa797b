; The Windows setup program: installs the program's folder (laid out by
; pack.sh in STAGE) under Program Files, with a Start menu entry and an
; uninstaller registered with the system.
;   makensis -DVERSION=3.0 -DSTAGE=<folder> -DOUTFILE=<setup.exe> tornel.nsi
Unicode true
!include x64.nsh
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define APP "Tornel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tornel"
; Set files open with Tornel from Explorer, for every user.
!define SET_FILE_TYPE "Tornel.SetFile"
!define CLASSES "Software\Classes"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

; The setup program itself is 32-bit, as every NSIS stub is; the program is
; 64-bit and goes to the 64-bit Program Files and registry.
Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "Tornel needs 64-bit Windows."
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Tornel"
  SetRegView 64
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The console reads its help documents from the folder it starts in.
  CreateShortCut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\tornel.exe" "" "$INSTDIR\tornel.exe" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tornel.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegStr HKLM "${CLASSES}\.tnl" "" "${SET_FILE_TYPE}"
  WriteRegStr HKLM "${CLASSES}\${SET_FILE_TYPE}" "" "Tornel set file"
  WriteRegStr HKLM "${CLASSES}\${SET_FILE_TYPE}\DefaultIcon" "" "$INSTDIR\tornel.exe,0"
  WriteRegStr HKLM "${CLASSES}\${SET_FILE_TYPE}\shell\open\command" "" '"$INSTDIR\tornel.exe" "%1"'
  ; Explorer shows the new icon and verb without a restart.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  Delete "$SMPROGRAMS\${APP}.lnk"
  ; Only what setup put there: the folder may hold the user's own files.
  Delete "$INSTDIR\*.exe"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\readmej.txt"
  Delete "$INSTDIR\tornel.htm"
  Delete "$INSTDIR\tornelj.htm"
  RMDir /r "$INSTDIR\demo-disc"
  RMDir /r "$INSTDIR\samples"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; .tnl is left alone when another program has claimed it since.
  DeleteRegKey HKLM "${CLASSES}\${SET_FILE_TYPE}"
  ReadRegStr $0 HKLM "${CLASSES}\.tnl" ""
  StrCmp $0 "${SET_FILE_TYPE}" 0 +2
    DeleteRegKey HKLM "${CLASSES}\.tnl"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
