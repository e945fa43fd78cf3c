#!/usr/bin/env bash
# Installs the build into a temporary prefix and looks at it as a desktop and a user would.
#   installed_program_test.sh validate CMAKE BUILD  the desktop entry and the AppStream metainfo
#                                                   pass their validators
#   installed_program_test.sh data CMAKE BUILD      the installed programs start and keep their
#                                                   data in the user's own folder
# Exit 77 (skipped) when a validator is not installed.
set -euo pipefail
mode=$1 cmake=$2 build=$3
work=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

case $mode in
validate)
    missing=""
    for tool in desktop-file-validate appstreamcli; do
        command -v "$tool" >/dev/null || missing="$missing $tool"
    done
    if [ -n "$missing" ]; then
        echo "skipped: not installed:$missing (tools/bootstrap installs them)"
        exit 77
    fi
    desktop-file-validate "$prefix/share/applications/org.ritmora.Ritmora.desktop"
    appstreamcli validate-tree --no-net "$prefix"
    ;;
data)
    for file in share/doc/ritmora/guide_tr.html share/doc/ritmora/guide_en.html \
                share/doc/ritmora/LICENSE share/icons/hicolor/scalable/apps/org.ritmora.Ritmora.svg; do
        [ -f "$prefix/$file" ] || fail "$file is not installed"
    done
    export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_RUNTIME_DIR=$work/home
    export RITMORA_AUDIO=silent
    mkdir -m 700 "$HOME"
    data=$XDG_DATA_HOME/ritmora

    "$prefix/bin/ritmora-cli" list >/dev/null
    [ -f "$data/usuller.usl" ] || fail "ritmora-cli made no library in $data"
    rm -rf "$data"

    # The offscreen screen is 800 x 600 unless told otherwise; the editor needs 1024 x 768.
    echo '{"screens":[{"name":"test","x":0,"y":0,"width":1280,"height":1024,"logicalDpi":96}]}' \
        >"$work/screen.json"
    QT_QPA_PLATFORM=offscreen:configfile=$work/screen.json "$prefix/bin/ritmora" &
    pid=$!
    # Start-up writes the library, then the eighteen sample files: wait for them (at most 30 s).
    for _ in $(seq 300); do
        [ "$(find "$data/vlvl" -name '*.---' 2>/dev/null | wc -l)" -ge 18 ] && break
        kill -0 "$pid" 2>/dev/null || fail "ritmora ended during start-up"
        sleep 0.1
    done
    [ "$(find "$data/vlvl" -name '*.---' | wc -l)" -eq 18 ] || fail "no sample files in $data/vlvl"
    [ -f "$data/usuller.usl" ] || fail "ritmora made no library in $data"
    stray=$(find "$prefix" -name usuller.usl -o -name vlvl -o -name ritmora.lock)
    [ -z "$stray" ] || fail "data written into the installed prefix: $stray"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "ok"
