# Helpers shared by scripts/test, scripts/demo and the suites.

JOBS=${JOBS:-$(nproc)}

# Installs the Debian packages that are not installed yet.
ensure_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

ensure_native_toolchain() {
    ensure_packages build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev \
        clang python3 pkg-config libsndfile1-dev libcli11-dev libx11-dev libxtst-dev libpng-dev \
        xvfb xauth
}

# run_ctest_on_display DIR [ctest args...]: as run_ctest, on a virtual X display of its own.
run_ctest_on_display() {
    local dir=$1
    shift
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$JOBS" "$@"
}

# configure_build DIR [cmake args...]: configures (once) and builds DIR with Ninja.
configure_build() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j "$JOBS"
}

# run_ctest DIR [ctest args...]
run_ctest() {
    local dir=$1
    shift
    ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$JOBS" "$@"
}
