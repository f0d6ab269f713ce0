#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command (default ./test.sh) in a fresh clone of this repository's committed HEAD, inside a
# minimal Debian root: only what the project's own scripts install is there, so a missing install step
# fails here as it would on a new machine. CI runs ./test.sh this way on each release; a contributor can
# too. Needs root and Debian's mmdebstrap (installed when missing). The minimal root of each release is
# made once, kept under $FRESH_DEBIAN_CACHE (default /var/cache/fresh-debian) and copied for each run.
#
#   scripts/fresh-debian.sh [COMMAND...]
#   FRESH_DEBIAN_SUITE=bookworm | trixie | forky    Debian 12 (default), 13, or testing
#   FRESH_DEBIAN_KEEP=1                              keep the copied root afterwards, for a look inside
#
# Prints the command's output and exits with its status.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && git rev-parse --show-toplevel)
command=("$@")
[ ${#command[@]} -gt 0 ] || command=(./test.sh)
fail() {
    echo "fresh-debian: $*" >&2
    exit 2
}

[ "$(id -u)" -eq 0 ] || fail "needs root (it makes and enters a Debian root)"
cache=${FRESH_DEBIAN_CACHE:-/var/cache/fresh-debian}
suite=${FRESH_DEBIAN_SUITE:-bookworm}
case "$suite" in bookworm | trixie | forky) ;; *) fail "FRESH_DEBIAN_SUITE is bookworm, trixie or forky, not '$suite'" ;; esac
base=$cache/$suite
if [ ! -x "$base/bin/bash" ]; then
    if ! command -v mmdebstrap >/dev/null; then
        apt-get update -q >/dev/null
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends mmdebstrap >/dev/null
    fi
    # The mirrors this machine's apt uses for its own release, with the other release's name.
    host=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$host" ] || fail "cannot tell this machine's Debian release from /etc/os-release"
    mapfile -t mirrors < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' 2>/dev/null |
        grep -E " $host(-updates|-security)?\$" | sort -u | sed "s/ $host/ $suite/" |
        awk '{print "deb " $1 " " $2 " main"}')
    [ ${#mirrors[@]} -gt 0 ] || fail "this machine's apt has no Debian sources to copy"
    # Testing has no security or updates suites of its own.
    [ "$suite" != forky ] || mapfile -t mirrors < <(printf '%s\n' "${mirrors[@]}" | grep -v -E -- '-(updates|security) ')
    # A mirror's copy of testing can be older than its Release file's Valid-Until, which apt would refuse.
    aptopt=()
    [ "$suite" != forky ] || aptopt=(--aptopt='Acquire::Check-Valid-Until "false"')
    echo "fresh-debian: making a minimal Debian $suite root in $base" >&2
    mkdir -p "$cache"
    rm -rf "$base.tmp"
    mmdebstrap --quiet --variant=apt "${aptopt[@]}" --include=ca-certificates,git,sudo "$suite" "$base.tmp" "${mirrors[@]}"
    mv "$base.tmp" "$base"
fi

work=$(mktemp -d -t fresh-debian.XXXXXX)
cleanup() {
    if [ "${FRESH_DEBIAN_KEEP:-0}" = 1 ]; then
        echo "fresh-debian: kept $work/root" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
cp -a "$base" "$work/root"
git clone -q "$repo" "$work/root/project"
cp /etc/resolv.conf "$work/root/etc/resolv.conf" 2>/dev/null || true

echo "fresh-debian: running '${command[*]}' on Debian $suite in a fresh clone of $(git -C "$repo" rev-parse --short HEAD)" >&2
set +e
# Mounts in a private namespace go away with it; the environment is a new login's, as in CI.
unshare --mount --propagation private -- bash -c '
    set -e
    r=$1; shift
    mount -t proc proc "$r/proc"
    mount --rbind /sys "$r/sys"
    mount --rbind /dev "$r/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$r/tmp"
    mount -t tmpfs -o mode=1777 tmpfs "$r/dev/shm"
    exec chroot "$r" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 CI=true bash -c "cd /project && \"\$@\"" bash "$@"
' bash "$work/root" "${command[@]}"
status=$?
set -e
echo "fresh-debian: exit status $status" >&2
exit $status
