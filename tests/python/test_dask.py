"""The partitions of a Dask DataFrame calculated in two worker processes, row for row as
orvane-batch calculates the same scenario file."""

import os
import tempfile
import unittest

import dask.dataframe as dd
import pandas
from dask.distributed import Client, LocalCluster

import orvane
import orvane.dask
from support import batch_lines, every_type_and_model, expected_lines


class DaskCluster(unittest.TestCase):
    def test_two_worker_processes_give_the_lines_of_orvane_batch(self):
        with tempfile.TemporaryDirectory() as folder:
            scenarios = os.path.join(folder, "forest.scn")
            orvane.write_scenarios(scenarios, every_type_and_model(repeat=12))  # a few thousand
            frame = pandas.DataFrame(orvane.read_scenarios(scenarios))
            with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None,
                              local_directory=folder) as cluster, Client(cluster) as client:
                partitions = dd.from_pandas(frame, npartitions=6)
                results = orvane.dask.calculate(partitions).compute()
                workers = client.run(os.getpid)
            self.assertEqual(len(set(workers.values()) - {os.getpid()}), 2)
            self.assertTrue(results.index.equals(frame.index))
            columns = {key: results[key].to_numpy() for key in results.columns}
            self.assertEqual(expected_lines(columns, list(frame["SCNname"])), batch_lines(scenarios))


if __name__ == "__main__":
    unittest.main()
