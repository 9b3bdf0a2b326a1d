#!/usr/bin/env python3
"""Expected outputs of the engine tests of a crown or shrub model that does not spread, and of the
records whose crown thresholds do not exist, worked from the published formulas: Rothermel's
surface spread model with Albini's coefficients, Van Wagner's crown fire initiation and active
crown fire criteria, and the closed-form torching and crowning indices. Plain double arithmetic,
one function per step; the fuel models come from the published table (standard-fuel-models.tsv).

Run: python3 tests/engine/high_model_no_spread.py [path/to/standard-fuel-models.tsv]
and copy the printed rows into test_TorviHighModelNoSpread.cpp.
"""
import math
import sys

TABLE = sys.argv[1] if len(sys.argv) > 1 else "/work/shared/data/standard-fuel-models.tsv"
NAN = float("nan")


def load_models(path):
    models = {}
    for line in open(path, encoding="utf-8"):
        if line.startswith("#") or line.startswith("number"):
            continue
        f = line.rstrip("\n").split("\t")
        t = 0.04591  # tons/acre to lb/ft2
        models[int(f[0])] = dict(w1=float(f[2]) * t, w10=float(f[3]) * t, w100=float(f[4]) * t,
                                 wlh=float(f[5]) * t, wlw=float(f[6]) * t, dynamic=f[7] == "dynamic",
                                 s1=float(f[8]), slh=float(f[9]), slw=float(f[10]), depth=float(f[11]),
                                 mx=float(f[12]) / 100, hd=float(f[13]), hl=float(f[14]))
    return models


def bin_of(s):
    for i, bound in enumerate((48, 96, 192, 1200)):
        if s < bound:
            return i
    return 4


def weighted(classes):
    loads, weights = [0.0] * 5, [0.0] * 5
    for s, wn, f in classes:
        loads[bin_of(s)] += wn
        weights[bin_of(s)] += f
    return sum(l * w for l, w in zip(loads, weights))


