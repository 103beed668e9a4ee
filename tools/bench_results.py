#!/usr/bin/env python3
"""Turns the comparison records of a benchmark run into bench/results.json and
prints them as a table. Usage: bench_results.py RECORDS.jsonl RESULTS.json"""
import json
import sys


def main():
    records_path, results_path = sys.argv[1], sys.argv[2]
    results = {}
    try:
        with open(records_path, encoding="utf-8") as f:
            for line in f:
                line = line.strip()
                if not line:
                    continue
                r = json.loads(line)
                results[r["name"]] = {"ours": r["ours"], "peer": r["peer"],
                                      "unit": r["unit"], "ratio": r["ratio"]}
    except FileNotFoundError:
        pass
    with open(results_path, "w", encoding="utf-8") as f:
        json.dump(results, f, indent=2, sort_keys=True)
        f.write("\n")
    width = max([len(n) for n in results] + [10])
    print(f"\n{'comparison':<{width}}  {'ours':>14}  {'peer':>14}  unit        ratio")
    for name in sorted(results):
        r = results[name]
        print(f"{name:<{width}}  {r['ours']:>14.4g}  {r['peer']:>14.4g}  {r['unit']:<10}  {r['ratio']:.3f}")
    print(f"\nwritten to {results_path}")


if __name__ == "__main__":
    main()
