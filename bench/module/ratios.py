#!/usr/bin/env python3
"""Ratios of the module benchmarks against their baselines from one run of module_bench.

Usage: module_bench --benchmark_out=run.json --benchmark_out_format=json
       ratios.py run.json
Each time is the least CPU time of the run's repetitions: on a shared machine the least disturbed,
and not counting the time the process waited for a core.
"""
import json
import re
import sys
from collections import defaultdict


def least_times(path):
    times = defaultdict(list)
    for run in json.load(open(path))["benchmarks"]:
        # Single repetitions, or the "min" aggregate when only aggregates were written.
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "min":
            continue
        name = re.sub(r"/repeats:\d+$", "", run["run_name"])
        scale = {"ns": 1.0, "us": 1e3, "ms": 1e6}[run["time_unit"]]
        times[name].append(run["cpu_time"] * scale)
    return {name: min(values) for name, values in times.items()}


def main(path):
    t = least_times(path)
    for instances in (1, 64):
        host = t[f"BM_HostQueries/{instances}"]
        for frames in (0, 32, 256):
            direct = t[f"BM_RenderDirect/{instances}/{frames}"]
            module = t[f"BM_RenderModule/{instances}/{frames}"]
            print(f"render {instances:2} instances {frames:3} frames: direct {direct:9.1f} ns, "
                  f"module {module:9.1f} ns, ratio {module / direct:.3f}, "
                  f"without the host's answers {(module - host) / direct:.3f}, "
                  f"fixed a block and instance {(module - direct) / instances:.1f} ns "
                  f"(module's own {(module - direct - host) / instances:.1f} ns)")
    for size in (1 << 10, 64 << 10, 1 << 20):
        copy = t[f"BM_StateMemcpy/{size}"]
        print(f"state {size:8} bytes: memcpy {copy:9.1f} ns, "
              f"save {t[f'BM_StateSave/{size}'] / copy:.2f}x, "
              f"restore {t[f'BM_StateRestore/{size}'] / copy:.2f}x")
    direct = t["BM_SetParameterDirect"]
    print(f"parameter: setParameter {direct:.1f} ns, "
          f"UpdateParameterNormalizedValue {t['BM_UpdateParameterNormalizedValue']:.1f} ns, "
          f"request answered at once {t['BM_SetParameterRoundTrip']:.1f} ns")
    for count in (10, 100, 1000):
        print(f"create and initialise, {count:4} parameters: "
              f"{t[f'BM_CreateInstance/{count}'] / 1e6:.3f} ms")


if __name__ == "__main__":
    main(sys.argv[1])
