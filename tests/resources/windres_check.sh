#!/usr/bin/env bash
# Compiles the Windows resource script and reads the result back: proves the script well
# formed and that the icon group, version block and manifest came out as meant.
set -euo pipefail
resources="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cd "$resources"
# cpp stands in for the cross compiler's preprocessor, which the check does not need.
i686-w64-mingw32-windres --preprocessor=cpp -i kestrum.rc -O res -o "$out/kestrum.res"
i686-w64-mingw32-windres -i "$out/kestrum.res" -O rc -o "$out/back.rc"
back="$out/back.rc"

fail() { echo "windres check: $*" >&2; exit 1; }
grep -q '^LANGUAGE 25, 1$' "$back" || fail "not Russian"
grep -q '^"MAINICON" 14 ' "$back" || fail "no icon group MAINICON"
grep -q '"\\040\\040\\000\\000", 1, 8,' "$back" || fail "icon is not one 32 x 32 image of 8 bits"
grep -q '^1 24 ' "$back" || fail "no manifest as resource 1"

# The version block, exactly.
sed -n '/^1 VERSIONINFO/,/^END/p' "$back" > "$out/version"
diff -u - "$out/version" <<'BLOCK' || fail "version block differs"
1 VERSIONINFO
 FILEVERSION 1, 2, 0, 0
 PRODUCTVERSION 1, 2, 0, 0
 FILEFLAGSMASK 0x3f
 FILEOS 0x4
 FILETYPE 0x1
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "041904E3"
    BEGIN
      VALUE "CompanyName", "kestrum.example.org"
      VALUE "FileDescription", ""
      VALUE "FileVersion", "1.2.0.0"
      VALUE "InternalName", ""
      VALUE "LegalCopyright", ""
      VALUE "LegalTrademarks", ""
      VALUE "OriginalFilename", ""
      VALUE "ProductName", "Kestrum"
      VALUE "ProductVersion", "1.2.0.0"
      VALUE "Comments", ""
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x419, 1251
  END
END
BLOCK

python3 - kestrum.manifest <<'PY' || fail "manifest"
import sys
import xml.etree.ElementTree as ET
v1, v3 = "{urn:schemas-microsoft-com:asm.v1}", "{urn:schemas-microsoft-com:asm.v3}"
root = ET.parse(sys.argv[1]).getroot()
own = root.find(v1 + "assemblyIdentity").attrib
assert own["type"] == "win32" and own["processorArchitecture"] == "*", own
dep = root.find(f"{v1}dependency/{v1}dependentAssembly/{v1}assemblyIdentity").attrib
assert dep == {"type": "win32", "name": "Microsoft.Windows.Common-Controls", "version": "6.0.0.0",
               "processorArchitecture": "*", "publicKeyToken": "6595b64144ccf1df", "language": "*"}, dep
level = root.find(f"{v3}trustInfo/{v3}security/{v3}requestedPrivileges/{v3}requestedExecutionLevel").attrib
assert level == {"level": "asInvoker", "uiAccess": "false"}, level
PY
echo "windres check: passed"
