#!/usr/bin/env bash
# Start-up of the installed program on a private X server: time from the process start to the
# main window on the screen, less the 2,000 ms logo wait the program must keep. Five runs.
# Usage: bench/startup.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build-bench}
root="$(cd "$(dirname "$0")/.." && pwd)"
exec /usr/bin/python3 - "$root" "$build" <<'PY'
import subprocess, sys, time
sys.path.insert(0, sys.argv[1] + "/tests/e2e")
import vorel_e2e as e

times = []
for run in range(5):
    s = e.Session(sys.argv[2])
    try:
        begin = time.monotonic()
        s.start()
        while not s.windows("Vorel"):
            time.sleep(0.005)
        times.append((time.monotonic() - begin) * 1000 - 2000)
        s.key(s.windows("Vorel")[0][0], "alt+q")
        s.wait_exit()
    finally:
        s.close()
times.sort()
print("start-up beyond the logo wait: median %.0f ms (runs: %s)"
      % (times[len(times) // 2], ", ".join("%.0f" % t for t in times)))
PY
