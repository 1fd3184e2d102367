# Sourced by packaging/test-deb and packaging/test-fresh: a clean Debian root
# made with debootstrap, kept as a base and copied fresh for every run, and the
# mounts a run needs inside it.
#
# The sourcing script defines step MESSAGE and fail MESSAGE, and sets root to
# the run's copy before it calls in_root.

# Prints the mirror this machine's apt takes SUITE's main component from: the
# URI of the first "deb" entry, in the order apt reads its sources, that lists
# SUITE (not SUITE-updates or SUITE-security) and the main component. Reads
# /etc/apt/sources.list and sources.list.d/*.list (one-line format) and
# sources.list.d/*.sources (deb822). DISHWRIGHT_MIRROR, when set, wins.
debian_mirror() {
  local suite=$1 f uri
  if [ -n "${DISHWRIGHT_MIRROR:-}" ]; then
    echo "$DISHWRIGHT_MIRROR"
    return 0
  fi
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*; do
    [ -f "$f" ] || continue
    case $f in
      *.list) uri=$(debian_mirror_from_list "$suite" <"$f") ;;
      *.sources) uri=$(debian_mirror_from_deb822 "$suite" <"$f") ;;
      *) continue ;; # apt reads no other files there
    esac
    if [ -n "$uri" ]; then
      echo "$uri"
      return 0
    fi
  done
  return 1
}

# "deb [options] URI SUITE COMPONENT..." lines; # starts a comment.
debian_mirror_from_list() {
  awk -v suite="$1" '
    { sub(/#.*/, "") }
    $1 != "deb" { next }
    {
      i = 2
      if ($i ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
      uri = $i; s = $(i + 1)
      if (s != suite || uri !~ /^(https?|ftp|file):/) next
      for (j = i + 2; j <= NF; j++)
        if ($j == "main") { print uri; exit }
    }'
}

# Stanzas of "Field: value" lines separated by blank lines; a line starting
# with a blank continues the field before it.
debian_mirror_from_deb822() {
  awk -v suite="$1" '
    function has(list, word,   n, w, k) {
      n = split(list, w, /[ \t]+/)
      for (k = 1; k <= n; k++) if (w[k] == word) return 1
      return 0
    }
    function stanza_end(   n, u, k) {
      if (has(f["types"], "deb") && tolower(f["enabled"]) != "no" &&
          has(f["suites"], suite) && has(f["components"], "main")) {
        n = split(f["uris"], u, /[ \t]+/)
        for (k = 1; k <= n; k++)
          if (u[k] ~ /^(https?|ftp|file):/) { print u[k]; found = 1; exit }
      }
      delete f; key = ""
    }
    /^#/ { next }
    /^[ \t]*$/ { stanza_end(); next }
    /^[ \t]/ { if (key != "") f[key] = f[key] " " $0; next }
    {
      c = index($0, ":")
      if (c == 0) next
      key = tolower(substr($0, 1, c - 1))
      f[key] = substr($0, c + 1)
      gsub(/^[ \t]+|[ \t]+$/, "", f[key])
    }
    END { if (!found) stanza_end() }'
}

# Makes the minimal SUITE root in BASE with debootstrap, unless an earlier run
# finished one there. The marker is written only after debootstrap succeeded,
# so an interrupted run starts over.
debian_base_root() {
  local base=$1 suite=$2 mirror start
  if [ -e "$base/.dishwright-base-ready" ]; then
    step "reusing the base root $base"
    return 0
  fi
  mirror=$(debian_mirror "$suite") \
    || fail "no mirror for $suite main in /etc/apt/sources.list or /etc/apt/sources.list.d/; set DISHWRIGHT_MIRROR to a Debian mirror URL"
  if ! command -v debootstrap >/dev/null 2>&1; then
    step "installing debootstrap"
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
  fi
  rm -rf "$base"
  step "debootstrap $suite into $base from $mirror (takes a while)"
  start=$(date +%s)
  debootstrap --variant=minbase "$suite" "$base" "$mirror"
  step "debootstrap took $(( $(date +%s) - start )) s"
  touch "$base/.dishwright-base-ready"
}

# Replaces RUN with a copy of BASE, mounts /proc, /dev, /dev/pts and a
# /dev/shm of its own in it, and gives it the host's name servers. Services
# that packages would start are kept from starting (policy-rc.d), so nothing
# keeps running in the root after the run.
debian_run_root() {
  local base=$1 run=$2
  if [ -e "$run" ]; then
    debian_unmount "$run" || fail "something is still mounted under $run"
    rm -rf "$run"
  fi
  step "copying the base root to $run"
  cp -a "$base" "$run"
  mount -t proc proc "$run/proc"
  [ -c "$run/dev/null" ] || mount --bind /dev "$run/dev"
  mkdir -p "$run/dev/pts" "$run/dev/shm"
  mount -t devpts -o newinstance,ptmxmode=0666 devpts "$run/dev/pts"
  mount -t tmpfs -o mode=1777,nosuid,nodev shm "$run/dev/shm"
  cp -L /etc/resolv.conf "$run/etc/resolv.conf"
  printf '#!/bin/sh\nexit 101\n' >"$run/usr/sbin/policy-rc.d"
  chmod 755 "$run/usr/sbin/policy-rc.d"
}

# Ends the processes still running inside RUN (started by this run), then
# unmounts what debian_run_root mounted; fails if something stays mounted.
debian_unmount() {
  local run=$1 m p pids=()
  for p in /proc/[0-9]*; do
    if [ "$(readlink "$p/root" 2>/dev/null)" = "$run" ]; then pids+=("${p#/proc/}"); fi
  done
  if [ ${#pids[@]} -gt 0 ]; then
    kill "${pids[@]}" 2>/dev/null || true
    sleep 1
    kill -9 "${pids[@]}" 2>/dev/null || true
  fi
  for m in "$run/dev/shm" "$run/proc" "$run/dev/pts" "$run/dev"; do
    if mountpoint -q "$m"; then umount "$m" || umount -l "$m"; fi
  done
  ! findmnt -rn -o TARGET | grep -q "^$run/"
}

# A command inside the run's root, with a plain environment: no display, no
# settings of the calling shell.
in_root() {
  env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin HOME=/root \
      LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
      chroot "$root" "$@"
}
