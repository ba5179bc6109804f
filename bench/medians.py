"""Prints the median wall and CPU time of each command of a hyperfine JSON export, then the
ratios of the pairs given as LABEL=SLOWER/FASTER (command names), wall and CPU."""
import json
import statistics
import sys

results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
median = {name: statistics.median(r["times"]) for name, r in results.items()}
cpu = {name: statistics.median([u + s for u, s in zip(r["user"], r["system"])]) if "user" in r and isinstance(r["user"], list)
       else r["user"] + r["system"] for name, r in results.items()}
print("\n%-28s %10s %10s" % ("median of the runs", "wall ms", "cpu ms"))
for name in median:
    print("%-28s %10.2f %10.2f" % (name, median[name] * 1000, cpu[name] * 1000))
print()
for pair in sys.argv[2:]:
    label, commands = pair.split("=", 1)
    slower, faster = commands.split("/", 1)
    print("%-34s %6.2fx wall %6.2fx cpu" % (label, median[slower] / median[faster], cpu[slower] / cpu[faster]))
