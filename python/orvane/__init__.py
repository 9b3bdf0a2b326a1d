"""Orvane's fire behaviour and crown fire hazard core from Python.

The same engine, range checks, files, batch and output table as the window and ``orvane-batch``,
with the same numbers::

    import orvane
    out = orvane.calculate(SIMT=2, FMlow=10, ..., WDIR=0)
    out["CRNI"]                           # crowning index, mi/hr

    results = orvane.calculate_many(stands)   # dict of NumPy arrays or pandas DataFrame

Inputs are named by the keys of the scenario input file and given in its native units; outputs by
the keys of the scenario output file, in its units. ``help(orvane.calculate)`` lists both.
A value that does not exist for a scenario (an index of a state the fire cannot reach) is nan.
"""

import os as _os

import numpy as _np

from . import _orvane

__all__ = [
    "calculate", "calculate_many", "read_scenarios", "write_scenarios", "batch", "table",
    "fuel_models", "load_fuel_models", "FuelModels", "Error", "InputError", "CalculationError",
    "FileError", "INPUT_KEYS", "OUTPUT_KEYS", "NAME_KEY",
]

Error = _orvane.Error
Error.__doc__ = "Every failure orvane reports."
InputError = _orvane.InputError
InputError.__doc__ = ("A scenario that fails the batch range checks or holds no number, or a value a "
                      "table refuses; the message is the batch error line's reason.")
FileError = _orvane.FileError
FileError.__doc__ = "A file that cannot be read or written; the message names it."


class CalculationError(Error):
    """A scenario the engine refuses; the message is the batch error line's reason."""


_FIELDS = _orvane.fields()
INPUT_KEYS = tuple(_FIELDS["inputs"])
OUTPUT_KEYS = tuple(key for key, _unit, _decimals in _FIELDS["outputs"])
NAME_KEY = _FIELDS["name_key"]
_SIDE_KEYS = ("SPRT", "HPUA", "FLIN", "FLML")
_HERE = _os.path.dirname(_os.path.abspath(__file__))
_MODEL_PARAMETERS = _os.path.join(_HERE, "ModelParameters.f")

DEFAULT_HCROWN = 18000.0
"""The crown heat content the batch uses when nobody says, kJ/kg."""

_INPUT_TEXT = {
    "SIMT": "simulation type: 1 shrub, 2 conifer, 3 surface",
    "FMlow": "number of the LOW fuel model",
    "WNDRlow": "wind reduction factor, low fuel model",
    "ROSMlow": "spread rate multiplier, low fuel model",
    "LADMlow": "surface fuel load and depth multiplier, low fuel model",
    "FLIMlow": "fireline intensity multiplier, low fuel model",
    "FMhigh": "number of the HIGH fuel model (conifer: always 10)",
    "WNDRhigh": "wind reduction factor, high fuel model (conifer: always 0.4)",
    "ROSMhigh": "spread rate multiplier, high fuel model",
    "LADMhigh": "surface fuel load and depth multiplier, high fuel model",
    "FLIMhigh": "fireline intensity multiplier, high fuel model",
    "MC01": "dead 1-hr timelag moisture content (also dead herbaceous), rounded to whole",
    "MC10": "dead 10-hr timelag moisture content, rounded to whole",
    "MC100": "dead 100-hr timelag moisture content, rounded to whole",
    "MCLH": "live herbaceous moisture content, rounded to whole",
    "MCLW": "live woody moisture content, rounded to whole",
    "ACBD": "available canopy bulk density",
    "CABH": "canopy base height",
    "ACFL": "available canopy fuel load",
    "FOMC": "foliar moisture content",
    "STFL": "shrub transition flame length",
    "OWND": "open (20-ft) windspeed",
    "SLOP": "slope steepness, rounded to whole",
    "WDIR": "wind direction clockwise from uphill, rounded to whole",
}
_OUTPUT_TEXT = {
    "FTYP": "type of fire: 1 surface, 2 passive, 3 conditional, 4 active, 0 no spread",
    "FTYPlbl": "type of fire as a word",
    "CRFB": "crown fraction burned",
    "SPRT": "spread rate",
    "HPUA": "heat per unit area",
    "FLIN": "fireline intensity",
    "FIS": "fire intensity scale",
    "FLML": "flame length",
    "EMFW": "effective mid-flame windspeed",
    "TORI": "torching index: the 20-ft windspeed at which some crowning is possible",
    "CRNI": "crowning index: the 20-ft windspeed at which active crown fire is possible",
    "SURI": "surfacing index: the 20-ft windspeed at which an active crown fire would drop",
    "FLINI": "critical fireline intensity for crown fire initiation",
    "FLMLI": "critical flame length for crown fire initiation",
    "SPRTI": "critical spread rate for crown fire initiation",
    "ACBD": "critical available canopy bulk density for active crown fire",
    "ASPRT": "critical spread rate for active crown fire",
    "OWNDC": "critical open windspeed for active crown fire cessation",
}


