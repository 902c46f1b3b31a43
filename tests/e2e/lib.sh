# Shared machinery of the end-to-end tests; every tests/e2e/test_*.sh sources it.
#
# Sourcing it gives the test a private X display (Xvfb) and a private Wine
# prefix, copied from a booted template cached under
# $WX_BINARY_DIR/e2e-prefix-template. On exit it stops only what it started
# (the prefix's wineserver, its Xvfb) and, when the test failed, keeps a
# screenshot in $WX_BINARY_DIR/e2e-artifacts/.
#
# Environment (set by CTest): WX_EXE (the resident program), WX_DRIVER (the
# test driver), WX_SOURCE_DIR, WX_BINARY_DIR. Set WX_KEEP_TMP=1 to keep the
# temporary folder of a run for inspection.
#
# Shell helpers take timeouts in seconds; the driver's own commands take
# milliseconds.

set -u

WX_TEST_NAME=${WX_TEST_NAME:-$(basename "${0:-e2e}" .sh)}
WX_BINARY_DIR=${WX_BINARY_DIR:-}
WX_ARTIFACTS=""
WX_TMP=""
WX_XVFB_PID=""
WX_WATCHDOG_PID=""
WX_PROGRAM_PID=""
WX_BG_PIDS=()
WX_DRV_W=""
WX_DRV_R=""
WX_STARTED_AT=$(date +%s.%N)
WX_NOTEPAD="Untitled - Notepad"
WX_WORDPAD="Document - Wine Wordpad"

wx_log() { printf '[%s %6.1fs] %s\n' "$WX_TEST_NAME" "$(wx_elapsed)" "$*" >&2; }
wx_elapsed() { echo "$(date +%s.%N) - $WX_STARTED_AT" | bc; }

# wx_fail MSG: ends the test as failed. Called inside a command substitution
# it also ends the test itself, not only the subshell.
wx_fail() {
    printf 'FAIL: %s: %s\n' "$WX_TEST_NAME" "$*" >&2
    if [[ "$BASHPID" != "$$" ]]; then
        kill -USR1 "$$" 2>/dev/null
    fi
    exit 1
}

wx_pass() {
    printf 'PASS: %s (%.1f s)\n' "$WX_TEST_NAME" "$(wx_elapsed)"
    exit 0
}

# wx_assert_eq ACTUAL EXPECTED [WHAT]
wx_assert_eq() {
    [[ "$1" == "$2" ]] && return 0
    wx_fail "${3:-value}: expected '$2', got '$1'"
}

# wx_assert_contains TEXT PART [WHAT]
wx_assert_contains() {
    [[ "$1" == *"$2"* ]] && return 0
    wx_fail "${3:-text}: expected it to contain '$2', got '$1'"
}

# wx_assert_not_contains TEXT PART [WHAT]
wx_assert_not_contains() {
    [[ "$1" != *"$2"* ]] && return 0
    wx_fail "${3:-text}: expected it not to contain '$2', got '$1'"
}

# wx_retry SECONDS COMMAND...: runs COMMAND until it succeeds or time is up.
wx_retry() {
    local limit=$1 start
    shift
    start=$(date +%s)
    until "$@"; do
        (($(date +%s) - start >= limit)) && return 1
        sleep 0.2
    done
}

# --- the private display and Wine prefix -----------------------------------

wx_screenshot() {
    local name=${1:-screen}
    [[ -n "$WX_ARTIFACTS" && -n "${DISPLAY:-}" ]] || return 0
    mkdir -p "$WX_ARTIFACTS"
    local file="$WX_ARTIFACTS/$WX_TEST_NAME-$name.png"
    if import -display "$DISPLAY" -window root "$file" 2>/dev/null; then
        wx_log "screenshot: $file"
    fi
}

