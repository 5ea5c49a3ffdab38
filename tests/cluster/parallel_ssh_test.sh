#!/bin/bash
# GNU Parallel spreading orva-convert over two "hosts" without shared
# storage: two sshd on 127.0.0.1, each with host keys, a port and a home
# folder of its own, and a client key made for the test. Every source is
# sent over, converted there, its output returned and the remote work
# folders cleaned; the exit status counts the file that failed.
#
#   parallel_ssh_test.sh PROGRAM_FOLDER
set -u
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
PATH=$PATH:/usr/sbin:/sbin

t=$(mktemp -d /tmp/orva-parallel.XXXXXX)
stop_sshd() {
  local file pid
  for file in "$t"/sshd*.pid; do
    [ -s "$file" ] || continue
    pid=$(cat "$file")
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
  done
}
trap 'stop_sshd; rm -rf "$t"' EXIT
trap 'exit 1' INT TERM

. "$here/checks.sh"

# sshd's privilege-separation folder; a machine without systemd has none.
mkdir -p /run/sshd
ssh-keygen -q -t ed25519 -N '' -f "$t/client" || exit 1
cp "$t/client.pub" "$t/authorized_keys"
ports=($(python3 "$here/free_ports.py" 2))
{
  echo "Host *"
  echo "  IdentityFile $t/client"
  echo "  UserKnownHostsFile /dev/null"
  echo "  StrictHostKeyChecking no"
  echo "  BatchMode yes"
  echo "  LogLevel ERROR"
} >"$t/ssh_config.all"
: >"$t/ssh_config"
for h in 1 2; do
  ssh-keygen -q -t ed25519 -N '' -f "$t/host$h" || exit 1
  mkdir -p "$t/home$h"
  # Each host starts its sessions in a home folder of its own, which stands
  # for the disk of a machine of its own.
  cat >"$t/sshd$h.conf" <<CONF
ListenAddress 127.0.0.1
Port ${ports[$((h - 1))]}
HostKey $t/host$h
PidFile $t/sshd$h.pid
AuthorizedKeysFile $t/authorized_keys
StrictModes no
PasswordAuthentication no
KbdInteractiveAuthentication no
UsePAM no
PermitRootLogin prohibit-password
ForceCommand cd $t/home$h && exec /bin/sh -c "\$SSH_ORIGINAL_COMMAND"
CONF
  "$(command -v sshd)" -f "$t/sshd$h.conf" || exit 1
  printf 'Host host%s\n  HostName 127.0.0.1\n  Port %s\n' "$h" "${ports[$((h - 1))]}" >>"$t/ssh_config"
done
cat "$t/ssh_config.all" >>"$t/ssh_config"

for h in 1 2; do
  for _ in $(seq 50); do
    ssh -F "$t/ssh_config" "host$h" true 2>/dev/null && break
    sleep 0.1
  done
done

# Eight short clips; one of them no media at all.
mkdir -p "$t/work/media"
cd "$t/work" || exit 1
ffmpeg -loglevel error -f lavfi -i testsrc=size=160x120:rate=25:duration=1 -f lavfi -i sine=duration=1 \
  -c:v mpeg4 -c:a aac -shortest media/clip1.mp4 || exit 1
for i in 2 3 4 5 6 7; do cp media/clip1.mp4 "media/clip$i.mp4"; done
echo "no media" >media/clip8.mp4

# The README's recipe for hosts without shared storage: each job's output
# and report come back, the remote copies are removed.
timeout 300 parallel --ssh "ssh -F $t/ssh_config" --sshlogin 1/host1,1/host2 --joblog "$t/joblog" \
  --workdir orva-work --transferfile {} --return 'out/{/.}.mp3' --return 'report-{#}.jsonl' --cleanup \
  "$bin/orva-convert" --profile 11400 --output-dir out --report 'report-{#}.jsonl' {} ::: media/*.mp4
status=$?
check "the exit status counts one failed file ($status)" test "$status" -eq 1
returned=$(ls out/*.mp3 2>/dev/null | wc -l)
check "seven outputs came back ($returned)" test "$returned" -eq 7
for i in 1 2 3 4 5 6 7; do
  format=$(ffprobe -v error -show_entries format=format_name -of csv=p=0 "out/clip$i.mp3" 2>&1)
  check "clip$i.mp3 came back whole ($format)" test "$format" = mp3
done
hosts=$(awk 'NR > 1 { print $2 }' "$t/joblog" | sort -u | tr '\n' ' ')
check "both hosts converted ($hosts)" test "$hosts" = "host1 host2 "
summary=$("$bin/orva-convert" --summarize report-*.jsonl)
check "the merged reports say one failed" test $? -eq 1
echo "$summary"
check "the merged reports count every file" test "$(echo "$summary" | head -1)" = \
  "8 files: 7 succeeded, 1 failed, 0 skipped"
check "the failed file is named" test -n "$(echo "$summary" | grep -F "media/clip8.mp4")"
left1=$(find "$t/home1" -mindepth 1 | wc -l)
left2=$(find "$t/home2" -mindepth 1 | wc -l)
check "nothing left in the remote work folders ($left1, $left2)" test "$left1" -eq 0 -a "$left2" -eq 0

[ "$failures" -eq 0 ] || exit 1