def _input_reference():
    lines = []
    for key in INPUT_KEYS:
        limits = _FIELDS["limits"].get(key)
        unit = f" [{limits[2]}], checked {limits[0]:g} to {limits[1]:g}" if limits else ""
        lines.append(f"    {key:<9} {_INPUT_TEXT[key]}{unit}")
    return "\n".join(lines)


def _output_reference():
    lines = []
    for key, unit, decimals in _FIELDS["outputs"]:
        shown = f" [{unit}]" if unit and unit != "nominal" else ""
        lines.append(f"    {key:<9} {_OUTPUT_TEXT[key]}{shown}")
    units = {key: unit for key, unit, _ in _FIELDS["outputs"]}
    for key in _SIDE_KEYS:
        lines.append(f"    Low/High {key:<5} the fuel model's own {_OUTPUT_TEXT[key]} [{units[key]}]")
    return "\n".join(lines)


class FuelModels:
    """A collection of fuel models: the standard ones, then those of custom fuel model files.

    Made by :func:`fuel_models` or :func:`load_fuel_models` and never changed afterwards; pass it
    as ``fuel_models=`` to calculate, calculate_many, batch and table. ``len()`` counts the models,
    ``records()`` lists them as dicts (loads in lb/ft², surface-area-to-volume ratios in 1/ft,
    depth in ft, dead fuel moisture of extinction as a fraction, heat contents in BTU/lb),
    ``files`` names the files they came from.
    """

    def __init__(self, native):
        self._native = native

    @property
    def files(self):
        return list(self._native.files)

    def records(self):
        return self._native.records()

    def __len__(self):
        return len(self._native)

    def __reduce__(self):
        # Sent to other processes (Dask workers) as the custom files to load there again.
        return (load_fuel_models, tuple(self.files[1:]))

    def __repr__(self):
        return f"<orvane.FuelModels: {len(self)} models from {', '.join(self.files)}>"


_standard = None


def fuel_models():
    """The standard fuel models as a :class:`FuelModels` collection (``.records()`` for the records)."""
    global _standard
    if _standard is None:  # read once: it never changes
        _standard = FuelModels(_orvane.load_fuel_models(_MODEL_PARAMETERS, []))
    return _standard


def load_fuel_models(*paths):
    """The standard fuel models followed by the custom models of each fuel model file (".fmd").

    Raises FileError naming the file and line that cannot be read.
    """
    return FuelModels(_orvane.load_fuel_models(_MODEL_PARAMETERS, [_os.fspath(p) for p in paths]))


def _native_models(models):
    if models is None:
        return fuel_models()._native
    if not isinstance(models, FuelModels):
        raise TypeError("fuel_models needs a collection from orvane.fuel_models() or orvane.load_fuel_models()")
    return models._native


_MAX_JOBS = 1024  # as orvane-batch --jobs


def _jobs(jobs):
    """The threads asked for, checked as orvane-batch checks --jobs; None: every processor this
    process may use."""
    if jobs is None:
        return _FIELDS["default_jobs"]
    if jobs != int(jobs) or not 1 <= jobs <= _MAX_JOBS:
        raise ValueError(f"jobs needs a whole number of threads from 1 to {_MAX_JOBS}")
    return int(jobs)


def _is_dataframe(table):
    return type(table).__name__ == "DataFrame" and hasattr(table, "columns")


