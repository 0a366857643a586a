#!/usr/bin/env bash
# Sets up a Debian machine, builds Ancient Velmora, and runs it or its tests.
#   ./velmora.sh run    install what is missing, build, start the program
#   ./velmora.sh test   install what is missing, build, run every test, then again sanitized
#   ./velmora.sh package  install what is missing, build, make the Debian package; prints its path
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc 2>/dev/null || echo 2)

install_missing() {
    local wanted missing=()
    mapfile -t wanted < <(grep -v -E '^\s*(#|$)' scripts/packages.txt)
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() { # build folder, extra cmake options...
    local dir=$1
    shift
    # Ninja, where it is installed, starts each step with less ado than make; a folder set up
    # with make before keeps it.
    [ ! -f "$dir/CMakeCache.txt" ] && command -v ninja >/dev/null && set -- -G Ninja "$@"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

ctest_in() { # build folder, extra ctest options...
    local dir=$1
    shift
    # An empty selection is a fault in this script, not a pass.
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure --timeout 300 \
        --no-tests=error "$@"
}

run_tests() { # build folder, extra ctest options...
    local dir=$1
    shift
    ctest_in "$dir" -j "$jobs" --label-exclude alone "$@"
    echo "== Tests that listen to the sound server, one at a time"
    ctest_in "$dir" --label-regex alone "$@"
}

# Tests on a real X server run sanitized in a pass of their own, without the strict string
# checks: xkbcommon hands strndup a counted buffer with no terminating NUL, which those checks
# take for a read past its end. Nor do they look for leaks: the leak checker's own tracer
# crashed now and then at the exit of the display tests, and the same code is leak-checked
# in the pass before.
on_x_server='OnTheDisplay|QuitAfterFirstFrame|atspi_tests|orca_tests'
# The tests under real window managers wait for each manager within limits set for the plain
# program; a sanitized start is slower than those limits, so they run in the plain pass only.
plain_only='OnADesktop'

# Without a session bus address, D-Bus starts a bus for the sound library by forking from the
# sound thread; under the address sanitizer that child can hang for good on an allocator lock
# another thread held at the fork. An address that fails at once spares the fork.
sanitized() { # command...
    DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-unix:path=/nonexistent/velmora-no-bus} \
        ASAN_OPTIONS=detect_leaks=${leaks:-1}:abort_on_error=1:strict_string_checks=${strict:-1} \
        LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$@"
}

# Each stage's time, and the total, so a slow stage is seen.
started=$SECONDS
stage_started=$SECONDS
stage_name=""
times=()
stage() { # name of the stage that starts now
    end_stage
    stage_name=$1
    stage_started=$SECONDS
    echo "== $1"
}
end_stage() {
    [ -n "$stage_name" ] && times+=("$(printf '%-34s %4d s' "$stage_name" $((SECONDS - stage_started)))")
    stage_name=""
}
print_times() {
    end_stage
    printf '%s\n' "== Time taken" "${times[@]}" "$(printf '%-34s %4d s' total $((SECONDS - started)))"
}

# Every process the tests start inherits this mark; one still running at the end was left
# behind by a test.
export VELMORA_TEST_RUN="$$-$RANDOM$RANDOM"
leftovers() {
    local file pid vars found=()
    # Read with builtins only, so that this check starts no process of its own.
    for file in /proc/[0-9]*/environ; do
        pid=${file#/proc/}
        pid=${pid%/environ}
        [ "$pid" = "$$" ] && continue
        mapfile -d '' vars 2>/dev/null <"$file" || continue
        [[ " ${vars[*]} " == *" VELMORA_TEST_RUN=$VELMORA_TEST_RUN "* ]] || continue
        mapfile -d '' vars 2>/dev/null <"/proc/$pid/cmdline" || vars=("?")
        found+=("$pid ${vars[*]}")
    done
    [ ${#found[@]} -eq 0 ] && return 0
    echo "FAIL: processes the tests started are still running:" >&2
    printf '  %s\n' "${found[@]}" >&2
    return 1
}

case "${1:-}" in
run)
    install_missing
    build build
    exec ./build/ancient-velmora
    ;;
test)
    trap print_times EXIT
    stage "Set-up"
    install_missing
    command -v ccache >/dev/null && ccache --zero-stats >/dev/null
    stage "Plain build"
    build build
    stage "Plain tests"
    run_tests build
    stage "Sanitized build (ASan and UBSan)"
    build build-sanitize -DVELMORA_SANITIZE=ON -DVELMORA_BENCH=OFF
    stage "Sanitized tests on a real X server"
    strict=0 leaks=0 sanitized ctest_in build-sanitize -j "$jobs" --tests-regex "$on_x_server"
    stage "Every other sanitized test"
    sanitized run_tests build-sanitize --exclude-regex "$on_x_server|$plain_only"
    end_stage
    command -v ccache >/dev/null && ccache --show-stats | grep -iE 'hits|misses' | head -3
    leftovers
    ;;
package)
    install_missing
    build build
    (cd build && cpack -G DEB) >&2
    version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' build/CPackConfig.cmake)
    echo "$PWD/build/ancient-velmora_${version}_$(dpkg --print-architecture).deb"
    ;;
*)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