_wx_cleanup() {
    local status=$?
    trap - EXIT INT TERM USR1
    if ((status != 0)); then
        wx_screenshot failure
        if [[ -n "$WX_TMP" && -s "$WX_TMP/program.log" ]]; then
            echo "--- program output ---" >&2
            tail -n 40 "$WX_TMP/program.log" >&2
        fi
        if [[ -n "${DISPLAY:-}" && -n "${WX_DRIVER:-}" && -n "${WINEPREFIX:-}" ]]; then
            echo "--- visible windows ---" >&2
            timeout 10 wine "$WX_DRIVER" list-windows 2>/dev/null >&2 || true
        fi
    fi
    [[ -n "$WX_WATCHDOG_PID" ]] && kill "$WX_WATCHDOG_PID" 2>/dev/null
    [[ -s "$WX_TMP/watchdog" ]] && cat "$WX_TMP/watchdog" >&2
    if [[ -n "$WX_DRV_W" ]]; then
        exec {WX_DRV_W}>&- {WX_DRV_R}<&-
    fi
    if [[ -n "${WINEPREFIX:-}" && -d "${WINEPREFIX:-/nonexistent}" ]]; then
        timeout 20 wineserver -k 2>/dev/null
        timeout 10 wineserver -w 2>/dev/null
    fi
    local pid
    for pid in "${WX_BG_PIDS[@]}" $WX_PROGRAM_PID; do
        kill "$pid" 2>/dev/null
    done
    if [[ -n "$WX_XVFB_PID" ]]; then
        kill "$WX_XVFB_PID" 2>/dev/null
        wait "$WX_XVFB_PID" 2>/dev/null
    fi
    if [[ -n "$WX_TMP" && "${WX_KEEP_TMP:-0}" != 1 ]]; then
        rm -rf "$WX_TMP"
    elif [[ -n "$WX_TMP" ]]; then
        echo "kept $WX_TMP" >&2
    fi
    exit "$status"
}

# A test that hangs is ended after WX_TEST_TIMEOUT seconds (default 240, below
# CTest's limit; 0 means no limit, for a program left running on purpose): the
# prefix's Wine processes are killed, which ends any waiting Wine call, and
# the test is stopped with its cleanup. A test killed
# outright (no cleanup runs) is noticed within a second, and its Wine
# processes, Xvfb and temporary folder are removed here.
_wx_start_watchdog() {
    local limit=${WX_TEST_TIMEOUT:-240} main=$$ xvfb=$WX_XVFB_PID tmp=$WX_TMP
    (
        end=$((SECONDS + limit))
        while kill -0 "$main" 2>/dev/null; do
            if ((limit > 0 && SECONDS >= end)); then
                echo "FAIL: $WX_TEST_NAME: timed out after $limit s" >"$tmp/watchdog"
                kill -USR1 "$main"
                wineserver -k
                end=$((SECONDS + 3600))
            fi
            sleep 1
        done
        wineserver -k
        kill "$xvfb"
        [[ "${WX_KEEP_TMP:-0}" == 1 ]] || rm -rf "$tmp"
    ) >/dev/null 2>&1 &
    WX_WATCHDOG_PID=$!
}

_wx_start_xvfb() {
    local fdfile="$WX_TMP/display"
    # -displayfd makes Xvfb pick a free display number itself and report it.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac 3>"$fdfile" >"$WX_TMP/xvfb.log" 2>&1 &
    WX_XVFB_PID=$!
    local i
    for ((i = 0; i < 100; i++)); do
        [[ -s "$fdfile" ]] && break
        kill -0 "$WX_XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    [[ -s "$fdfile" ]] || wx_fail "Xvfb did not start: $(cat "$WX_TMP/xvfb.log")"
    export DISPLAY=":$(tr -dc 0-9 <"$fdfile")"
}

# The booted prefix template: built once (about 15 s), reused while the Wine
# version stays the same. Copies hard-link its files (Wine replaces program
# files rather than rewriting them); the registry files and ini files are real
# copies.
_wx_template_stamp() { echo "wine=$(wine --version 2>/dev/null) recipe=2"; }