def surface_fire(m, sc, high):
    """The surface fire of one fuel model; None when it does not spread (head fire, spread direction 0)."""
    w = dict(dh=0.0, d1=m["w1"], d10=m["w10"], d100=m["w100"], lh=m["wlh"], lw=m["wlw"])
    if m["dynamic"]:
        x = min(1.0, max(0.0, 1.333 - 0.0111 * sc["Mlh"]))
        w["dh"] = m["wlh"] * x
        w["lh"] = (1 - x) * m["wlh"]
    sig = dict(dh=m["slh"], d1=m["s1"], d10=109.0, d100=30.0, lh=m["slh"], lw=m["slw"])
    dead, live = ("dh", "d1", "d10", "d100"), ("lh", "lw")
    a = {k: sig[k] * w[k] for k in w}
    Ad = sum(a[k] for k in dead)
    Al = sum(a[k] for k in live) or 0.0001
    f = {k: a[k] / Ad for k in dead}
    f.update({k: a[k] / Al for k in live})
    fd, fl = Ad / (Al + Ad), Al / (Al + Ad)
    sd = sum(f[k] * sig[k] for k in dead)
    sl = sum(f[k] * sig[k] for k in live)
    sigma = fl * sl + fd * sd
    eps = {k: (math.exp(-138 / sig[k]) if sig[k] else 0.0) for k in w}
    g = {k: (math.exp(-500 / sig[k]) if sig[k] else 0.0) for k in live}
    M = dict(dh=sc["Mdh"], d1=sc["M1"], d10=sc["M10"], d100=sc["M100"], lh=sc["Mlh"], lw=sc["Mlw"])
    Md = sum(f[k] * M[k] for k in dead)
    Ml = sum(f[k] * M[k] for k in live)
    if Md >= 100 * m["mx"]:
        return None
    Q = {k: 250 + 11.16 * M[k] for k in w}
    wn = {k: 0.9445 * w[k] for k in w}
    WnD = weighted([(sig[k], wn[k], f[k]) for k in dead])
    WnL = weighted([(sig[k], wn[k], f[k]) for k in live])
    rho = sum(w.values()) / m["depth"]
    beta = rho / 32
    bop = 3.348 * sigma ** -0.8189
    rel = beta / bop
    A = 133 * sigma ** -0.7913
    gmax = sigma ** 1.5 / (495 + 0.0594 * sigma ** 1.5)
    gamma = gmax * rel ** A * math.exp(A * (1 - rel))
    xi = math.exp((0.792 + 0.681 * sigma ** 0.5) * (beta + 0.1)) / (192 + 0.2595 * sigma)
    C = 7.47 * math.exp(-0.133 * sigma ** 0.55)
    B = 0.02526 * sigma ** 0.54
    E = 0.715 * math.exp(-0.000359 * sigma)
    den = w["lw"] * g["lw"] + w["lh"] * g["lh"]
    Wp = (w["d1"] * eps["d1"] + w["dh"] * eps["dh"] + w["d10"] * eps["d10"] + w["d100"] * eps["d100"]) / den if den else 0.0
    Mf = sum(M[k] * eps[k] * wn[k] for k in dead) / (100 * sum(eps[k] * wn[k] for k in dead))
    mxl = max(2.9 * Wp * (1 - Mf / m["mx"]) - 0.226, m["mx"])
    damp = lambda r: 1 - 2.59 * r + 5.11 * r * r - 3.52 * r ** 3
    etad = damp((Md / 100) / m["mx"])
    etal = damp(min(1.0, (Ml / 100) / mxl))
    etas = 0.174 * 0.01 ** -0.19
    h = m["hl"] * fl + m["hd"] * fd
    IR = (etad * WnD + etal * WnL) * h * gamma * etas
    sink = fl * (eps["lh"] * f["lh"] * Q["lh"] + eps["lw"] * f["lw"] * Q["lw"]) + \
        fd * sum(f[k] * eps[k] * Q[k] for k in dead)
    R0 = IR * xi / (sink * rho * 3.281)
    conifer_crown = high and sc["veg"] == 2
    if conifer_crown:
        R0 *= 3.34
    phis = 5.275 * beta ** -0.3 * (sc["slope"] / 100) ** 2
    waf = 0.4 if conifer_crown else (sc["wafH"] if high else sc["wafL"])
    U = 88 * waf * sc["wind"]
    phiw = min(C * U ** B * rel ** -E, C * (0.9 * IR) ** B * rel ** -E)
    th = math.radians(sc["wdir"])
    phie = math.sqrt((phiw * math.sin(th)) ** 2 + (phiw * math.cos(th) + phis) ** 2)
    UE = 0.0 if phie == 0 else (phie * rel ** E / C) ** (1 / B) / 88
    return dict(rho=rho, ROS=R0 * (1 + phie), sink=sink, HPA=IR * 384 / sigma, xi=xi, IR=IR, phis=phis,
                C=C, B=B, E=E, rel=rel, R0=R0, UE=UE, waf=waf)


def wind_for(phie, fire, theta_deg):
    """Open wind (mi/h) whose wind factor with the slope factor gives phie; larger root, none below 0."""
    th = math.radians(theta_deg)
    c, s, ps = math.cos(th), math.sin(th), fire["phis"]
    D = 4 * c * c * ps * ps - 4 * (c * c + s * s) * (ps * ps - phie * phie)
    root = math.sqrt(D) if D >= 0 else 0.0
    phiw = max((-2 * c * ps + root) / (2 * (c * c + s * s)), (-2 * c * ps - root) / (2 * (c * c + s * s)), 0.0)
    return (phiw / (fire["C"] * fire["rel"] ** -fire["E"])) ** (1 / fire["B"]) / (88 * fire["waf"]), D


def torching_index(I0, L, sc):
    phie = max((I0 / 3.4591) * 60 * L["rho"] * L["sink"] / (L["xi"] * L["HPA"] * L["IR"]) - 1, 0.0)
    wind, D = wind_for(phie, L, sc["wdir"])
    return 0.0 if D < 0 else wind


