"""One scenario at a time: orvane.calculate against independently worked outputs, its keys and
units, and its refusals."""

import math
import pickle
import unittest

import orvane

# The scenario of the engine tests' independent calculation (tests/engine/TorviScenarios.h): dead
# moistures 6/7/8 %, live 60/90 %, 20 % slope, 10 mi/h upslope, canopy 0.15 kg/m3 from 4 ft,
# 0.5 t/ac, foliar moisture 100 %, shrub transition 4 ft, wind reductions 0.3 / 0.4.
SCENARIO = dict(SIMT=3, FMlow=10, WNDRlow=0.3, ROSMlow=1, LADMlow=1, FLIMlow=1, FMhigh=10, WNDRhigh=0.4,
                ROSMhigh=1, LADMhigh=1, FLIMhigh=1, MC01=6, MC10=7, MC100=8, MCLH=60, MCLW=90, ACBD=0.15,
                CABH=4, ACFL=0.5, FOMC=100, STFL=4, OWND=10, SLOP=20, WDIR=0)
# Those numbers were worked with a crown heat content of 8000 BTU/lb; the package takes kJ/kg
# (1 kJ/kg = 0.430265351 BTU/lb).
HCROWN = 8000 / 0.430265351

# Expected outputs from the independent python3 calculation of the formulas (Rothermel 1972 with
# Albini 1976, Van Wagner 1977, Rothermel 1991, Byram 1959, Thomas 1963), 12 decimals; the same
# figures the engine tests check.
EXPECTED = {
    "surface FM10": (dict(SIMT=3, FMlow=10), {
        "FTYP": 1, "FTYPlbl": "surface", "CRFB": 0, "SPRT": 5.435218428339, "HPUA": 1292.179675554436,
        "FLIN": 128.765843747754, "FIS": 2.648751239957, "FLML": 4.204685365103,
        "EMFW": 3.311552109003, "TORI": 0, "CRNI": 0, "SURI": 0,
        "Low": {"SPRT": 5.435218428339, "HPUA": 1292.179675554436, "FLIN": 128.765843747754,
                "FLML": 4.204685365103},
        "High": {"SPRT": 0, "HPUA": 0, "FLIN": 0, "FLML": 0}}),
    "conifer FM10 under FM10": (dict(SIMT=2, FMlow=10, FMhigh=10), {
        "FTYP": 2, "FTYPlbl": "passive", "CRFB": 0.27921736892, "SPRT": 10.878138352398,
        "HPUA": 1343.459620660845, "FLIN": 267.941488595394, "FIS": 2.96699052786,
        "FLML": 6.566440390891, "EMFW": 3.581171189882, "TORI": 4.60794176316,
        "CRNI": 20.171639451375, "SURI": 20.171639451375, "FLINI": 65.551078041982,
        "FLMLI": 3.08213684408, "SPRTI": 2.766992478503, "ACBD": 0.358935618127, "ASPRT": 59.652,
        "OWNDC": 0,
        "Low": {"SPRT": 5.435218428339, "HPUA": 1292.179675554436, "FLIN": 128.765843747754,
                "FLML": 4.204685365103},
        "High": {"SPRT": 24.928704614776, "HPUA": 183.656, "FLIN": 83.939350201916, "FLML": 8.3123401406}}),
    "shrub SH1 under SH5": (dict(SIMT=1, FMlow=141, FMhigh=145), {
        "FTYP": 1, "FTYPlbl": "surface", "CRFB": 0, "SPRT": 1.442528489321, "HPUA": 83.41963521895,
        "FLML": 0.647598420704, "TORI": 199.226500016539, "CRNI": 12.393122184332,
        "SURI": 15.365988909036, "OWNDC": 15.365988909036, "FLINI": 115.527226609255, "FLMLI": 4,
        "SPRTI": 75.538282690222, "ACBD": 0.188884551786,
        "High": {"SPRT": 47.371793592418, "HPUA": 1577.348635298297, "FLML": 12.47702387449}}),
}


