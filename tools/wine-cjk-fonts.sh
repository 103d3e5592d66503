#!/bin/sh
# Lets a Wine test prefix show Japanese, Chinese and Korean texts in the
# game's menus and dialogs. The Noto CJK fonts of Debian's fonts-noto-cjk are
# linked into the prefix's Fonts folder and named as the fall-back of the user
# interface fonts, as a Windows system's own font linking does for its CJK
# fonts. Latin, Greek and Cyrillic letters keep Wine's user interface fonts,
# so their widths stay those the dialogs are measured in.
#
#     WINEPREFIX=... tools/wine-cjk-fonts.sh
#
# Only the prefix changes; run it again after the prefix is made anew.
set -e
: "${WINEPREFIX:?set WINEPREFIX to the test prefix}"
noto=/usr/share/fonts/opentype/noto
regular=NotoSansCJK-Regular.ttc
bold=NotoSansCJK-Bold.ttc
if [ ! -f "$noto/$regular" ]; then
  echo "$noto/$regular is missing: apt-get install fonts-noto-cjk" >&2
  exit 1
fi
[ -d "$WINEPREFIX/drive_c/windows" ] || wine wineboot >/dev/null 2>&1 </dev/null
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for file in "$regular" "$bold"; do
  [ -f "$noto/$file" ] && ln -sf "$noto/$file" "$fonts/$file"
done
# One face per script family: Japanese first, so kana and the shared Han
# characters take the Japanese forms; Korean brings Hangul; both Chinese
# forms follow for the characters only they hold.
links="$regular,Noto Sans CJK JP\\0$regular,Noto Sans CJK KR\\0$regular,Noto Sans CJK SC\\0$regular,Noto Sans CJK TC"
key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Microsoft Sans Serif" "Segoe UI" "MS Sans Serif" "Arial"; do
  wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d "$links" /f >/dev/null 2>&1
done
wineserver -w
