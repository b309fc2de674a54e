# Sourced by the scripts that start a JACK server of their own. JACK keeps its servers in a
# registry in shared memory, eight at most, each by its PID. Servers killed before they could
# leave it, their PIDs since taken by other processes, fill it until no new server starts ("Too
# many servers already active"). While no JACK server runs the registry holds nothing alive, so
# it is cleared then, before any client of ours starts.
clear_stale_jack_registry() {
  pgrep -x 'jackd|jackdbus' >/dev/null && return 0
  rm -rf /dev/shm/jack-shm-registry /dev/shm/jack-[0-9]* /dev/shm/jack_sem.* /dev/shm/jack_db-* \
    2>/dev/null || true
}