_wx_prepare_template() {
    local tdir="$WX_BINARY_DIR/e2e-prefix-template"
    local stamp
    stamp=$(_wx_template_stamp)
    mkdir -p "$WX_BINARY_DIR"
    exec 9>"$WX_BINARY_DIR/e2e-prefix-template.lock"
    flock 9
    if [[ ! -f "$tdir/stamp" || "$(cat "$tdir/stamp")" != "$stamp" ]]; then
        wx_log "booting a Wine prefix template in $tdir"
        rm -rf "$tdir" "$tdir.tmp"
        mkdir -p "$tdir.tmp"
        (
            export WINEPREFIX="$tdir.tmp/prefix"
            wineboot -i >/dev/null 2>&1
            # A crashing program must not leave a debugger window waiting.
            wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
            wineserver -w
        ) || wx_fail "wineboot failed"
        [[ -f "$tdir.tmp/prefix/system.reg" ]] || wx_fail "wineboot left no registry in $tdir.tmp"
        echo "$stamp" >"$tdir.tmp/stamp"
        mv "$tdir.tmp" "$tdir"
        wx_log "template ready"
    fi
    mkdir -p "$(dirname "$WINEPREFIX")"
    if ! cp -al "$tdir/prefix" "$WINEPREFIX" 2>/dev/null; then
        rm -rf "$WINEPREFIX"
        cp -a "$tdir/prefix" "$WINEPREFIX" || wx_fail "cannot copy the prefix template"
    fi
    # Files Wine may rewrite in place get copies of their own, so that no test
    # can change the template through a shared link.
    local f
    while IFS= read -r -d '' f; do
        cp --remove-destination "$tdir/prefix/${f#"$WINEPREFIX"/}" "$f"
    done < <(find "$WINEPREFIX" -maxdepth 1 -type f -print0; find "$WINEPREFIX/drive_c" -maxdepth 3 -type f \( -name '*.ini' -o -name '*.INI' \) -print0)
    flock -u 9
    exec 9>&-
}

_wx_init() {
    [[ -n "$WX_BINARY_DIR" ]] || wx_fail "WX_BINARY_DIR is not set (run the tests through ctest)"
    WX_ARTIFACTS="$WX_BINARY_DIR/e2e-artifacts"
    WX_TMP=$(mktemp -d "${TMPDIR:-/tmp}/wx-e2e-$WX_TEST_NAME.XXXXXX") || wx_fail "mktemp failed"
    trap _wx_cleanup EXIT
    trap 'exit 130' INT TERM
    trap 'exit 1' USR1
    # Wine turns its command line into UTF-16 through the locale's encoding.
    export LC_ALL=C.UTF-8
    # winemenubuilder is off: Wine would otherwise write menu entries and file
    # types into the real home folder (for shortcuts a test makes, for instance).
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
    export WINEPREFIX="$WX_TMP/prefix"
    _wx_start_xvfb
    _wx_start_watchdog
    _wx_prepare_template
    rm -f "$WX_ARTIFACTS/$WX_TEST_NAME"-*.png
    _wx_start_driver_session
    wx_log "display $DISPLAY, prefix $WINEPREFIX"
}

# --- driving programs ------------------------------------------------------