def crown_model_phie(rate, Hs, sc):
    m = 3.34 if sc["veg"] == 2 else 1
    return rate * 3.281 * Hs["rho"] * Hs["sink"] / (Hs["xi"] * Hs["IR"] * m) - 1


def byram(I):
    return 0.0775 * I ** 0.46 * 3.281


def thomas(I):
    return 0.2 * (I / 3.459) ** (2 / 3)


def scenario(models, sc):
    """Every output of the record, native units; NAN for an output that is not reachable."""
    veg = sc["veg"]
    if veg == 2:
        I0 = (0.01 * (sc["cbh"] / 3.281) * (460 + 25.9 * sc["fmc"])) ** 1.5
    else:
        I0 = ((sc["stfl"] / 3.281) / 0.0775) ** (1 / 0.46)
    Hc = sc["cfl"] * 0.045914 * sc["hcrown"]
    L = surface_fire(models[sc["low"]], sc, False)
    if L is None:
        return dict(FireType=0, NotReachable=["TORI", "CRNI", "SURI", "FLINinitiation", "FLMLinitiation",
                                              "SPRTinitiation", "ACBDactive", "SPRTactive", "OWNDcessation"])
    Hs = surface_fire(models[sc["high"]], sc, True)
    cbd = sc["cbd"]
    Ract = 999.0 if cbd == 0 else 3.0 / cbd
    Rinit = ((I0 / 3.4591) / L["HPA"]) * 18.2881
    TI = torching_index(I0, L, sc)
    if Hs is None:
        # The crown model does not spread: no wind brings it to the active rate; the high fire
        # enters the combination as a fire of zero spread.
        CFB = 0.0
        ftype = 2 if L["ROS"] > Rinit else 1
        CI = SI = OC = ACBD = NAN
        Hros, Hhpa, Hue = 0.0, (Hc if veg == 2 else 0.0), 0.0
    else:
        Hs["waf"] = 0.4 if veg == 2 else sc["wafH"]
        CI, _ = wind_for(crown_model_phie(Ract, Hs, sc), Hs, sc["wdir"])
        phic = crown_model_phie(Rinit, Hs, sc)
        OC, _ = wind_for(phic, Hs, sc["wdir"])
        SI = max(0.0 if phic < 0 else OC, CI)
        ACBD = 3.0 / Hs["ROS"]
        th = math.radians(sc["wdir"])
        phiw = L["C"] * (CI * 88 * sc["wafL"]) ** L["B"] * L["rel"] ** -L["E"]
        RSA = (1 + math.sqrt((phiw * math.sin(th)) ** 2 + (phiw * math.cos(th) + L["phis"]) ** 2)) * L["R0"]
        if Hs["ROS"] >= Ract:
            CFB = 1.0
        elif L["ROS"] < Rinit:
            CFB = 0.0
        else:
            CFB = min(1.0, max(0.0, (L["ROS"] - Rinit) / (RSA - Rinit)))
        if L["ROS"] <= Rinit and Hs["ROS"] > Ract:
            ftype = 3
        elif CFB == 0:
            ftype = 1
        elif CFB == 1:
            ftype = 4
        else:
            ftype = 2
        Hros, Hhpa, Hue = Hs["ROS"], (Hc if veg == 2 else Hs["HPA"]), Hs["UE"]
    R = (Hros - L["ROS"]) * CFB + L["ROS"]
    hpa = Hhpa * CFB + L["HPA"]
    I = hpa * 11.349 * R / 60
    IL = L["HPA"] * 11.349 * L["ROS"] / 60
    IH = Hhpa * 11.349 * Hros / 60
    out = dict(FireType=ftype, CRFB=CFB, SPRT=R * 2.9826, HPUA=hpa, FLIN=I / 3.459,
               FIS=max(0.0, math.log10(I)), EMFW=(Hue - L["UE"]) * CFB + L["UE"],
               TORI=TI, CRNI=CI, SURI=SI, FLINinitiation=I0 / 3.459, FLMLinitiation=byram(I0),
               SPRTinitiation=Rinit * 2.9826, ACBDactive=ACBD, SPRTactive=Ract * 2.9826, OWNDcessation=OC,
               LowSPRT=L["ROS"] * 2.9826, LowHPUA=L["HPA"], LowFLIN=IL / 3.459, LowFLML=byram(IL),
               HighSPRT=Hros * 2.9826, HighHPUA=Hhpa, HighFLIN=IH / 3.459)
    if veg == 2:
        out["FLML"] = (thomas(I) - byram(I)) * CFB + byram(I)
        out["HighFLML"] = thomas(I)
    else:
        out["FLML"] = byram(I)
        out["HighFLML"] = byram(IH)
    if cbd == 0:
        # R'active is a placeholder that no crown spread rate reaches: what derives from it is not reported.
        out.update(SPRTactive=NAN, CRNI=NAN, SURI=NAN, OWNDcessation=NAN)
    return out


