#pragma once

#include "engine/clsCheckedReal.h"
#include "engine/clsFuelModel.h"

#include <optional>

// The fuel bed of one fuel model as the surface fire burns it: the class loads once the herbaceous
// fuel is cured and the load and depth multiplier applied, the class weights, characteristic
// surface-area-to-volume ratios and heating numbers, and the bed properties of Rothermel's (1972)
// model. None of them depends on the moistures, the slope or the wind, so an engine keeps the beds
// it has laid (clsFuelBeds) and reuses them for every scenario of the same fuel model, multiplier
// and cured fraction: a batch, a table or a chart sweep then skips a dozen powers and exponentials
// per fuel model. The engine fills a bed (clsTorvi::LayFuelBed and CompleteFuelBed) with exactly
// the operations of the calculation, so a kept value is the value the calculation would compute.
class clsFuelBed {
public:
    using Real = clsCheckedReal;

    // What a bed is laid from. Compared bit for bit: a bed is reused only for a model whose numbers
    // are still those it was laid from, with the same multiplier and cured fraction.
    class Origin {
    public:
        Origin(const clsFuelModel& model, bool dynamic, double loadDepthMultiplier, double curedFraction);
        bool operator==(const Origin& other) const;

        double load1Hr, load10Hr, load100Hr, loadLiveHerb, loadLiveWoody;  // lb/ft²
        double sav1Hr, savLiveHerb, savLiveWoody;                            // 1/ft
        double fuelBedDepth;                                                 // ft
        double deadFuelMx;                                                   // fraction
        double deadHeatContent, liveHeatContent;                             // BTU/lb
        double dynamic;  // 1 for a dynamic model, 0 for a static one
        double loadDepthMultiplier;
        double curedFraction;  // of the herbaceous load; 0 for a static model
    };

    // Quantities that only a spreading fire needs, worked out when the first one spreads.
    class Properties {
    public:
        Real wndh, wn1, wn10, wn100, wnlh, wnlw;  // net loads, lb/ft²
        Real wnDead, wnLive;                      // size-class weighted net loads, lb/ft²
        Real bulkDensity;                         // lb/ft³
        Real beta, betaOpt, relativeBeta;         // packing ratio, optimum, relative
        Real gamma;                               // reaction velocity, 1/min
        Real xi;                                  // propagating flux ratio
        Real C, B, E;                             // wind factor coefficients
        Real wPrime;                              // dead-to-live fine load ratio
    };

    explicit clsFuelBed(const Origin& of) : origin(of) {}

    Origin origin;
    // Loads (lb/ft²) and surface-area-to-volume ratios (1/ft) of the six classes: dead herbaceous,
    // 1-hour, 10-hour, 100-hour, live herbaceous, live woody.
    Real wdh, w1, w10, w100, wlh, wlw;
    Real sdh, s1, s10, s100, slh, slw;
    Real depth;   // ft
    Real wTotal;  // lb/ft²
    // Class weights within the dead and the live category, and of the two categories.
    Real fdh, f1, f10, f100, flh, flw;
    Real fDead, fLive;
    Real sigma;  // characteristic surface-area-to-volume ratio, 1/ft
    // Heating numbers exp(-138/σ), and exp(-500/σ) of the live classes.
    Real edh, e1, e10, e100, elh, elw;
    Real glh, glw;

    std::optional<Properties> properties;
    std::optional<Real> slopeTerm;    // β^-0.3 of the slope factor
    std::optional<Real> packingTerm;  // (β/βop)^-E of the wind factor
};
