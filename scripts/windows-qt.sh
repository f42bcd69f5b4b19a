# Qt for Windows, cross-built from Debian's own qt6-base source with
# MinGW-w64. Sourced by scripts/build-windows; defines windows_qt_prefix.
#
# Qt for Windows is not packaged in Debian, but the source of Debian's Qt is,
# and the host's Qt tools (moc, rcc, uic) of the very same version serve the
# cross build. The result lives in a cache folder outside the repository and
# is reused as long as the Qt version and the options below stay the same.
# AURIVANE_WINDOWS_CACHE moves it (default: ~/.cache/aurivane-windows).

cache=${AURIVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/aurivane-windows}

# Only what the program and its tests use: Core, Gui, Widgets, Test, the
# windows and offscreen platform plugins (the latter needs FreeType) and the
# JPEG image plugin. Debian's
# source lacks src/3rdparty/wintab, hence no tablet events. The widgets draw
# in software, so no OpenGL and no Direct2D; Qt 6.4's windows plugin then also
# needs dynamic OpenGL and the DirectWrite font database (not its default,
# which is GDI's) switched off explicitly, or it does not build. Third-party
# code comes from Qt's own copies, so nothing but the MinGW runtime sits
# beside it.
windows_qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_opengl=OFF
    -DFEATURE_dynamicgl=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite3=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_doubleconversion=OFF
)

# Prints the folder where Qt for Windows is (or will be) installed. The name
# carries the Debian version of Qt and a digest of the options and toolchain.
windows_qt_prefix() {
    local version digest
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    digest=$({
        printf '%s\n' "${windows_qt_options[@]}"
        cat "$repo/cmake/mingw-w64-x86_64.cmake"
        x86_64-w64-mingw32-g++-posix --version | head -n 1
    } | sha256sum | cut -c1-12)
    printf '%s/qt-%s-%s\n' "$cache" "${version//[^A-Za-z0-9.]/_}" "$digest"
}

# Debian's source lists may be switched off on a fresh machine: fetching the
# qt6-base source needs a deb-src entry for the same suite.
windows_qt_enable_sources() {
    if apt-get source --print-uris -qq "qt6-base=$1" 2>/dev/null | grep -q '\.dsc'; then
        return
    fi
    echo "Enabling Debian's source packages to fetch the Qt source"
    local sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" tee /etc/apt/sources.list.d/aurivane-debian-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -q
}

windows_qt_build() {
    local prefix=$1
    local version work log
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    work="$prefix.work"
    log="$prefix.log"
    rm -rf "$work" "$prefix"
    mkdir -p "$work/src"

    windows_qt_enable_sources "$version"
    echo "Fetching the source of Qt $version"
    (cd "$work/src" && apt-get source -qq "qt6-base=$version" >/dev/null 2>&1) || {
        echo "build-windows: could not fetch the qt6-base $version source" >&2
        return 1
    }
    local source
    source=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)

    # The host tools of the same version, from qt6-base-dev-tools.
    local hostcmake
    hostcmake=$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6/Qt6Config.cmake$')")
    hostcmake=$(dirname "$hostcmake")

    # Qt's own toolchain file loads this one by its path: keep it in the prefix.
    mkdir -p "$prefix"
    cp "$repo/cmake/mingw-w64-x86_64.cmake" "$prefix/mingw-w64-x86_64.cmake"
    echo "Building Qt $version for Windows into $prefix (log: $log); this takes a while"
    local started=$SECONDS
    if ! {
        cmake -S "$source" -B "$work/build" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
            -DCMAKE_INSTALL_PREFIX="$prefix" \
            -DQT_HOST_PATH=/usr \
            -DQT_HOST_PATH_CMAKE_DIR="$hostcmake" \
            "${windows_qt_options[@]}" &&
            cmake --build "$work/build" &&
            cmake --install "$work/build"
    } >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "build-windows: the Qt build failed; the whole log is $log" >&2
        return 1
    fi
    rm -rf "$work"
    touch "$prefix/.complete"
    # Builds made with other options or an older Qt are not used again.
    find "$cache" -mindepth 1 -maxdepth 1 -name 'qt-*' ! -name "$(basename "$prefix")*" \
        -exec rm -rf {} +
    echo "Qt for Windows built in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
}