class OneScenario(unittest.TestCase):
    def test_each_type_against_worked_outputs(self):
        for label, (change, expected) in EXPECTED.items():
            with self.subTest(label):
                out = orvane.calculate(**{**SCENARIO, **change}, hcrown=HCROWN)
                self.assertEqual(list(out), list(orvane.OUTPUT_KEYS) + ["Low", "High"])
                for key, value in expected.items():
                    if isinstance(value, dict):
                        for side_key, side_value in value.items():
                            self.assertAlmostEqual(out[key][side_key], side_value,
                                                   delta=abs(side_value) * 1e-9, msg=f"{key}.{side_key}")
                    elif isinstance(value, str):
                        self.assertEqual(out[key], value)
                    else:
                        self.assertAlmostEqual(out[key], value, delta=abs(value) * 1e-9, msg=key)
                self.assertIsInstance(out["FTYP"], int)

    def test_spread_direction_scales_the_spread_rate(self):
        ahead = orvane.calculate(**SCENARIO, hcrown=HCROWN)
        flank = orvane.calculate(**SCENARIO, hcrown=HCROWN, spread_direction=90)
        self.assertLess(flank["SPRT"], ahead["SPRT"])
        self.assertEqual(flank["HPUA"], ahead["HPUA"])

    def test_refusals_name_the_key_or_give_the_batch_reason(self):
        missing = dict(SCENARIO)
        del missing["MC10"]
        with self.assertRaisesRegex(KeyError, "MC10"):
            orvane.calculate(**missing)
        with self.assertRaisesRegex(KeyError, "MC1000"):
            orvane.calculate(**SCENARIO, MC1000=5)
        with self.assertRaises(orvane.InputError) as caught:
            orvane.calculate(**{**SCENARIO, "MC10": 500})
        self.assertRegex(str(caught.exception), r"^contains invalid MC10 data: 3 +10 +0\.3 .* 500 ")
        with self.assertRaisesRegex(orvane.InputError, "^contains invalid OWND data: .* nan "):
            orvane.calculate(**{**SCENARIO, "OWND": math.nan})
        with self.assertRaisesRegex(orvane.CalculationError, r"^CalculateTorviOutputs Failure\[\d+\] "):
            orvane.calculate(**{**SCENARIO, "FMlow": 77})
        with self.assertRaisesRegex(TypeError, "MC01"):
            orvane.calculate(**{**SCENARIO, "MC01": "six"})
        with self.assertRaisesRegex(ValueError, "hcrown"):
            orvane.calculate(**SCENARIO, hcrown=0)
        with self.assertRaisesRegex(ValueError, "spread_direction"):
            orvane.calculate(**SCENARIO, spread_direction=181)

    def test_custom_fuel_models_are_passed_never_global(self):
        custom = orvane.load_fuel_models(f"{__import__('support').FIXTURES}/custom.fmd")
        self.assertEqual(len(custom), len(orvane.fuel_models()) + 1)
        self.assertIn(250, [r["number"] for r in custom.records()])
        grass = {**SCENARIO, "FMlow": 250}
        self.assertGreater(orvane.calculate(**grass, fuel_models=custom)["SPRT"], 0)
        with self.assertRaises(orvane.CalculationError):
            orvane.calculate(**grass)
        # Sent to a worker process, the collection is loaded there from the same files.
        copy = pickle.loads(pickle.dumps(custom))
        self.assertEqual(copy.records(), custom.records())
        with self.assertRaisesRegex(orvane.FileError, "missing.fmd"):
            orvane.load_fuel_models("missing.fmd")

    def test_help_states_every_key_with_its_unit(self):
        doc = orvane.calculate.__doc__
        for key in orvane.INPUT_KEYS + orvane.OUTPUT_KEYS:
            self.assertRegex(doc, rf"\n    {key} ")
        self.assertIn("CRNI      crowning index", doc)
        self.assertRegex(doc, r"CRNI .*\[mi/hr\]")
        self.assertRegex(doc, r"MC10 .*\[percent\]")


if __name__ == "__main__":
    unittest.main()
