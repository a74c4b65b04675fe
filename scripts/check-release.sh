#!/usr/bin/env bash
# Checks the project on a fresh minimal Debian root of the named release, as a newcomer would
# meet it:
#   1. makes a minimal root (debootstrap --variant=minbase) and copies this checkout into it,
#   2. runs the README's run command there as a user with sudo (it installs what it needs) up
#      to the editor's window (offscreen), then the README's test command,
#   3. builds the Debian package there (scripts/package.sh, as the same user),
#   4. installs the package with apt in a second fresh root, starts the three programs (a read
#      from the virtual radio, the editor's window offscreen) and purges it again.
# Usage: scripts/check-release.sh bookworm|trixie [PACKAGE.deb]
#        (needs root and network to the Debian mirror). With a package, only step 4 is done,
#        with that package.
# Fails when any step fails, a package is missing from the release or a test fails.
#
# Environment: RSE_RELEASE_AREA  where the roots, caches and results live
#                                (default /var/tmp/rse-release; outside the checkout)
#              RSE_MIRROR        the Debian mirror (default http://deb.debian.org/debian)
#              RSE_KEEP_ROOTS=1  keep the roots afterwards (for a look inside)
# The packages debootstrap and apt fetch, and ccache's files, are kept in the area between
# runs; a first run fetches everything.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
release="${1:-}"
given="${2:-}"
if [[ -n "$given" && ! -f "$given" ]]; then
    echo "check-release.sh: no package $given" >&2
    exit 2
fi
case "$release" in
    bookworm) number=12 ;;
    trixie) number=13 ;;
    *)
        echo "usage: check-release.sh bookworm|trixie [PACKAGE.deb]" >&2
        exit 2
        ;;
esac
if [[ $(id -u) -ne 0 ]]; then
    echo "check-release.sh: needs root (debootstrap, chroot, mount)" >&2
    exit 2
fi
if ! command -v debootstrap >/dev/null; then
    echo "Installing: debootstrap"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >/dev/null ||
        { apt-get update -q >/dev/null && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >/dev/null; }
fi
area="${RSE_RELEASE_AREA:-/var/tmp/rse-release}"
mirror="${RSE_MIRROR:-http://deb.debian.org/debian}"
base="$area/$release-minbase.tar"
debs="$area/cache/$release-debs"  # debootstrap's and apt's downloaded packages
ccache_dir="$area/cache/$release-ccache"
results="$area/$release-results"
build_root="$area/$release-build"
install_root="$area/$release-install"
mkdir -p "$area" "$debs/partial" "$ccache_dir" "$results"

