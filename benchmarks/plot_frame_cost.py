#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""Plots the median cost of one frame against the indicator's size, for the
spinner and the two indicators it is compared with, from the JSON output of
  benchmarks --benchmark_repetitions=5 --benchmark_out=results.json

Usage: plot_frame_cost.py results.json out.png
"""
import json
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

LABELS = {
    "gyrelle": "Gyrelle",
    "progress_bar": "QProgressBar, busy (Fusion)",
    "movie_label": "QLabel + QMovie (GIF)",
}


def medians(results):
    """{indicator: [(size, microseconds), ...]} from the frame benchmarks' medians."""
    series = {}
    for run in results["benchmarks"]:
        if run.get("aggregate_name") != "median" or not run["run_name"].startswith("frame/"):
            continue
        _, indicator, size = run["run_name"].split("/")
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[run["time_unit"]]
        series.setdefault(indicator, []).append((int(size), run["cpu_time"] * scale))
    return {name: sorted(points) for name, points in series.items()}


def main(source, target):
    with open(source) as f:
        series = medians(json.load(f))
    fig, ax = plt.subplots(figsize=(6.4, 4.2), dpi=100)
    for name, points in series.items():
        sizes, costs = zip(*points)
        ax.plot(sizes, costs, marker="o", label=LABELS.get(name, name))
    ax.set_xlabel("size (px, square)")
    ax.set_ylabel("CPU time per frame (µs, median of 5)")
    ax.set_title("Cost of one frame of a busy indicator")
    ax.set_xticks([20, 64, 200])
    ax.grid(True, alpha=0.3)
    ax.legend()
    fig.tight_layout()
    fig.savefig(target)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
