#!/bin/sh
# Sets up Kelvora on a Debian 12 machine and then either starts it on a demo office or runs the tests.
#   ./kelvora.sh run     install what is missing, build the program, kelvora-db and the demo office in
#                        build/office and start it (no tests built, no PostgreSQL server installed or started)
#   ./kelvora.sh test    install what is missing, build everything and run the whole test suite, on office
#                        files and on a throw-away PostgreSQL server that the tests start and stop themselves
# KELVORA_BUILD_DIR names another build folder than build (the demo office is then in its office folder).
set -eu
cd "$(dirname "$0")"

PACKAGES="build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6svg6 qt6-svg-dev \
qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libsqlite3-dev libgl-dev fonts-liberation poppler-utils sqlite3 \
libqt6sql6-psql libsodium-dev qtkeychain-qt6-dev"
# The tests also start a PostgreSQL server of their own.
TEST_PACKAGES="postgresql"

mode=${1:-run}
case "$mode" in
run) ;;
test) PACKAGES="$PACKAGES $TEST_PACKAGES" ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

missing=""
for package in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=""; fi
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

BUILD_DIR=${KELVORA_BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo

case "$mode" in
run)
    # The demo office depends on the program and on kelvora-db: nothing else is built.
    cmake --build "$BUILD_DIR" --parallel "$(nproc)" --target demo-office
    cd "$BUILD_DIR/office"
    exec ../kelvora
    ;;
test)
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
    # The tests stop their server at the end; an interrupted run must not leave it behind either.
    trap 'tools/test-server.sh stop "$BUILD_DIR/test-server" >/dev/null 2>&1 || true' EXIT INT TERM
    ctest --test-dir "$BUILD_DIR" --output-on-failure
    ;;
esac
