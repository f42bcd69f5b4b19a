#!/bin/bash
# Builds the Debian package from a release configuration of the source tree,
# unpacks it into a throw-away root and checks what a user gets: the files,
# the control fields, the desktop metadata, and that the unpacked program
# starts and keeps its main window up on a virtual X display. Nothing is
# installed on the machine.
#
# usage: check-deb.sh <source dir> <work dir> <cmake> <cpack> <version> <desktop id> <homepage>

set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "== $*"; }

# Second half, run below on a display of its own.
if [ "${1:-}" = --on-display ]; then
    root=$2 work=$3 title=$4 wmclass=$5
    title_re="^${title//./\\.}\$"

    "$root/usr/bin/aurivane" >"$work/aurivane.log" 2>&1 &
    pid=$!
    # shellcheck disable=SC2317 # called by the EXIT trap
    stop() {
        kill -0 "$pid" 2>/dev/null || return 0
        kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || return 0
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
    }
    trap stop EXIT

    win=
    deadline=$((SECONDS + 30))
    while [ -z "$win" ]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            rc=0
            wait "$pid" || rc=$?
            cat "$work/aurivane.log" >&2
            fail "aurivane ended with status $rc before showing '$title'"
        fi
        [ "$SECONDS" -lt "$deadline" ] || fail "no window titled '$title' within 30 s"
        win=$(xdotool search --onlyvisible --name "$title_re" 2>/dev/null | head -n 1) || true
        if [ -z "$win" ]; then
            # The update reminder may ask its question before the main
            # window exists; its Escape answer is No.
            box=$(xdotool search --onlyvisible --name '^Aurivane$' 2>/dev/null | head -n 1) || true
            if [ -n "$box" ]; then
                echo "   a message box came up at start-up; answering it with Escape"
                xdotool windowfocus "$box" key Escape || true
                sleep 0.5
            fi
            sleep 0.2
        fi
    done
    echo "   window $win: $(xdotool getwindowname "$win")"

    [ -e "$XDG_RUNTIME_DIR/aurivane.lock" ] ||
        fail "no single-instance lock in XDG_RUNTIME_DIR: $(ls -A "$XDG_RUNTIME_DIR")"

    xdotool search --class "^$wmclass\$" 2>/dev/null | grep -qx "$win" ||
        fail "the window's WM_CLASS does not match StartupWMClass=$wmclass"

    sleep 2
    kill -0 "$pid" 2>/dev/null || fail "aurivane ended within 2 s of showing its window"
    [ "$(xdotool getwindowname "$win" 2>/dev/null)" = "$title" ] ||
        fail "the window '$title' went away within 2 s"
    echo "   still up after 2 s"
    exit 0
fi

src=$1 work=$2 cmake=$3 cpack=$4 version=$5 id=$6 homepage=$7
major_minor=${version%.*}

need() { command -v "$1" >/dev/null || fail "$1 not found: install the Debian package $2"; }
for tool in dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev readelf:binutils desktop-file-validate:desktop-file-utils \
    appstreamcli:appstream man:man-db Xvfb:xvfb xdotool:xdotool lintian:lintian; do
    need "${tool%%:*}" "${tool#*:}"
done

rm -rf "$work"
mkdir -p "$work"
build=$work/build
root=$work/root

step "configure, build and package with the release preset"
started=$SECONDS
(cd "$src" && "$cmake" --preset release -B "$build") >"$work/configure.log" 2>&1 ||
    { cat "$work/configure.log"; fail "configure failed"; }
"$cmake" --build "$build" -j2 >"$work/build.log" 2>&1 ||
    { tail -n 60 "$work/build.log"; fail "build failed"; }
(cd "$build" && "$cpack" -G DEB) >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
echo "   took $((SECONDS - started)) s"

arch=$(dpkg --print-architecture)
deb=$build/aurivane_${version}_${arch}.deb
[ -f "$deb" ] || fail "expected $deb; cpack made: $(cd "$build" && ls ./*.deb 2>/dev/null)"

step "files of $(basename "$deb")"
dpkg -x "$deb" "$root"
expected=(
    usr/bin/aurivane
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    usr/share/man/man1/aurivane.1.gz
    usr/share/doc/aurivane/copyright
    usr/share/doc/aurivane/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
want=$(printf '%s\n' "${expected[@]}" | sort)
got=$(cd "$root" && find . ! -type d | sed 's|^\./||' | sort)
if [ "$want" != "$got" ]; then
    diff -u <(echo "$want") <(echo "$got") || true
    fail "the package's files differ from the expected list (- missing, + unexpected)"
fi

bin=$root/usr/bin/aurivane
[ -x "$bin" ] || fail "usr/bin/aurivane is not executable"
[ "$(head -c 4 "$bin" | od -An -tx1 | tr -d ' \n')" = 7f454c46 ] || fail "usr/bin/aurivane is not an ELF file"
if readelf -S "$bin" | grep -q '\.symtab'; then fail "usr/bin/aurivane is not stripped"; fi
if ldd "$bin" | grep 'not found'; then fail "usr/bin/aurivane needs libraries that are not there"; fi

for size in 16 24 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    read -r -a b < <(od -An -tu1 -N24 "$png" | tr '\n' ' '; echo)
    [ "${b[*]:0:8}" = "137 80 78 71 13 10 26 10" ] || fail "$png is not a PNG file"
    w=$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))
    h=$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))
    if [ "$w" != "$size" ] || [ "$h" != "$size" ]; then fail "$png is ${w}x$h, not ${size}x$size"; fi
