#!/bin/sh
# Lets a Wine test prefix show every script of the game's languages in its
# menus and dialogs. Wine's own user interface fonts lack the letters of
# Latin Extended-A (Polish, Czech, Hungarian and Turkish letters) and every
# Japanese, Chinese and Korean character, so the prefix replaces them with
# DejaVu Sans (fonts-dejavu-core) and links that to the Noto CJK fonts
# (fonts-noto-cjk), as a Windows system's own font linking does with its
# fonts. DejaVu Sans is wider than the Windows user interface fonts, so a
# text that fits here fits on Windows too.
#
#     WINEPREFIX=... tools/wine-cjk-fonts.sh
#
# Only the prefix changes; run it again after the prefix is made anew. The
# running wineserver keeps the settings for every program started after it.
set -e
: "${WINEPREFIX:?set WINEPREFIX to the test prefix}"
noto=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc
dejavu=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
for font in "$noto" "$dejavu"; do
  if [ ! -f "$font" ]; then
    echo "$font is missing: apt-get install fonts-noto-cjk fonts-dejavu-core" >&2
    exit 1
  fi
done
[ -d "$WINEPREFIX/drive_c/windows" ] || wine wineboot >/dev/null 2>&1 </dev/null
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for font in "$noto" "$dejavu"; do
  ln -sf "$font" "$fonts/${font##*/}"
done
for face in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Microsoft Sans Serif" "Segoe UI"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "DejaVu Sans" /f >/dev/null 2>&1
done
# The Japanese face holds the kana, the Hangul and the Han characters of
# every form; Wine takes the characters DejaVu Sans lacks from it.
# Captions are drawn in the bold face, which is linked by its own name.
# Wine's edit controls do not follow these links: a CJK name typed into the
# winner's dialog shows as boxes here, though it is read and stored whole.
for face in "DejaVu Sans" "DejaVu Sans Bold"; do
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
    /t REG_MULTI_SZ /d "${noto##*/},Noto Sans CJK JP" /f >/dev/null 2>&1
done
