"""orvane over a Dask DataFrame: the partitions calculated in the workers' processes.

    import dask.dataframe as dd
    import orvane.dask
    results = orvane.dask.calculate(dd.read_csv("stands-*.csv")).compute()

Each partition goes through orvane.calculate_many in the process of the worker that holds it, so
every row has the numbers orvane-batch gives for it. The workers need the orvane package (and any
custom fuel model file, at the same path) installed.
"""

import orvane


def _calculate_partition(partition, fuel_models, hcrown, spread_direction, jobs):
    return orvane.calculate_many(partition, fuel_models=fuel_models, hcrown=hcrown,
                                 spread_direction=spread_direction, jobs=jobs)


def calculate(ddf, *, fuel_models=None, hcrown=orvane.DEFAULT_HCROWN, spread_direction=0, jobs=1):
    """orvane.calculate_many mapped over the partitions of a Dask DataFrame; a lazy Dask DataFrame
    of the results, one row per input row with the same index. jobs: threads per partition (1 by
    default, as Dask already runs partitions side by side)."""
    arguments = (fuel_models, hcrown, spread_direction, jobs)
    meta = _calculate_partition(ddf._meta, *arguments)
    return ddf.map_partitions(_calculate_partition, *arguments, meta=meta)
