#!/usr/bin/python3
"""orvane.calculate_many over a million scenarios from NumPy arrays beside orvane-batch on the same
records, in one run: records per second and peak memory of each.

    PYTHONPATH=build/python /usr/bin/python3 bench/python/bench_calculate_many.py [--records N] [--jobs N]

calculate_many runs in a process of its own, so that its peak memory is measured apart from the
scenario file written for orvane-batch. Its memory beyond the input and result arrays is the peak
resident size less the size before the call (interpreter, package and input arrays) less the
result arrays.
"""

import argparse
import json
import os
import resource
import subprocess
import sys
import tempfile
import time

import numpy as np

import orvane

BATCH_TOOL = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(orvane.__file__)))),
                          "bin", "orvane-batch")


def scenarios(records):
    """Valid scenarios of every type over the standard fuel models, drawn with a fixed seed."""
    rng = np.random.default_rng(2026)
    models = np.array([r["number"] for r in orvane.fuel_models().records() if r["number"] not in range(91, 100)])

    def uniform(low, high):
        return np.round(rng.uniform(low, high, records), 2)

    return {
        "SIMT": rng.integers(1, 4, records).astype(float), "FMlow": rng.choice(models, records).astype(float),
        "WNDRlow": uniform(0.1, 0.6), "ROSMlow": np.ones(records), "LADMlow": np.ones(records),
        "FLIMlow": np.ones(records), "FMhigh": rng.choice(models, records).astype(float),
        "WNDRhigh": uniform(0.2, 0.6), "ROSMhigh": np.ones(records), "LADMhigh": np.ones(records),
        "FLIMhigh": np.ones(records), "MC01": rng.integers(2, 15, records).astype(float),
        "MC10": rng.integers(3, 20, records).astype(float), "MC100": rng.integers(5, 25, records).astype(float),
        "MCLH": rng.integers(30, 200, records).astype(float), "MCLW": rng.integers(60, 200, records).astype(float),
        "ACBD": uniform(0.02, 0.3), "CABH": uniform(1, 20), "ACFL": uniform(0.3, 3), "FOMC": uniform(70, 120),
        "STFL": uniform(1, 10), "OWND": uniform(0, 40), "SLOP": rng.integers(0, 80, records).astype(float),
        "WDIR": rng.integers(0, 360, records).astype(float),
    }


def cpu_seconds(who):
    usage = resource.getrusage(who)
    return usage.ru_utime + usage.ru_stime


def peak_resident_bytes():
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) * 1024
    return 0


def resident_bytes():
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) * 1024
    return 0


def measure_calculate_many(records, jobs):
    table = scenarios(records)
    input_bytes = sum(column.nbytes for column in table.values())
    before = resident_bytes()
    start, cpu = time.perf_counter(), cpu_seconds(resource.RUSAGE_SELF)
    result = orvane.calculate_many(table, jobs=jobs)
    seconds, cpu = time.perf_counter() - start, cpu_seconds(resource.RUSAGE_SELF) - cpu
    result_bytes = sum(column.nbytes for column in result.values())
    errors = int(sum(1 for e in result["error"] if e))
    print(json.dumps({"seconds": seconds, "cpu": cpu, "peak": peak_resident_bytes(), "before": before,
                      "input": input_bytes, "result": result_bytes, "errors": errors}))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--records", type=int, default=1_000_000)
    parser.add_argument("--jobs", type=int, default=len(os.sched_getaffinity(0)))
    parser.add_argument("--child", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    if args.child:
        return measure_calculate_many(args.records, args.jobs)

    with tempfile.TemporaryDirectory() as folder:
        scenario_file = os.path.join(folder, "stands.scn")
        orvane.write_scenarios(scenario_file, scenarios(args.records))
        # Through GNU time: the peak the kernel reports for a child counts the pages of the process
        # it was started from, which should be the small time program rather than this interpreter.
        peak_file = os.path.join(folder, "peak")
        command = ["/usr/bin/time", "-f", "%M %U %S", "-o", peak_file, BATCH_TOOL, "--jobs", str(args.jobs),
                   scenario_file, os.path.join(folder, "stands.out")]
        start = time.perf_counter()
        subprocess.run(command, check=False, stdout=subprocess.DEVNULL)
        batch_seconds = time.perf_counter() - start
        with open(peak_file) as peak:
            kilobytes, user, system = peak.read().split()[-3:]
        batch_peak, batch_cpu = int(kilobytes) * 1024, float(user) + float(system)
    child = subprocess.run([sys.executable, __file__, "--child", "--records", str(args.records), "--jobs",
                            str(args.jobs)], check=True, capture_output=True, text=True)
    many = json.loads(child.stdout)

    mb = 1 << 20
    extra = many["peak"] - many["before"] - many["result"]
    print(f"{args.records} scenarios, {args.jobs} jobs")
    # On a shared machine the elapsed time follows the other processes' load; the processor time
    # per record does not, and tells the two apart fairly.
    print(f"orvane-batch --jobs {args.jobs}: {args.records / batch_seconds:,.0f} records/s, "
          f"{args.records / batch_cpu:,.0f} records per processor second, peak memory {batch_peak / mb:.1f} MB")
    print(f"calculate_many jobs={args.jobs}: {args.records / many['seconds']:,.0f} records/s "
          f"({batch_seconds / many['seconds']:.0%} of orvane-batch's throughput), "
          f"{args.records / many['cpu']:,.0f} records per processor second "
          f"({batch_cpu / many['cpu']:.0%} of orvane-batch's), "
          f"peak memory {many['peak'] / mb:.1f} MB: input arrays {many['input'] / mb:.1f} MB, "
          f"results {many['result'] / mb:.1f} MB, beyond them {extra / mb:.1f} MB "
          f"({extra / many['input']:.0%} of the input); {many['errors']} error rows")


if __name__ == "__main__":
    main()
