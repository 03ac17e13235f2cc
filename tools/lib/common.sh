# Shared by tools/run and tools/test: install what is missing, then build.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${Q4_BUILD_DIR:-$repo_root/build}

# Debian packages the build, the program and the headless tests need.
q4_packages=(
    cmake g++ pkg-config make
    qt6-base-dev qt6-declarative-dev qt6-multimedia-dev
    libhidapi-dev libudev-dev libx11-dev libxdamage-dev
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript
    qml6-module-qttest qml6-module-qtmultimedia
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    xvfb xauth xcompmgr x11-apps x11-xserver-utils fonts-wqy-microhei fonts-dejavu-core
)

ensure_packages() {
    local missing=()
    local package
    for package in "${q4_packages[@]}"; do
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

build_project() {
    local build_type=${Q4_BUILD_TYPE:-RelWithDebInfo}
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$repo_root" -B "$build_dir" -DCMAKE_BUILD_TYPE="$build_type" ${Q4_CMAKE_ARGS:-} >/dev/null
    fi
    cmake --build "$build_dir" -j "$(nproc)"
}