# wx_driver ARGS...: runs the test driver inside Wine; prints its output and
# returns its exit code. Requests go to one driver process that lib.sh keeps
# running for the whole test (starting a Wine process per command costs
# 0.15 to 0.6 s); a lock keeps callers from several subshells apart.
# The stand-in hosts (`tray-host`, `hotkey-host`), which run until they have
# been used, get processes of their own, as does everything when
# WX_DRIVER_SESSION=0.
wx_driver() {
    if [[ -z "${WX_DRV_W:-}" || "${1:-}" == *-host ]]; then
        wx_driver_direct "$@"
        return
    fi
    # The reply is read whole before anything is printed: a caller whose
    # output pipe closes early (`wx_driver ... | head -1`) cannot leave part of
    # it behind. Each request carries an id; lines of an older, interrupted
    # reply are skipped.
    local lock line code="" id="$BASHPID.$RANDOM$RANDOM" reply=() errors=()
    exec {lock}>"$WX_TMP/driver.lock"
    flock "$lock"
    if printf '%s\0' "@$id" "$#" "$@" >&"$WX_DRV_W" 2>/dev/null; then
        while IFS= read -r -t 300 -u "$WX_DRV_R" line; do
            case "$line" in
                $'\x1f'"END $id "*) code=${line##* }; break ;;
                $'\x1f'"END "*) reply=() errors=() ;;
                $'\x1f'"ERR "*) errors+=("${line#*ERR }") ;;
                *) reply+=("$line") ;;
            esac
        done
    fi
    flock -u "$lock"
    exec {lock}>&-
    ((${#errors[@]})) && printf '%s\n' "${errors[@]}" >&2
    ((${#reply[@]})) && printf '%s\n' "${reply[@]}"
    if [[ -z "$code" ]]; then
        echo "wx_driver: the driver process stopped answering ($*); see $WX_TMP/driver.log" >&2
        return 1
    fi
    return "$code"
}

# wx_driver_direct ARGS...: runs the driver as a process of its own.
wx_driver_direct() {
    wine "$WX_DRIVER" "$@"
}

_wx_start_driver_session() {
    [[ "${WX_DRIVER_SESSION:-1}" == 1 && -f "${WX_DRIVER:-}" ]] || return 0
    mkfifo "$WX_TMP/driver.in" "$WX_TMP/driver.out" || return 0
    wine "$WX_DRIVER" serve <"$WX_TMP/driver.in" >"$WX_TMP/driver.out" 2>>"$WX_TMP/driver.log" &
    WX_BG_PIDS+=($!)
    exec {WX_DRV_W}>"$WX_TMP/driver.in"
    exec {WX_DRV_R}<"$WX_TMP/driver.out"
}

# wx_start_program [DATAFILE...]: copies the resident program and the named
# data files into a fresh program folder inside the prefix and starts it in the
# background, with the Smart Bar off unless WX_SMART_BAR=1. Sets
# WX_PROGRAM_DIR (Linux path), WX_PROGRAM_WINDIR (Windows path) and
# WX_PROGRAM_PID. Output goes to $WX_TMP/program.log.
wx_start_program() {
    [[ -f "${WX_EXE:-}" ]] || wx_fail "WX_EXE is not set or missing: '${WX_EXE:-}'"
    WX_PROGRAM_DIR="$WINEPREFIX/drive_c/Program Files/Wendrix"
    WX_PROGRAM_WINDIR='C:\Program Files\Wendrix'
    mkdir -p "$WX_PROGRAM_DIR"
    cp "$WX_EXE" "$WX_PROGRAM_DIR/" || wx_fail "cannot copy $WX_EXE"
    local f
    for f in "$@"; do
        cp "$f" "$WX_PROGRAM_DIR/" || wx_fail "cannot copy data file $f"
    done
    # The Smart Bar opens on every first start. Tests that do not look at it
    # start with "ShowSmartBarOnOpen" off (unless they stored a value
    # themselves); WX_SMART_BAR=1 lets it open.
    if [[ "${WX_SMART_BAR:-0}" != 1 ]] &&
        ! wx_reg_query 'HKCU\Software\Morvane\Wendrix\Options' ShowSmartBarOnOpen >/dev/null; then
        wx_reg_add 'HKCU\Software\Morvane\Wendrix\Options' ShowSmartBarOnOpen REG_DWORD 0
    fi
    local exe
    exe=$(basename "$WX_EXE")
    rm -f "$WX_TMP/program.exit"
    (
        cd "$WX_PROGRAM_DIR" || exit 1
        code=0
        wine "$WX_PROGRAM_WINDIR\\$exe" || code=$?
        echo "$code" >"$WX_TMP/program.exit"
    ) >>"$WX_TMP/program.log" 2>&1 &
    WX_PROGRAM_PID=$!
    wx_log "started $exe (pid $WX_PROGRAM_PID)"
}

# wx_program_running: true while the program started by wx_start_program runs.
wx_program_running() {
    [[ -n "$WX_PROGRAM_PID" && ! -s "$WX_TMP/program.exit" ]] && kill -0 "$WX_PROGRAM_PID" 2>/dev/null
}

# wx_wait_program_exit [SECONDS]: waits for the program to end; prints its
# exit code. Fails when it is still running after SECONDS (default 10).
wx_wait_program_exit() {
    local limit=${1:-10}
    wx_retry "$limit" test -s "$WX_TMP/program.exit" ||
        wx_fail "the program is still running after $limit s"
    cat "$WX_TMP/program.exit"
}

# wx_start WINDOWS_COMMAND...: starts another Windows program in the background.
wx_start() {
    wine "$@" >>"$WX_TMP/others.log" 2>&1 &
    WX_BG_PIDS+=($!)
}

# wx_wait_window TITLE [SECONDS]: waits for a visible top-level window with
# that title; prints its handle.
wx_wait_window() {
    local ms=$((${2:-30} * 1000))
    wx_driver wait-window "$1" "" "$ms" || wx_fail "window '$1' did not appear within ${2:-30} s"
}

# wx_start_notepad / wx_start_wordpad: start the program, wait for its window
# and give the keyboard focus to its text control. Print the window handle.
wx_start_notepad() {
    wx_start notepad.exe
    wx_wait_window "$WX_NOTEPAD" >/dev/null
    wx_driver focus "$WX_NOTEPAD" Edit || wx_fail "cannot focus Notepad"
}

wx_start_wordpad() {
    wx_start 'C:\Program Files\Windows NT\Accessories\wordpad.exe'
    wx_wait_window "$WX_WORDPAD" >/dev/null
    wx_driver focus "$WX_WORDPAD" RichEdit20W || wx_fail "cannot focus WordPad"
}

# --- registry --------------------------------------------------------------

# wx_reg_query KEY VALUE: prints "TYPE DATA" as `reg query` shows it
# (e.g. "REG_DWORD 0x1", "REG_SZ some text", "REG_BINARY 0A0B"); returns 1
# when the value does not exist. Read by the driver: exact Unicode, and fast.
wx_reg_query() {
    wx_driver reg-query "$1" "$2" 2>/dev/null
}

# wx_reg_query_wine KEY VALUE: the same, parsed from `wine reg query`. `reg`
# prints in the console code page (437): other characters come back as '?'.
wx_reg_query_wine() {
    local raw line
    raw=$(wine reg query "$1" /v "$2" 2>/dev/null | iconv -f CP437 -t UTF-8 | tr -d '\r')
    while IFS= read -r line; do
        # "    NAME    TYPE    DATA" (DATA may be empty)
        if [[ "$line" == "    $2    REG_"* ]]; then
            line=${line#"    $2    "}
            local type=${line%%    *}
            local data=""
            [[ "$line" == *"    "* ]] && data=${line#*    }
            printf '%s %s\n' "$type" "$data"
            return 0
        fi
    done <<<"$raw"
    return 1
}

# wx_reg_get KEY VALUE: prints only the data.
wx_reg_get() {
    local v
    v=$(wx_reg_query "$1" "$2") || return 1
    printf '%s\n' "${v#* }"
}

# wx_reg_list KEY: every value ("NAME<tab>TYPE DATA"), then "key: SUBKEY" lines.
wx_reg_list() {
    wx_driver reg-list "$1"
}

# wx_reg_add KEY VALUE TYPE DATA (REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_QWORD,
# REG_BINARY as hex digits); creates the key when needed.
wx_reg_add() {
    wx_driver reg-add "$1" "$2" "$3" "$4" || wx_fail "reg-add $1 $2 failed"
}

# wx_reg_delete KEY [VALUE]: deletes a value, or a key with everything in it.
wx_reg_delete() {
    wx_driver reg-delete "$@" 2>/dev/null
}

# wx_store_first_run_options SINGLE_CLICK: stores the options a first run
# writes, with the tray's single click on action code SINGLE_CLICK.
wx_store_first_run_options() {
    local key='HKCU\Software\Morvane\Wendrix\Options' type data name
    while IFS=' ' read -r type data name; do
        wx_reg_add "$key" "$name" "$type" "$data"
    done <<END
REG_SZ F7 SpellApp HotKey
REG_SZ F3 SpellAppAll HotKey
REG_SZ F8 ThesApp HotKey
REG_SZ F5 Editor HotKey
REG_SZ F4 Editor2 HotKey
REG_SZ F10 SpellClip HotKey
REG_SZ F11 ThesClip HotKey
REG_SZ F9 DefClip HotKey
REG_SZ F6 DefApp HotKey
REG_SZ F12 InstantSpell HotKey
REG_DWORD $1 OnSingleClick
REG_DWORD 7 OnDblCLick
REG_SZ > QuoteCharacters
REG_SZ ' IgnorePrefix
REG_SZ ';'s;. IgnoreSuffix
REG_DWORD 0 SilentSpellMode
REG_DWORD 0 CompatibilityMode
REG_DWORD 1000 CompatibilityDelay
REG_DWORD 0 ShowSmartBarOnOpen
REG_DWORD 0 CompatibilityCut
REG_DWORD 0 DisableBackup
END
}

# --- the tray icon ---------------------------------------------------------

# wx_tray_click [single|double|right] [TIP_PART]: clicks a tray icon with the
# mouse (xdotool). Wine draws tray icons in its own "Wine System Tray" window
# on Xvfb; the icon is found by its tip (default: the first icon).
wx_tray_click() {
    local kind=${1:-single} tip=${2:-} icons line="" center
    icons=$(wx_driver tray-icons) || wx_fail "no tray icon to click"
    if [[ -n "$tip" ]]; then
        line=$(grep -F "tip=" <<<"$icons" | while IFS= read -r l; do
            [[ "${l#*tip=}" == *"$tip"* ]] && { echo "$l"; break; }; done)
        [[ -n "$line" ]] || wx_fail "no tray icon with a tip containing '$tip' in: $icons"
    else
        line=$(head -n 1 <<<"$icons")
    fi
    center=$(sed -n 's/.*center=\([0-9-]*\) \([0-9-]*\).*/\1 \2/p' <<<"$line")
    [[ -n "$center" ]] || wx_fail "cannot read the tray icon position from: $line"
    # (no --sync: it waits forever when the pointer is already there)
    # shellcheck disable=SC2086
    xdotool mousemove $center || wx_fail "xdotool mousemove failed"
    sleep 0.1
    case "$kind" in
        single) xdotool click 1 ;;
        double) xdotool click --repeat 2 --delay 100 1 ;;
        right) xdotool click 3 ;;
        *) wx_fail "wx_tray_click: unknown click '$kind'" ;;
    esac
}

# wx_wait_tray_icon [TIP_PART] [SECONDS]: waits until a tray icon (with a tip
# containing TIP_PART) exists; prints its line from `tray-icons`.
wx_wait_tray_icon() {
    local tip=${1:-} limit=${2:-30} start line
    start=$(date +%s)
    while :; do
        line=$(wx_driver tray-icons 2>/dev/null | grep -F -- "tip=" | while IFS= read -r l; do
            [[ "${l#*tip=}" == *"$tip"* ]] && { echo "$l"; break; }; done)
        [[ -n "$line" ]] && { echo "$line"; return 0; }
        (($(date +%s) - start >= limit)) && wx_fail "no tray icon${tip:+ with a tip containing '$tip'} after $limit s"
        sleep 0.3
    done
}

# wx_tray_tip [TIP_PART]: prints the tip of the first (or matching) tray icon.
wx_tray_tip() {
    local icons
    icons=$(wx_driver tray-icons) || return 1
    if [[ -n "${1:-}" ]]; then
        icons=$(grep -F -- "$1" <<<"$icons")
    fi
    head -n 1 <<<"$icons" | sed 's/.*tip=//'
}

if [[ "${WX_LIB_NO_INIT:-0}" != 1 ]]; then
    _wx_init
fi
