"""Shared pieces of the orvane package tests: the built programs, generated scenario tables, and
the scenario output file's result and error lines laid out from the published file layout (a
16-character grid, fixed decimals per column, CR LF), independently of the package."""

import os
import subprocess
import tempfile

import numpy as np

import orvane

BIN_DIR = os.environ["ORVANE_BIN_DIR"]
FIXTURES = os.environ["ORVANE_TEST_FIXTURES"]
BATCH_TOOL = os.path.join(BIN_DIR, "orvane-batch")

# Decimals of the scenario output file's columns CRFB .. OWNDC.
DECIMALS = {"CRFB": 2, "SPRT": 2, "HPUA": 0, "FLIN": 0, "FIS": 1, "FLML": 2, "EMFW": 1, "TORI": 1,
            "CRNI": 1, "SURI": 1, "FLINI": 0, "FLMLI": 2, "SPRTI": 2, "ACBD": 3, "ASPRT": 2, "OWNDC": 1}


def column(text):
    return text + " " * max(16 - len(text), 1)


def fixed(value, decimals):
    if np.isnan(value):
        return "N/A"  # an output that is not reachable
    text = f"{value:.{decimals}f}"
    return text[1:] if text.startswith("-") and float(text) == 0 else text


def expected_lines(results, names):
    """The data and error lines orvane-batch writes for these calculate_many results."""
    lines = []
    for i in range(len(results["error"])):
        reason = results["error"][i]
        if reason.startswith("CalculateTorviOutputs"):
            lines.append(f"#-- Calculation Error: record #{i + 1}: {reason}")
        elif reason:
            lines.append(f"#-- Input Error: record #{i + 1} {reason}")
        else:
            text = column(str(int(results["FTYP"][i]))) + column(str(results["FTYPlbl"][i]))
            text += "".join(column(fixed(results[key][i], d)) for key, d in DECIMALS.items())
            lines.append(text + column(names[i]))
    return lines


def batch_lines(scenario_file, *options):
    """orvane-batch's lines for a scenario file, without the three header lines and the summary."""
    with tempfile.TemporaryDirectory() as folder:
        output = os.path.join(folder, "out.out")
        subprocess.run([BATCH_TOOL, *options, scenario_file, output], capture_output=True, check=False)
        with open(output, "rb") as file:
            return file.read().decode().split("\r\n")[3:-1]


def every_type_and_model(repeat=1):
    """A table of every simulation type over every standard fuel model as the low model, under
    varied moistures, winds, slopes and canopies, with rows that fail the range checks, and rows with
    a fuel model that does not exist."""
    numbers = [r["number"] for r in orvane.fuel_models().records()]
    rows = []
    for n in range(repeat):
        for i, model in enumerate(numbers):
            for simt in (1, 2, 3):
                k = i + n * 7 + simt
                rows.append({
                    "SIMT": simt, "FMlow": model, "WNDRlow": 0.1 + 0.1 * (k % 5), "ROSMlow": 1,
                    "LADMlow": 1 + 0.25 * (k % 3), "FLIMlow": 1, "FMhigh": numbers[(i * 3) % len(numbers)],
                    "WNDRhigh": 0.4, "ROSMhigh": 1.5, "LADMhigh": 1, "FLIMhigh": 0.8,
                    "MC01": 3 + k % 10, "MC10": 5 + k % 9, "MC100": 7 + k % 8, "MCLH": 30 + (k * 7) % 120,
                    "MCLW": 60 + (k * 11) % 100, "ACBD": 0.05 + 0.01 * (k % 20), "CABH": 1 + k % 12,
                    "ACFL": 0.5 + 0.1 * (k % 9), "FOMC": 80 + k % 30, "STFL": 2 + k % 7,
                    "OWND": (k * 3) % 45, "SLOP": (k * 5) % 80, "WDIR": (k * 37) % 361,
                })
    rows[5]["MC10"] = 500  # fails the range check
    rows[9]["OWND"] = 999
    rows[14]["FMlow"] = 77  # no such fuel model
    table = {key: np.array([r[key] for r in rows], dtype=float) for key in orvane.INPUT_KEYS}
    table[orvane.NAME_KEY] = np.array([f"Stand-{i}" for i in range(len(rows))], dtype=object)
    return table
