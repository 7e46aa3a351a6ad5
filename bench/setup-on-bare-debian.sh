#!/usr/bin/env bash
# How long the README's two commands take on a bare Debian 12: a minimal bookworm system made
# with debootstrap, holding nothing but this machine's own certificate authorities (a network
# that inspects TLS needs them), a new clone of HEAD, and the command run in it as root, timed
# from its start to its end. For start.sh the program quits once its first window is drawn.
# Run it on an otherwise idle machine, as root.
# Usage: bench/setup-on-bare-debian.sh start|check [FOLDER]   (FOLDER is kept for a look after)
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
start) command='ORDBOK_EXIT_WHEN_SHOWN=1 ./start.sh' ;;
check) command='./check.sh' ;;
*) echo "usage: $0 start|check [FOLDER]" >&2; exit 2 ;;
esac
root=${2:-$(mktemp -d /var/tmp/bare-debian.XXXXXX)}
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap

unmount() {
    for point in dev sys proc; do
        if mountpoint -q "$root/$point"; then umount -R -l "$root/$point" || true; fi
    done
}
trap unmount EXIT

echo "== A bare bookworm in $root"
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
cat >"$root/etc/apt/sources.list" <<'EOF'
deb http://deb.debian.org/debian bookworm main
deb http://deb.debian.org/debian bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/usr/local/share/ca-certificates"
cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/" 2>/dev/null || true
git clone -q . "$root/root/ordbok"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/sys"
mount --make-rslave "$root/dev"

echo "== $command, in a new clone of $(git rev-parse --short HEAD)"
start=$(date +%s)
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    bash -c "cd /root/ordbok && $command" >"$root/setup.log" 2>&1 \
    || { echo "failed: see $root/setup.log" >&2; exit 1; }
echo "== $1: $(($(date +%s) - start)) s from the command to its end (log: $root/setup.log)"
