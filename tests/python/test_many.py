"""Many scenarios at once: calculate_many against orvane-batch over a generated file of every type
and fuel model, the scenario file reader and writer, batch and table as the command-line tool
gives them, bad tables, and other Python threads running during a long calculation."""

import filecmp
import math
import os
import subprocess
import tempfile
import threading
import time
import unittest

import numpy as np
import pandas

import orvane
from support import BATCH_TOOL, batch_lines, every_type_and_model, expected_lines


class ManyScenarios(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.scenarios = os.path.join(cls.folder.name, "stands.scn")
        orvane.write_scenarios(cls.scenarios, every_type_and_model())
        cls.table = orvane.read_scenarios(cls.scenarios)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def test_lines_are_orvane_batch_lines_with_error_rows_in_place(self):
        results = orvane.calculate_many(self.table)
        expected = batch_lines(self.scenarios, "--jobs", "2")
        self.assertEqual(expected_lines(results, list(self.table["SCNname"])), expected)
        errors = [e for e in results["error"] if e]
        self.assertEqual(len([e for e in errors if e.startswith("contains invalid")]), 2)
        self.assertTrue(any(e.startswith("CalculateTorviOutputs Failure[") for e in errors))
        failed = results["error"] != ""
        self.assertTrue(np.isnan(results["FTYP"][failed]).all())
        self.assertTrue(np.isnan(results["CRNI"][failed]).all())
        self.assertTrue((results["FTYPlbl"][failed] == "").all())

    def test_numbers_are_the_same_bit_for_bit_on_any_number_of_threads_and_as_one_scenario(self):
        one = orvane.calculate_many(self.table, jobs=1)
        many = orvane.calculate_many(self.table, jobs=4)
        for key in one:
            np.testing.assert_array_equal(one[key], many[key], err_msg=key)
        row = 7
        single = orvane.calculate(**{k: self.table[k][row] for k in orvane.INPUT_KEYS})
        for key in orvane.OUTPUT_KEYS[2:]:
            self.assertTrue(single[key] == one[key][row] or math.isnan(single[key]) and math.isnan(one[key][row]))
        self.assertEqual(single["High"]["FLIN"], one["High.FLIN"][row])

    def test_dataframe_in_dataframe_out_with_the_same_index(self):
        frame = pandas.DataFrame(self.table, index=np.arange(len(self.table["SIMT"])) * 10)
        frame["SIMT"] = frame["SIMT"].astype(int)  # whole numbers in an integer column
        results = orvane.calculate_many(frame)
        self.assertIsInstance(results, pandas.DataFrame)
        self.assertTrue(results.index.equals(frame.index))
        self.assertEqual(list(results.columns[:3]), ["SCNname", "FTYP", "FTYPlbl"])
        self.assertEqual(list(results.columns[-9:]), ["Low.SPRT", "Low.HPUA", "Low.FLIN", "Low.FLML",
                                                      "High.SPRT", "High.HPUA", "High.FLIN", "High.FLML", "error"])
        np.testing.assert_array_equal(results["CRNI"].to_numpy(), orvane.calculate_many(self.table)["CRNI"])

    def test_bad_tables_raise_or_give_error_rows(self):
        table = {k: v[:4].copy() for k, v in self.table.items()}
        with self.assertRaisesRegex(KeyError, "'WDIR'"):
            orvane.calculate_many({k: v for k, v in table.items() if k != "WDIR"})
        with self.assertRaisesRegex(KeyError, "'wind'"):
            orvane.calculate_many({**table, "wind": table["OWND"]})
        with self.assertRaisesRegex(ValueError, "OWND has 3 values"):
            orvane.calculate_many({**table, "OWND": table["OWND"][:3]})
        with self.assertRaisesRegex(TypeError, "MC10"):
            orvane.calculate_many({**table, "MC10": np.array(["a", "b", "c", "d"])})
        table["MC100"][1] = np.nan
        table["SIMT"][2] = 7
        table["SLOP"][3] = 1e12  # no whole number of 32 bits
        results = orvane.calculate_many(table)
        self.assertEqual(results["error"][0], "")
        self.assertRegex(results["error"][1], r"^contains invalid MC100 data: \S.* nan .*Stand-1$")
        self.assertRegex(results["error"][2], r"^(contains invalid|CalculateTorviOutputs Failure)")
        self.assertRegex(results["error"][3], r"^contains invalid SLOP data: .* 1000000000000 ")
        for jobs in (0, 1025, 1.5):
            with self.assertRaisesRegex(ValueError, "jobs"):
                orvane.calculate_many(table, jobs=jobs)
        empty = orvane.calculate_many({k: v[:0] for k, v in table.items()})
        self.assertEqual(len(empty["CRNI"]), 0)

    def test_read_and_write_keep_every_value(self):
        copy = os.path.join(self.folder.name, "copy.scn")
        orvane.write_scenarios(copy, self.table)
        self.assertTrue(filecmp.cmp(copy, self.scenarios, shallow=False))
        with self.assertRaisesRegex(orvane.FileError, "nowhere.scn"):
            orvane.read_scenarios(os.path.join(self.folder.name, "nowhere.scn"))
        bad = os.path.join(self.folder.name, "bad.scn")
        with open(bad, "w") as file:
            file.write("1 2 3\n")
        with self.assertRaisesRegex(orvane.FileError, "line number 1"):
            orvane.read_scenarios(bad)

    def test_batch_and_table_are_the_command_line_tools(self):
        folder = self.folder.name
        ours, theirs = os.path.join(folder, "ours.out"), os.path.join(folder, "theirs.out")
        summary = orvane.batch(self.scenarios, ours, jobs=2)
        tool = subprocess.run([BATCH_TOOL, self.scenarios, theirs], capture_output=True, text=True)
        self.assertTrue(filecmp.cmp(ours, theirs, shallow=False))
        self.assertEqual(summary["summary"].replace(ours, theirs) + "\n", tool.stdout)
        self.assertEqual(summary["errors"], sum(1 for e in orvane.calculate_many(self.table)["error"] if e))
        with self.assertRaisesRegex(orvane.FileError, "already exists"):
            orvane.batch(self.scenarios, ours)

        frame = orvane.table(self.scenarios, row="OWND", range=(0, 20, 5), page=("SLOP", 30), output="CRNI")
        csv = os.path.join(folder, "table.csv")
        subprocess.run([BATCH_TOOL, "--table", "--row", "OWND", "--range", "0:20:5", "--page", "SLOP=30",
                        "--output", "CRNI", self.scenarios, csv], check=True, capture_output=True)
        with open(csv, newline="") as file:
            lines = file.read().split("\r\n")
        rows = [line.split(",") for line in lines if line[:1].isdigit()][:len(frame)]
        self.assertEqual([float(r[0]) for r in rows], list(frame.index))
        for r, (_, values) in zip(rows, frame.iterrows()):
            for text, value in zip(r[1:5], values):
                self.assertTrue(float(text) == value if text not in ("", "N/A") else math.isnan(value))
        self.assertEqual(frame.attrs["output"], "CRNI")
        with self.assertRaisesRegex(orvane.InputError, "Maximum"):
            orvane.table(self.scenarios, row="OWND", range=(0, 70, 2), output="CRNI")

    def test_other_threads_run_while_many_scenarios_are_calculated(self):
        table = {k: np.resize(v, 150_000) for k, v in self.table.items() if k != "SCNname"}
        call = {}

        def calculate():
            call["start"] = time.perf_counter()
            orvane.calculate_many(table, jobs=1)
            call["end"] = time.perf_counter()

        worker = threading.Thread(target=calculate)
        ticks = []
        worker.start()
        while worker.is_alive():
            ticks.append(time.perf_counter())
        worker.join()
        # Holding the lock would stop this thread for the whole calculation: its longest pause
        # would be about as long as the call.
        during = [t for t in ticks if call["start"] <= t <= call["end"]]
        longest_pause = max(np.diff([call["start"], *during, call["end"]]))
        self.assertLess(longest_pause, (call["end"] - call["start"]) / 4)


if __name__ == "__main__":
    unittest.main()
