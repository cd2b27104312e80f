# Shared by scripts/test, scripts/run and the benchmarks: a private Wine prefix under the build
# folder and a private virtual display, both started here and stopped by wine_env_stop.
# Source it, then call wine_env_start <prefix-dir> [lang]; install wine_env_stop in a trap.

wine_env_xvfb_pid=""
wine_env_prefixes=()

# Creates the prefix once (the first wineboot is slow) and starts its server and services.
wine_env_prepare_prefix() {
    local prefix=$1 lang=${2:-zh_CN.UTF-8}
    mkdir -p "$(dirname "$prefix")"
    if [ ! -f "$prefix/.varnelo-ready" ]; then
        rm -rf "$prefix"
        # Mono and Gecko are not needed; skipping them keeps wineboot from prompting.
        WINEPREFIX=$prefix LANG=$lang WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
        # Without a window manager every hide or destroy of a window waits about 2 s for one.
        WINEPREFIX=$prefix LANG=$lang wine reg add 'HKCU\Software\Wine\X11 Driver' \
            /v Managed /d N /f >/dev/null 2>&1
        WINEPREFIX=$prefix wineserver -w
        touch "$prefix/.varnelo-ready"
    fi
    # The drive R: is an empty directory of the prefix's own, for tests that run from the root
    # of a drive.
    mkdir -p "$prefix/drive-r"
    ln -sfn "$prefix/drive-r" "$prefix/dosdevices/r:"
    # Services started from inside a test would inherit ctest's pipes and make it hang.
    WINEPREFIX=$prefix wineserver -p
    WINEPREFIX=$prefix LANG=$lang wine cmd /c exit >/dev/null 2>&1 || true
    wine_env_prefixes+=("$prefix")
}

wine_env_start_display() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    wine_env_xvfb_pid=$!
    local waited=0
    while [ ! -s "$display_file" ]; do
        if ! kill -0 "$wine_env_xvfb_pid" 2>/dev/null || [ "$waited" -gt 100 ]; then
            echo "wine-env: Xvfb did not start" >&2
            rm -f "$display_file"
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    export DISPLAY=":$(tr -dc 0-9 <"$display_file")"
    rm -f "$display_file"
}

wine_env_start() {
    local prefix=$1 lang=${2:-zh_CN.UTF-8}
    export WINEARCH=win32 WINEDEBUG=-all
    wine_env_start_display
    wine_env_prepare_prefix "$prefix" "$lang"
    export WINEPREFIX=$prefix LANG=$lang
}

wine_env_stop() {
    local prefix
    for prefix in "${wine_env_prefixes[@]}"; do
        WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    done
    for prefix in "${wine_env_prefixes[@]}"; do
        WINEPREFIX=$prefix wineserver -w >/dev/null 2>&1 || true
    done
    wine_env_prefixes=()
    if [ -n "$wine_env_xvfb_pid" ]; then
        kill "$wine_env_xvfb_pid" 2>/dev/null || true
        wait "$wine_env_xvfb_pid" 2>/dev/null || true
        wine_env_xvfb_pid=""
    fi
}