mounts=()
unmount_all() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount -l "${mounts[i]}" 2>/dev/null || true
    done
    mounts=()
}
# Stops what is still running inside a root (a virtual radio left behind by a failure).
stop_inside() {
    local dir="$1" p
    [[ -d "$dir" ]] || return 0
    for p in /proc/[0-9]*; do
        if [[ "$(readlink "$p/root" 2>/dev/null)" == "$dir" ]]; then
            kill -9 "${p#/proc/}" 2>/dev/null || true
        fi
    done
}
cleanup() {
    local status=$?
    stop_inside "$build_root"
    stop_inside "$install_root"
    unmount_all
    if [[ "${RSE_KEEP_ROOTS:-}" != 1 ]]; then
        rm -rf --one-file-system "$build_root" "$install_root"
    fi
    if ((status != 0)); then echo "check-release.sh $release: FAILED" >&2; fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

stage_name=""
stage_start=0
stage() {
    if [[ -n "$stage_name" ]]; then echo "--- $release: $stage_name took $((SECONDS - stage_start)) s"; fi
    stage_name="$1"
    stage_start=$SECONDS
    [[ -n "$stage_name" ]] && echo "=== $release: $stage_name"
    return 0
}

# A fresh root: the minimal system unpacked from the tarball of an earlier debootstrap (made
# now when there is none), with the mounts the tests need and apt's cache kept outside.
fresh_root() {
    local dir="$1"
    if [[ ! -f "$base" ]]; then
        local tmp="$area/$release-minbase.tmp"
        rm -rf --one-file-system "$tmp"
        debootstrap --variant=minbase --cache-dir="$debs" "$release" "$tmp" "$mirror" \
            >"$results/debootstrap.log" 2>&1 || {
            tail -n 20 "$results/debootstrap.log" >&2
            exit 1
        }
        tar -C "$tmp" -cf "$base.part" . && mv "$base.part" "$base"
        rm -rf --one-file-system "$tmp"
    fi
    rm -rf --one-file-system "$dir"
    mkdir -p "$dir"
    tar -C "$dir" -xf "$base"
    echo "deb $mirror $release main" >"$dir/etc/apt/sources.list"
    cp /etc/resolv.conf "$dir/etc/resolv.conf" 2>/dev/null || true
    echo "127.0.1.1 $(hostname)" >>"$dir/etc/hosts"  # sudo looks the machine's name up
    mount -t proc proc "$dir/proc" && mounts+=("$dir/proc")
    mount -t sysfs sysfs "$dir/sys" && mounts+=("$dir/sys")
    # Pseudo-terminals of the root's own (the virtual radio's), not the machine's.
    mount -t devpts devpts -o newinstance,ptmxmode=0666,mode=620 "$dir/dev/pts" &&
        mounts+=("$dir/dev/pts")
    mount -t tmpfs tmpfs "$dir/dev/shm" && mounts+=("$dir/dev/shm")
    mount --bind "$debs" "$dir/var/cache/apt/archives" && mounts+=("$dir/var/cache/apt/archives")
    # Keep the downloaded packages for the next run.
    echo 'Binary::apt::APT::Keep-Downloaded-Packages "true";' >"$dir/etc/apt/apt.conf.d/90keep"
}
# Runs a shell command inside a root with a clean environment.
inside() {
    local dir="$1"
    shift
    chroot "$dir" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        DEBIAN_FRONTEND=noninteractive bash -euo pipefail -c "$@"
}

if [[ -z "$given" ]]; then
    stage "fresh root for the build"
    fresh_root "$build_root"
    # What a newcomer's machine has: a user who may use sudo. ccache only makes repeated checks
    # faster (its files are kept outside the root).
    inside "$build_root" "apt-get update -q >/dev/null && apt-get install -y -q --no-install-recommends sudo ccache >/dev/null 2>&1
        useradd --create-home --shell /bin/bash newcomer
        echo 'newcomer ALL=(ALL) NOPASSWD: ALL' >/etc/sudoers.d/newcomer"
    mkdir -p "$build_root/home/newcomer/rse" "$build_root/home/newcomer/.ccache"
    mount --bind "$ccache_dir" "$build_root/home/newcomer/.ccache" && mounts+=("$build_root/home/newcomer/.ccache")
    # The checkout as it is, without build folders or other ignored files.
    (cd "$root" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) |
        tar -C "$build_root/home/newcomer/rse" -xf -
    inside "$build_root" "chown -R newcomer: /home/newcomer"

    stage "the README's run command (scripts/start.sh) to the editor's window, as a user with sudo"
    # The window is drawn offscreen; the editor reports when it was first painted and quits.
    status=0
    inside "$build_root" "cd /home/newcomer/rse && sudo -u newcomer -H env QT_QPA_PLATFORM=offscreen \
        RSE_STARTUP_PROBE=1 bash scripts/start.sh" >"$results/start.log" 2>&1 || status=$?
    if ((status != 0)) || ! grep -q 'shown_ns=' "$results/start.log"; then
        tail -n 40 "$results/start.log" >&2
        echo "check-release.sh: the run command did not show the editor on $release" >&2
        exit 1
    fi
    echo "the editor's window was shown $((SECONDS - stage_start)) s after the run command started"

    stage "the README's test command (scripts/test.sh) as a user with sudo"
    status=0
    inside "$build_root" "cd /home/newcomer/rse && sudo -u newcomer -H bash scripts/test.sh" \
        >"$results/test.log" 2>&1 || status=$?
    grep -E '^(Installing:|[0-9]+% tests passed|Total Test time)' "$results/test.log" || true
    if ((status != 0)); then
        tail -n 60 "$results/test.log" >&2
        echo "check-release.sh: the test command failed on $release (log: $results/test.log)" >&2
        exit 1
    fi
    if grep -E ': warning: ' "$results/start.log" "$results/test.log" >&2; then
        echo "check-release.sh: the build on $release printed warnings (log: $results/test.log)" >&2
        exit 1
    fi

    stage "package (scripts/package.sh)"
    inside "$build_root" "cd /home/newcomer/rse && sudo -u newcomer -H bash scripts/package.sh" >"$results/package.log" 2>&1 || {
        tail -n 40 "$results/package.log" >&2
        echo "check-release.sh: the package failed on $release (log: $results/package.log)" >&2
        exit 1
    }
    mapfile -t made < <(find "$build_root/home/newcomer/rse/dist" -maxdepth 1 -name "rse_*~deb${number}u*_*.deb")
    if ((${#made[@]} != 1)); then
        echo "check-release.sh: expected one rse_*~deb${number}u*.deb, found ${#made[@]}" >&2
        exit 1
    fi
    deb="$(basename "${made[0]}")"
    cp "${made[0]}" "$results/"
    sed -n '/^--- .*\.deb$/,$p' "$results/package.log"

else
    deb="$(basename "$given")"
    cp "$given" "$results/"
fi

stage "install, start and purge in a second fresh root"
stop_inside "$build_root"
unmount_all
[[ "${RSE_KEEP_ROOTS:-}" == 1 ]] || rm -rf --one-file-system "$build_root"
fresh_root "$install_root"
cp "$results/$deb" "$install_root/tmp/"
inside "$install_root" "apt-get update -q >/dev/null
    apt-get install -y -q ./tmp/$deb >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; exit 1; }
    echo \"installed: \$(dpkg-query -W -f='\${Package} \${Version}' rse)\"
    rse-cli --version
    test -f /usr/share/bash-completion/completions/rse-cli
    cd /tmp
    rse-radio-sim --link /tmp/radio --baud 0 >/tmp/sim.out 2>/tmp/sim.err &
    sim=\$!
    for _ in \$(seq 50); do grep -q READY /tmp/sim.out && break; sleep 0.1; done
    rse-cli read --port /tmp/radio -o /tmp/radio.hex --no-backup 2>/tmp/read.err
    test \"\$(stat -c %s /tmp/radio.hex)\" = 4096
    rse-cli report /tmp/radio.hex -o /tmp/report.txt && head -n 3 /tmp/report.txt
    kill \$sim; wait \$sim || true
    shown=\$(QT_QPA_PLATFORM=offscreen RSE_STARTUP_PROBE=1 timeout 60 rse 2>/tmp/rse.err) || { cat /tmp/rse.err; exit 1; }
    case \"\$shown\" in *shown_ns=*) echo \"rse: the window was shown\" ;; *) echo 'rse: no window'; cat /tmp/rse.err; exit 1 ;; esac
    apt-get purge -y -q rse >/dev/null
    apt-get autoremove --purge -y -q >/dev/null
    if dpkg-query -W rse >/dev/null 2>&1; then echo 'rse is still known to dpkg'; exit 1; fi
    left=\$(ls -d /usr/bin/rse* /usr/share/doc/rse /usr/share/applications/rse.desktop 2>/dev/null || true)
    if [[ -n \"\$left\" ]]; then echo \"left after purge: \$left\"; exit 1; fi
    echo 'purged: nothing left'"
stage ""
echo "check-release.sh $release: passed ($deb)"
