# Shared by tools/run and tools/test: install what is missing, then build.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${Q4_BUILD_DIR:-$repo_root/build}

# Debian packages the build, the program and the headless tests need
# (groff renders the help page; desktop-file-utils, appstream and dpkg-dev
# check and build the package; libxdamage-dev lets the start-up benchmark
# see repaints).
q4_packages=(
    cmake g++ pkg-config make groff gzip
    qt6-base-dev qt6-declarative-dev qt6-multimedia-dev qt6-svg-dev
    libhidapi-dev libudev-dev libx11-dev libxdamage-dev
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript
    qml6-module-qttest qml6-module-qtmultimedia
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    xvfb xauth xcompmgr x11-apps x11-xserver-utils fonts-wqy-microhei fonts-dejavu-core
    umockdev libumockdev-dev
    desktop-file-utils appstream dpkg-dev
)

# What tools/fuzz needs on top: clang with its libFuzzer and sanitizer
# runtimes.
q4_fuzz_packages=(clang libclang-rt-14-dev)

# Installs the packages named, by default the project's list.
ensure_packages() {
    local wanted=("$@")
    [ ${#wanted[@]} -eq 0 ] && wanted=("${q4_packages[@]}")
    local missing=()
    local package
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Builds the named targets, everything when none is named.
build_project() {
    local build_type=${Q4_BUILD_TYPE:-RelWithDebInfo}
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$repo_root" -B "$build_dir" -DCMAKE_BUILD_TYPE="$build_type" ${Q4_CMAKE_ARGS:-} >/dev/null
    fi
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
}
