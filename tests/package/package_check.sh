#!/usr/bin/env bash
# The Debian package as a user gets it: installs it with apt-get, checks and validates the
# installed files, runs lintian, runs the installed window under Xvfb (lines through the real
# clipboard) and the installed scripting mode for the same inputs, then purges the package and
# whatever it pulled in, also when a check fails. Needs root.
# Usage: package_check.sh path/to/skyanchor-satellite_VERSION_ARCH.deb
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$(realpath "$1")
app=/usr/bin/skyanchor-satellite
id=org.skyanchor.Satellite

if dpkg-query -W -f='${Status}' skyanchor-satellite 2>/dev/null | grep -q "ok installed"; then
  echo "skyanchor-satellite is installed already; this check installs and purges it itself" >&2
  exit 1
fi

# shellcheck source=tests/e2e/lib.sh
source "$here/../e2e/lib.sh"
status_of() { local status=0; "$@" >&2 || status=$?; echo "$status"; }

chmod 755 "$workdir"
dpkg-query -W -f='${Package}\n' | sort >"$workdir/before"
purge_added() {
  dpkg-query -W -f='${Package}\n' | sort >"$workdir/after"
  mapfile -t added < <(comm -13 "$workdir/before" "$workdir/after")
  if ((${#added[@]})); then
    echo "Purging: ${added[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "${added[@]}" >/dev/null
  fi
}
at_exit purge_added

# Where unprivileged users (apt's download user, lintian's) can read it.
cp "$deb" "$workdir/"
chmod 644 "$workdir/$(basename "$deb")"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$workdir/$(basename "$deb")" >/dev/null

check "the program is on the PATH" "$app" "$(command -v skyanchor-satellite)"
for file in applications/$id.desktop icons/hicolor/scalable/apps/$id.svg metainfo/$id.metainfo.xml \
            man/man1/skyanchor-satellite.1.gz doc/skyanchor-satellite/copyright doc/skyanchor-satellite/changelog.gz; do
  check "installed /usr/share/$file" yes "$([[ -f /usr/share/$file ]] && echo yes || echo no)"
done
check "--version names the package's version" "skyanchor-satellite $(dpkg-deb -f "$deb" Version)" "$("$app" --version)"
check "desktop entry is valid" 0 "$(status_of desktop-file-validate "/usr/share/applications/$id.desktop")"
check "metainfo is valid" 0 "$(status_of appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml")"
check "manual page formats without warnings" "" \
  "$(man --warnings -E UTF-8 -l /usr/share/man/man1/skyanchor-satellite.1.gz 2>&1 >/dev/null)"
# Lintian advises against running as root; it needs no privilege to read the package.
check "lintian finds no error or warning" 0 \
  "$(status_of runuser -u nobody -- lintian --fail-on error,warning "$workdir/$(basename "$deb")")"

check "installed window passes the clipboard test" 0 "$(status_of bash "$here/../e2e/clipboard_e2e.sh" "$app")"
check "installed window opens on X and Wayland, or says why not" 0 "$(status_of bash "$here/../e2e/displays_e2e.sh" "$app")"

start_display
start_app  # stops the check with "FAILED: the window appears: ..." when it does not
pass "the window appears"

wm_class=$(x xprop -id "$window" WM_CLASS | sed -n 's/.*= "\([^"]*\)", "\([^"]*\)"/\2/p')
check "StartupWMClass is the window's class" "StartupWMClass=$wm_class" \
  "$(grep '^StartupWMClass=' "/usr/share/applications/$id.desktop")"

while read -r longitude direction mjd; do
  type_into "${longitude_field[@]}" "$longitude"
  if [[ $direction == east ]]; then click "${east[@]}"; else click "${west[@]}"; fi
  type_into "${mjd_field[@]}" "$mjd"
  click "${copy_vectors[@]}"
  mapfile -t lines < <("$app" --longitude "$longitude" "--$direction" --mjd "$mjd")
  check_clipboard "window and scripting mode agree: $longitude $direction, MJD $mjd" \
    "$(printf '%s\r%s' "${lines[0]}" "${lines[1]}")"
done <<'INPUTS'
122 west 51544.5
0 east 60000.25
-75.5 west 58849.75
359.999 east 45000.123456
INPUTS

summary
