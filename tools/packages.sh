# Installs the Debian packages the build and the tests need, only those that are missing.
# Sourced by run.sh, test.sh, package.sh and check-package.sh.
zrv_install_packages() {
    local wanted="g++ cmake make pkg-config qt6-base-dev qt6-serialport-dev libgl-dev
                  libgtest-dev libgmock-dev libbenchmark-dev locales-all fonts-liberation clang
                  dpkg-dev lintian desktop-file-utils appstream shared-mime-info file
                  qt6-svg-dev libpng-dev poppler-utils xvfb xdotool libx11-dev $*"
    local missing=""
    for p in $wanted; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing="$missing $p"
    done
    if [ -n "$missing" ]; then
        echo "installing:$missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        # shellcheck disable=SC2086
        apt-get install -y -qq --no-install-recommends $missing
    fi
}