def _columns(table):
    """The 24 input columns as float64 arrays and the names, checked: a missing or unknown key,
    columns of different lengths or a column that holds no numbers raise, naming the key."""
    keys = [str(k) for k in (table.columns if _is_dataframe(table) else table.keys())]
    unknown = [k for k in keys if k not in INPUT_KEYS and k != NAME_KEY]
    if unknown:
        raise KeyError(f"unknown input key {unknown[0]!r}; the inputs are {', '.join(INPUT_KEYS)}")
    missing = [k for k in INPUT_KEYS if k not in keys]
    if missing:
        raise KeyError(f"missing input key {missing[0]!r}")
    columns = []
    length = None
    for key in INPUT_KEYS:
        raw = table[key].to_numpy() if _is_dataframe(table) else table[key]
        try:
            column = _np.ascontiguousarray(raw, dtype=_np.float64)
        except (TypeError, ValueError):
            raise TypeError(f"input {key} holds values that are not numbers") from None
        if column.ndim != 1:
            raise ValueError(f"input {key} needs one dimension, not {column.ndim}")
        if length is None:
            length = len(column)
        elif len(column) != length:
            raise ValueError(f"input {key} has {len(column)} values where {INPUT_KEYS[0]} has {length}")
        columns.append(column)
    names = None
    if NAME_KEY in keys:
        raw = table[NAME_KEY]
        names = ["" if n is None else str(n) for n in (raw.tolist() if hasattr(raw, "tolist") else raw)]
        if len(names) != length:
            raise ValueError(f"{NAME_KEY} has {len(names)} values where {INPUT_KEYS[0]} has {length}")
    return columns, names


def calculate_many(table, *, fuel_models=None, hcrown=DEFAULT_HCROWN, spread_direction=0, jobs=None):
    """Calculates every scenario (row) of a table, as orvane-batch calculates a scenario file.

    table: a dict of equal-length NumPy arrays (or sequences) or a pandas DataFrame with a column
    for every input key of the scenario input file (see help(orvane.calculate)) and optionally the
    scenario name (SCNname).

    Returns the same kind of object (dict of arrays or DataFrame) with one row per scenario: the
    output columns of the scenario output file, in its units, with the low and high fuel models'
    own results as "Low.SPRT" ... "High.FLML", the name when given, and "error". A row that the
    batch would write as an error line has nan outputs (FTYP too, FTYPlbl "") and the error line's
    reason in "error" ("contains invalid MC10 data: ...", "CalculateTorviOutputs Failure[n] ...");
    "error" is "" for every row that calculated. An output that does not exist for a scenario
    (not reachable) is nan. FTYP is a float64 column, so that a row without a result can hold nan.

    The numbers are the engine's bit for bit; written with the scenario output file's decimals
    they are orvane-batch's. Calculates on ``jobs`` threads (default: every processor this
    process may use) without holding the interpreter lock, so other Python threads run meanwhile.
    hcrown: crown fuel heat content, 5000 to 40000 kJ/kg; spread_direction: whole degrees -180 to 180 from the
    direction of maximum spread, as orvane-batch's --hcrown and --spread-direction.
    """
    columns, names = _columns(table)
    out = _orvane.calculate_many(_native_models(fuel_models), columns, names or [], float(hcrown),
                                 _whole_degrees(spread_direction), _jobs(jobs))
    out.pop("_status")
    if names is not None:
        out = {NAME_KEY: _np.array(names, dtype=object), **out}
    if _is_dataframe(table):
        import pandas
        return pandas.DataFrame(out, index=table.index)
    return out


def _whole_degrees(value):
    if value != int(value):
        raise ValueError("spread_direction needs whole degrees from -180 to 180")
    return int(value)


def calculate(*, fuel_models=None, hcrown=DEFAULT_HCROWN, spread_direction=0, **inputs):
    """Calculates one scenario.

    Keyword arguments: every input key of the scenario input file, in its native unit (no
    defaults), and optionally hcrown (crown fuel heat content, 5000 to 40000 kJ/kg, default 18000),
    spread_direction (whole degrees -180 to 180, default 0) and fuel_models.

    Returns a dict of every output by its scenario output file key, in that file's units, plus
    "Low" and "High": dicts of the low and high fuel models' own SPRT, HPUA, FLIN and FLML. An
    output that does not exist for the scenario (not reachable) is nan.

    Raises KeyError for a missing or unknown key, InputError for a value that is no number or fails
    the batch range checks, CalculationError for a scenario the engine refuses; their messages are
    the batch error line's reason.
    """
    table = {key: [value] for key, value in inputs.items()}
    for key in INPUT_KEYS:
        if key not in table:
            raise KeyError(f"missing input key {key!r}")
    for key in table:
        if key not in INPUT_KEYS:
            raise KeyError(f"unknown input key {key!r}; the inputs are {', '.join(INPUT_KEYS)}")
    columns, _ = _columns(table)
    out = _orvane.calculate_many(_native_models(fuel_models), columns, [], float(hcrown),
                                 _whole_degrees(spread_direction), 1)
    status = int(out.pop("_status")[0])
    error = out.pop("error")[0]
    if status == 1:
        raise InputError(error)
    if status == 2:
        raise CalculationError(error)
    result = {}
    for key in OUTPUT_KEYS:
        value = out[key][0]
        result[key] = int(value) if key == "FTYP" else str(value) if key == "FTYPlbl" else float(value)
    for side in ("Low", "High"):
        result[side] = {key: float(out[f"{side}.{key}"][0]) for key in _SIDE_KEYS}
    return result


