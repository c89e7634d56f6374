#!/usr/bin/env bash
# Checks an installed tree (PREFIX, e.g. DESTDIR/usr): every file an install
# brings is there, the desktop entry and the AppStream metadata validate,
# and the man pages and completion name the programs' options.
#   scripts/check-install.sh PREFIX
set -euo pipefail
prefix=${1:?usage: check-install.sh PREFIX}
status=0
need() {
  if [ -e "$prefix/$1" ]; then echo "ok   $1"; else echo "MISSING $1"; status=1; fi
}
for program in qarvoip qarvoip-cli qarvoip-sim; do need "bin/$program"; done
if [ -e "$prefix/libexec/qarvoip/text2pdf" ]; then echo "ok   libexec/qarvoip/text2pdf"; else echo "--   libexec/qarvoip/text2pdf (not built here)"; fi
if [ -e "$prefix/bin/Text2PDF" ] || [ -e "$prefix/bin/text2pdf" ]; then echo "BAD  the converter is in the PATH"; status=1; fi
need share/qarvoip/Tavi.def
need share/qarvoip/RpsDEU.qm
need share/applications/com.qarvo.QarvoIP.desktop
need share/metainfo/com.qarvo.QarvoIP.metainfo.xml
need share/icons/hicolor/scalable/apps/qarvoip.svg
for size in 16 24 32 48 64 128 256; do need "share/icons/hicolor/${size}x${size}/apps/qarvoip.png"; done
need share/man/man1/qarvoip-cli.1.gz
need share/man/man1/qarvoip-sim.1.gz
if [ -e "$prefix/bin/qarvoip" ]; then need share/man/man1/qarvoip.1.gz; fi
need share/bash-completion/completions/qarvoip-cli
need share/bash-completion/completions/qarvoip-sim
need share/doc/qarvoip/README.md
need share/doc/qarvoip/copyright
need share/doc/qarvoip/changelog.gz

if [ -e "$prefix/share/qarvoip/Tavi.def" ]; then
  lines=$(grep -c $'\r$' "$prefix/share/qarvoip/Tavi.def" || true)
  [ "$lines" = 54 ] && echo "ok   Tavi.def has 54 CR LF lines" || { echo "BAD  Tavi.def has $lines CR LF lines"; status=1; }
fi
# roff writes a hyphen of an option as "\-".
if zgrep -qF -- '\-\-address' "$prefix/share/man/man1/qarvoip-cli.1.gz" 2>/dev/null \
   && grep -q 'read-master' "$prefix/share/bash-completion/completions/qarvoip-cli" 2>/dev/null; then
  echo "ok   man page and completion carry the option and command tables"
else
  echo "BAD  man page or completion lacks the tables"; status=1
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/com.qarvo.QarvoIP.desktop" && echo "ok   desktop-file-validate" \
    || { echo "BAD  desktop-file-validate"; status=1; }
else
  echo "--   desktop-file-validate not installed"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/com.qarvo.QarvoIP.metainfo.xml" && echo "ok   appstreamcli validate" \
    || { echo "BAD  appstreamcli validate"; status=1; }
else
  echo "--   appstreamcli not installed"
fi
exit $status
