#!/usr/bin/env bash
# Compiles the Windows resource script and reads its language, icon, version block and manifest back.
set -euo pipefail
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cd "$(dirname "$0")/../../resources"
fail() { echo "windres check: $*" >&2; exit 1; }
# cpp stands in for the cross compiler's preprocessor, which the check does not need.
i686-w64-mingw32-windres --preprocessor=cpp -i kestrum.rc -O res -o "$out/kestrum.res"
back="$(i686-w64-mingw32-windres -i "$out/kestrum.res" -O rc)"
# A text without its comments, each run of blanks and line ends made one blank.
flat() { sed 's#/\*.*\*/##g' | tr -s '[:space:]' ' ' | sed 's/^ //; s/ $//'; }
expect() { [ "$(sed -n "/^$1/,/^END/p" <<<"$back" | flat)" = "$(flat)" ] || fail "$1 differs"; }

[ "$(grep ^LANGUAGE <<<"$back" | sort -u)" = "LANGUAGE 25, 1" ] || fail "not all Russian"
grep -q '^1 24 ' <<<"$back" || fail "no manifest as resource 1"
# One image of 32 x 32, 256 colours, 8 bits.
expect '"MAINICON" 14' <<<'"MAINICON" 14 MOVEABLE DISCARDABLE BEGIN 0, 1, 1, "\040\040\000\000", 1, 8, 0x8a8L, 1 END'
expect '1 VERSIONINFO' <<'BLOCK'
1 VERSIONINFO FILEVERSION 1, 2, 0, 0 PRODUCTVERSION 1, 2, 0, 0 FILEFLAGSMASK 0x3f FILEOS 0x4 FILETYPE 0x1
BEGIN BLOCK "StringFileInfo" BEGIN BLOCK "041904E3" BEGIN
  VALUE "CompanyName", "kestrum.example.org" VALUE "FileDescription", "" VALUE "FileVersion", "1.2.0.0"
  VALUE "InternalName", "" VALUE "LegalCopyright", "" VALUE "LegalTrademarks", "" VALUE "OriginalFilename", ""
  VALUE "ProductName", "Kestrum" VALUE "ProductVersion", "1.2.0.0" VALUE "Comments", "" END END
BLOCK "VarFileInfo" BEGIN VALUE "Translation", 0x419, 1251 END END
BLOCK
# The manifest: well formed, common controls 6, run with the rights of whoever starts it.
python3 -c 'import sys, xml.dom.minidom as m; m.parse(sys.argv[1])' kestrum.manifest || fail "manifest"
for want in 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' 'level="asInvoker" uiAccess="false"'; do
    tr -s '[:space:]' ' ' <kestrum.manifest | grep -qF "$want" || fail "manifest: no $want"
done