def read_scenarios(path):
    """The scenarios of a scenario input file as a dict of arrays: every input key (float64, in
    native units) and SCNname (the names). Raises FileError naming the file and the line that
    cannot be read."""
    out = _orvane.read_scenarios(_os.fspath(path))
    out[NAME_KEY] = _np.array(out[NAME_KEY], dtype=object)
    return out


def write_scenarios(path, table, names=None):
    """Writes the scenarios of a table (dict of arrays or DataFrame with every input key) as a
    scenario input file, safely: the file is replaced only when written completely. names: one
    scenario name per row (default: the table's SCNname column, or "")."""
    columns, table_names = _columns(table)
    count = len(columns[0])
    if names is None:
        names = table_names if table_names is not None else [""] * count
    names = [str(n) for n in names]
    if len(names) != count:
        raise ValueError(f"names has {len(names)} entries for {count} scenarios")
    _orvane.write_scenarios(_os.fspath(path), columns, names)


def batch(input, output=None, *, jobs=None, force=False, fuel_models=None, hcrown=DEFAULT_HCROWN,
          spread_direction=0):
    """Batch processing of a scenario input file into a scenario output file, as orvane-batch.

    output: by default the input's name with ".scn" replaced by ".out". An existing output is
    refused unless force=True. Returns {"datasets", "errors", "summary"}: the result lines, the
    error lines and the summary orvane-batch prints. Raises FileError when the run fails (the
    previous output file stays as it was).
    """
    input = _os.path.abspath(_os.fspath(input))
    output = _orvane.proposed_output_name(input) if output is None else _os.path.abspath(_os.fspath(output))
    if not force and _os.path.isfile(output):
        raise FileError(f"The output file {output} already exists; use force=True to replace it.")
    result = _orvane.batch(_native_models(fuel_models), input, output, _jobs(jobs), float(hcrown),
                           _whole_degrees(spread_direction))
    result["summary"] = result["summary"].replace("\r\n", "\n")  # as the tool prints it
    return result


def table(input, *, row, range, output, page=None, fuel_models=None, hcrown=DEFAULT_HCROWN,
          spread_direction=0):
    """The output table of the first four scenarios of a scenario input file, as
    ``orvane-batch --table`` computes it, returned as a pandas DataFrame.

    row: the variable varied along the rows, a code or id (1 MC01, 2 MC10, 3 MC100, 4 MCLH,
    5 MCLW, 6 ACBD, 7 STFL, 8 CABH, 9 SLOP, 10 OWND, 11 WDIR); range: (min, max, step) in the
    units of scenario files (STFL in feet); page: (variable, value) held for every scenario, or
    None; output: the output code or id (1 CRFB ... 16 OWNDcessation).

    The DataFrame's index holds the row values, its columns A to D the output of scenarios A to D
    (nan for a scenario that holds no number or fails the batch range checks). Its attrs give
    "row", "output", "row_unit" and "output_unit". Raises InputError for a range or page value the
    table refuses, FileError or Error when the file cannot be read or no table computed.
    """
    import pandas
    low, high, step = range
    page_key, page_value = ("", "") if page is None else (str(page[0]), _number_text(page[1]))
    out = _orvane.table(_native_models(fuel_models), _os.path.abspath(_os.fspath(input)), str(row),
                        [_number_text(low), _number_text(high), _number_text(step)], page_key, page_value,
                        str(output), float(hcrown), _whole_degrees(spread_direction))
    frame = pandas.DataFrame(out["columns"], index=pandas.Index([float(v) for v in out["inputs"]], name=out["row"]))
    frame.attrs = {key: out[key] for key in ("row", "output", "row_unit", "output_unit")}
    return frame


def _number_text(value):
    return repr(float(value)) if not isinstance(value, str) else value


calculate.__doc__ += "\nInputs (scenario input file keys, native units):\n" + _input_reference()
calculate.__doc__ += "\n\nOutputs (scenario output file keys and units):\n" + _output_reference() + "\n"