done

man=$root/usr/share/man/man1/aurivane.1.gz
gzip -t "$man" || fail "the manual page is not valid gzip"
zcat "$man" | head -n 1 | grep -q "^\.TH AURIVANE 1 .*\"Aurivane $version\"" ||
    fail "the manual page's .TH line does not name Aurivane $version: $(zcat "$man" | head -n 1)"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page has formatting warnings: $warnings"

# Debian's own checker: every error and warning counts, and so do the
# hardening and stripping remarks (-z now, .comment) it gives as information.
step "lintian"
tags=$(lintian --no-cfg --display-info --tag-display-limit 0 "$deb" 2>&1 |
    grep -v 'running with root privileges') || true
echo "${tags:-   (no remarks)}" | sed 's/^/   /'
bad=$(echo "$tags" | grep -E '^(E|W): |^I: [^ ]+: (hardening-no-bindnow|binary-has-unneeded-section)') || true
[ -z "$bad" ] || fail "lintian: $bad"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
    "$root/usr/share/doc/aurivane/copyright" || fail "the copyright file is not machine-readable"

step "control fields"
field() { dpkg-deb -f "$deb" "$1"; }
for pair in Package=aurivane "Version=$version" "Architecture=$arch" "Homepage=$homepage" \
    Suggests=qt6-wayland; do
    [ "$(field "${pair%%=*}")" = "${pair#*=}" ] || fail "${pair%%=*} is '$(field "${pair%%=*}")', not ${pair#*=}"
done
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
[ -n "$(field Section)" ] || fail "no Section"
description=$(field Description)
[ "$(echo "$description" | wc -l)" -ge 2 ] || fail "the Description has no long part"
long=$(echo "$description" | awk 'length > 80') || true
[ -z "$long" ] || fail "Description lines longer than 80 characters: $long"
depends=$(field Depends)
echo "   Depends: $depends"
names=$(echo "$depends" | tr ',|' '\n' | sed 's/^ *//; s/[ (].*//')
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-dejavu-core xdg-utils; do
    echo "$names" | grep -qx "$package" || fail "Depends lacks $package"
done
# A version floor on the Qt library means dpkg-shlibdeps worked it out.
echo "$depends" | grep -Eq 'libqt6widgets6 \(>= [0-9]' || fail "libqt6widgets6 has no version from dpkg-shlibdeps"

step "desktop entry and AppStream metadata"
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate has remarks: $out"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate failed"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Exec)" = aurivane ] || fail "Exec is '$(key Exec)', not aurivane (the installed program)"
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)', not $id"
[ "$(key Terminal)" = false ] || fail "Terminal is not false"
wmclass=$(key StartupWMClass)
[ -n "$wmclass" ] || fail "no StartupWMClass"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
grep -qF "<url type=\"homepage\">$homepage</url>" "$metainfo" || fail "the metainfo homepage is not $homepage"

step "start the unpacked program"
home=$work/home
mkdir -p "$home" "$work/config" "$work/cache" "$work/data" "$work/runtime" "$work/fakebin"
chmod 700 "$work/runtime"
# Web pages the program opens go to a log, not to a browser.
cat >"$work/fakebin/xdg-open" <<FAKE
#!/bin/sh
echo "\$*" >>"$work/xdg-open.log"
FAKE
chmod +x "$work/fakebin/xdg-open"
# Xvfb picks a free display itself (-displayfd): xvfb-run -a can pick the
# same number as another run starting at the same moment.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null; true' EXIT
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display number within 10 s"
display=:$(head -n 1 "$work/display")
echo "   on display $display"
rc=0
env -i PATH="$work/fakebin:$PATH" LANG=C.UTF-8 HOME="$home" DISPLAY="$display" \
    XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" \
    XDG_RUNTIME_DIR="$work/runtime" \
    timeout -k 5 60 bash "$0" --on-display "$root" "$work" "Aurivane v$major_minor" "$wmclass" || rc=$?
[ "$rc" = 0 ] || { cat "$work/aurivane.log" 2>/dev/null; fail "the run on the virtual display failed (status $rc)"; }
[ -f "$work/xdg-open.log" ] && echo "   web pages opened: $(cat "$work/xdg-open.log")"

# Settings, if the run wrote any, go where the manual page says.
[ ! -e "$home/.config" ] || fail "the program wrote into ~/.config although XDG_CONFIG_HOME was set"
stray=$(cd "$work/config" && find . -type f ! -path ./aurivane/aurivane.conf)
[ -z "$stray" ] || fail "unexpected files in XDG_CONFIG_HOME: $stray"

echo "package check passed in $((SECONDS - started)) s"
