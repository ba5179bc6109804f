"""Prints the median wall and CPU time of each command of one or more hyperfine JSON exports,
then the ratios of the pairs given as LABEL=SLOWER/FASTER (command names), wall and CPU. Where
hyperfine gives the CPU time only as each export's mean, the CPU time is the median of those
means."""
import json
import statistics
import sys

# Several exports (rounds of the same commands) are taken as one: their runs are pooled.
exports = [arg for arg in sys.argv[1:] if "=" not in arg]
results = {}
for export in exports:
    for r in json.load(open(export))["results"]:
        pooled = results.setdefault(r["command"], {"times": [], "user": [], "system": []})
        for key in ("times", "user", "system"):
            pooled[key] += r[key] if isinstance(r[key], list) else [r[key]]
median = {name: statistics.median(r["times"]) for name, r in results.items()}
cpu = {name: statistics.median([u + s for u, s in zip(r["user"], r["system"])]) if "user" in r and isinstance(r["user"], list)
       else r["user"] + r["system"] for name, r in results.items()}
print("\n%-28s %10s %10s" % ("median of the runs", "wall ms", "cpu ms"))
for name in median:
    print("%-28s %10.2f %10.2f" % (name, median[name] * 1000, cpu[name] * 1000))
print()
for pair in [arg for arg in sys.argv[1:] if "=" in arg]:
    label, commands = pair.split("=", 1)
    slower, faster = commands.split("/", 1)
    print("%-34s %6.2fx wall %6.2fx cpu" % (label, median[slower] / median[faster], cpu[slower] / cpu[faster]))
