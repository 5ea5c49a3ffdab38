# A one-node Slurm cluster in a scratch folder: munged with a key of its
# own, slurmctld and slurmd of Debian's slurm-wlm on free loopback ports,
# no cgroups (proctrack/linuxproc, task/none). Sourced by the tests and the
# benchmark that run the job-array template on it.
#
#   slurm_start FOLDER   starts the three daemons; exports SLURM_CONF
#   slurm_stop FOLDER    stops them by the pids in their pid files

SLURM_HELPERS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The daemons live in sbin, which a plain user's PATH may lack.
PATH=$PATH:/usr/sbin:/sbin

# Stops the process named in a pid file, at last by SIGKILL.
slurm_stop_pidfile() {
  local file=$1 pid
  [ -s "$file" ] || return 0
  pid=$(cat "$file")
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null
}

slurm_stop() {
  local t=$1
  # Jobs still running are cancelled and their steps ended by slurmd before
  # it goes: a step outlives a stopped slurmd.
  if [ -n "${SLURM_CONF:-}" ] && [ -s "$t/slurmctld.pid" ]; then
    scancel --quiet --user="$(id -un)" 2>/dev/null
    for _ in $(seq 100); do
      [ -z "$(squeue --noheader 2>/dev/null)" ] && break
      sleep 0.1
    done
  fi
  slurm_stop_pidfile "$t/slurmd.pid"
  slurm_stop_pidfile "$t/slurmctld.pid"
  slurm_stop_pidfile "$t/munge/munged.pid"
}

slurm_start() {
  local t=$1 host ports
  # munged wants its socket folder open to everyone, its key folder closed.
  chmod 755 "$t"
  mkdir -p "$t/state" "$t/spool" "$t/munge" "$t/socket" "$t/log"
  chmod 700 "$t/munge"
  chmod 755 "$t/socket"
  dd if=/dev/urandom of="$t/munge/munge.key" bs=1024 count=1 2>/dev/null
  chmod 600 "$t/munge/munge.key"
  munged --key-file="$t/munge/munge.key" --socket="$t/socket/munge.socket" \
    --pid-file="$t/munge/munged.pid" --log-file="$t/munge/munged.log" --seed-file="$t/munge/seed" ||
    { echo "munged did not start:"; tail -5 "$t/munge/munged.log"; return 1; }

  host=$(hostname -s)
  ports=($(python3 "$SLURM_HELPERS/free_ports.py" 2))
  cat >"$t/slurm.conf" <<CONF
ClusterName=orvatest
SlurmctldHost=$host(127.0.0.1)
AuthType=auth/munge
AuthInfo=socket=$t/socket/munge.socket
CredType=cred/munge
SlurmUser=root
SlurmctldPort=${ports[0]}
SlurmdPort=${ports[1]}
StateSaveLocation=$t/state
SlurmdSpoolDir=$t/spool
SlurmctldPidFile=$t/slurmctld.pid
SlurmdPidFile=$t/slurmd.pid
SlurmctldLogFile=$t/log/slurmctld.log
SlurmdLogFile=$t/log/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
MpiDefault=none
SchedulerType=sched/builtin
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
ReturnToService=2
NodeName=$host NodeAddr=127.0.0.1 CPUs=$(nproc) RealMemory=1000 State=UNKNOWN
PartitionName=orvatest Nodes=$host Default=YES MaxTime=INFINITE State=UP
CONF
  export SLURM_CONF=$t/slurm.conf
  slurmctld || return 1
  slurmd || return 1
  # The node registers within a few seconds.
  for _ in $(seq 100); do
    sinfo --noheader --states=idle --format=%n 2>/dev/null | grep -qx "$host" && return 0
    sleep 0.2
  done
  echo "the node never became idle:"
  tail -5 "$t/log/slurmctld.log" "$t/log/slurmd.log"
  return 1
}
