#!/usr/bin/env python3
"""Expected texts of converted input values as the input boxes show them.

Rule: round to the fewest decimals, at least the unit's display decimals, that keep the shown
value within 0.1 % of the stored one; trailing zeros are dropped. Conversion factors: the
international foot 0.3048 m and mile 1.609344 km.
Run: python3 tests/app/display_text_cases.py
"""
from decimal import Decimal, ROUND_HALF_EVEN

CASES = [  # (what, value, display decimals)
    ("6 ft in m", Decimal(6) * Decimal("0.3048"), 1),
    ("12 ft in m", Decimal(12) * Decimal("0.3048"), 1),
    ("15 ft in m", Decimal(15) * Decimal("0.3048"), 1),
    ("20 mi/hr in km/hr", Decimal(20) * Decimal("1.609344"), 1),
    ("0.15 kg/m3 in lbs/ft3", Decimal("0.15") * Decimal("0.062427885"), 3),
    ("wind reduction factor", Decimal("0.15"), 1),
    ("negative", -Decimal(6) * Decimal("0.3048"), 1),
    ("whole value with decimals", Decimal(2), 2),
    ("zero", Decimal(0), 1),
    ("small value", Decimal("0.00012346"), 2),
]


def shown(value, decimals):
    while True:
        rounded = value.quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_EVEN)
        if abs(rounded - value) <= Decimal("0.001") * abs(value):
            text = format(rounded, "f")
            if "." in text:
                text = text.rstrip("0").rstrip(".")
            return "0" if text in ("-0", "") else text
        decimals += 1


for what, value, decimals in CASES:
    print(f"{what}: {value} with {decimals} decimals -> {shown(value, decimals)}")