# The test scenarios: the engine tests' base scenario (TorviScenarios.h) with the changes named.
BASE = dict(veg=2, low=10, high=10, wafL=0.3, wafH=0.4, cfl=0.5, hcrown=8000, cbh=4, stfl=4, cbd=0.15, fmc=100,
            slope=20, wind=10, wdir=0, M1=6, Mdh=6, M10=7, M100=8, Mlh=60, Mlw=90)

CASES = {
    # Conifer: FM10, the crown model, is past its extinction (25 %) at a 1-hour moisture of 28 %;
    # the low model still spreads.
    "ConiferPassive": dict(veg=2, low=7, high=10, M1=28, Mdh=28, wind=20, cbh=1, fmc=80),
    "ConiferSurface": dict(veg=2, low=8, high=10, M1=28, Mdh=28, wind=20),
    # Shrub: SH5 (145, extinction 15 %) at a 1-hour moisture of 20 %.
    "ShrubPassive": dict(veg=1, low=7, high=145, M1=20, Mdh=20, wind=20, stfl=1),
    "ShrubSurface": dict(veg=1, low=105, high=145, M1=20, Mdh=20, wind=5, stfl=8),
    # FM10's extinction boundary on each side, all dead moistures equal, over FM8.
    "ConiferJustBelowExtinction": dict(veg=2, low=8, high=10, M1=24.9, Mdh=24.9, M10=24.9, M100=24.9, wind=20),
    "ConiferJustAboveExtinction": dict(veg=2, low=8, high=10, M1=25.1, Mdh=25.1, M10=25.1, M100=25.1, wind=20),
    "ZeroBulkDensity": dict(veg=2, low=10, high=10, cbd=0),
    "SurfaceDoesNotSpread": dict(veg=2, low=10, high=10, M1=40, Mdh=40),
}

FIELDS = ["FireType", "CRFB", "SPRT", "HPUA", "FLIN", "FIS", "FLML", "EMFW", "TORI", "CRNI", "SURI",
          "FLINinitiation", "FLMLinitiation", "SPRTinitiation", "ACBDactive", "SPRTactive", "OWNDcessation",
          "LowSPRT", "LowHPUA", "LowFLIN", "LowFLML", "HighSPRT", "HighHPUA", "HighFLIN", "HighFLML"]

def cpp_number(v):
    return "NR" if isinstance(v, float) and math.isnan(v) else repr(float(v))


if __name__ == "__main__":
    # One row per case, in the order of FIELDS after the fire type; NR = not reachable.
    models = load_models(TABLE)
    for name, change in CASES.items():
        out = scenario(models, dict(BASE, **change))
        if out["FireType"] == 0:
            print(f"// {name}: no surface spread; not reachable: {' '.join(out['NotReachable'])}")
            continue
        print(f'{{"{name}", {out["FireType"]}, {{' + ", ".join(cpp_number(out[k]) for k in FIELDS[1:]) + "}},")
