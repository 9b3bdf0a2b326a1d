#pragma once

#include "engine/clsCheckedReal.h"
#include "engine/clsFuelBed.h"
#include "engine/clsFuelBeds.h"
#include "engine/clsFuelModel.h"
#include "engine/clsFuelModels.h"
#include "engine/clsTorviInputs.h"
#include "engine/clsTorviOutputSet.h"
#include "engine/clsTorviOutputs.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The fire behaviour engine: a pure function of one input record and the fuel model collection.
class clsTorvi {
public:
    std::shared_ptr<clsFuelModels> FuelModels;

    // Validates and calculates one scenario. The record is shared with the caller: a given
    // Initiation or HPAHighConifer rewrites the fields that depend on it, also when the
    // calculation fails later. Never throws: a failure is an error number and text in the
    // returned record with success false (4000 for a failure during the calculation).
    clsTorviOutputs CalculateTorviOutputs(clsTorviInputs& inputs, bool& success);
    // The ratio of the spread rate at an angle from the head to the head fire spread rate; NaN
    // for an effective wind that describes no ellipse (below 0).
    double CalculateNonHeadingROS(int16_t direction, double effectiveWind) const;

private:
    using Real = clsCheckedReal;

    // The models found are kept for the calculation (lowModel, highModel).
    bool Validate(const clsTorviInputs& inputs, clsTorviOutputs& result);
    bool ValidateInputSet(const clsTorviInputSet& set, clsTorviOutputs& result, const clsFuelModel*& model) const;
    clsTorviOutputs Calculate();

    // Surface fire of one fuel model; nothing when the dead fuel is too wet to spread.
    std::optional<clsTorviOutputSet> CalcFuelModelFire(const clsTorviInputSet& set, const clsFuelModel& model);
    Real CuredFraction() const;
    static Real HeatOfPreignition(Real moisture);
    Real ReactionIntensity(const clsFuelBed& bed, const clsFuelBed::Properties& p, const clsFuelModel& model, Real mDead,
                           Real mLive) const;
    static Real LimitedWindFactor(Real midflameWind, Real reactionIntensity, Real C, Real B, Real packingTerm);
    static Real EffectiveWind(Real phiE, Real C, Real B, Real E, Real relativeBeta);
    // The fuel bed of a model, multiplier and cured fraction: kept from an earlier calculation or
    // laid now.
    clsFuelBed& FuelBed(const clsFuelModel& model, bool dynamic, Real cured, Real loadDepth);
    static clsFuelBed LayFuelBed(const clsFuelBed::Origin& origin);
    static const clsFuelBed::Properties& CompleteFuelBed(clsFuelBed& bed);
    static Real WeightedDeadNetLoad(const clsFuelBed& bed, Real wnDeadHerb, Real fDeadHerb, Real wn1Hr, Real f1Hr,
                                    Real wn10Hr, Real f10Hr, Real wn100Hr, Real f100Hr);
    static Real WeightedLiveNetLoad(const clsFuelBed& bed, Real wnLiveHerb, Real fLiveHerb, Real wnLiveWoody,
                                    Real fLiveWoody);
    // At the angle θ from the head, given by its cosine and sine.
    static Real NonHeadingROS(Real cosTheta, Real sinTheta, Real effectiveWind);

    // Crown fire initiation and spread, fire type and the combined outputs.
    void ResolveInitiation();
    void ResolveCanopyHPA();
    static clsTorviOutputs SurfaceDoesNotSpread();
    clsTorviOutputs CombineCrownFire(clsTorviOutputSet& L, std::optional<clsTorviOutputSet>& Hs);
    // The crown fire criteria of a scenario, from its low (surface) and high (crown) fires.
    struct CrownCriteria {
        Real torchingIndex = 0;   // mi/h
        Real activeROS = 0;       // m/min, for active crown fire
        Real initiationROS = 0;   // m/min, for crown fire initiation
        Real crownFraction = 0;   // crown fraction burned
        Real crowningIndex = 0;   // mi/h
        Real cessationWind = 0;   // mi/h
        Real surfacingIndex = 0;  // mi/h
    };
    CrownCriteria CrownSpreadCriteria(const clsTorviOutputSet& L, const clsTorviOutputSet& Hs, bool highSpreads) const;
    static int32_t FireTypeOf(const clsTorviOutputSet& L, const clsTorviOutputSet& Hs, bool highSpreads,
                              const CrownCriteria& criteria);
    // The combined outputs, each weighed between the surface and the crown fire by the crown
    // fraction burned: spread rate (m/min), heat per unit area, fireline intensity (kW/m), flame length.
    static Real CombinedSpread(clsTorviOutputs& R, const clsTorviOutputSet& L, const clsTorviOutputSet& Hs,
                               Real crownFraction);
    Real CombinedHeat(clsTorviOutputs& R, const clsTorviOutputSet& L, clsTorviOutputSet& Hs, Real crownFraction) const;
    static Real CombinedIntensity(clsTorviOutputs& R, clsTorviOutputSet& L, clsTorviOutputSet& Hs, Real hpa, Real ros);
    void CombinedFlameLength(clsTorviOutputs& R, const clsTorviOutputSet& L, const clsTorviOutputSet& Hs,
                             Real intensity, Real crownFraction) const;
    // The indices and the crown fire thresholds; those a fire cannot reach are NotReachable.
    void CrownThresholds(clsTorviOutputs& R, const clsTorviOutputSet& Hs, const CrownCriteria& criteria,
                         bool highSpreads) const;
    Real CrownFractionBurned(const clsTorviOutputSet& L, Real lowPacking, const clsTorviOutputSet& Hs,
                             Real crowningIndex, Real criticalInitiationROS, Real criticalActiveROS) const;
    static Real ByramFlameLength(Real intensity);
    static Real ThomasFlameLength(Real intensity);

    // Hazard indices: open winds at which a fuel model's spread reaches a threshold.
    // packing: BBopt^-E of the fire's own record.
    Real TorchingIndex(const clsTorviOutputSet& L, Real lowPacking) const;
    Real CrownModelPhiE(Real spreadRate, const clsTorviOutputSet& Hs) const;
    Real CrownModelWind(Real phiE, const clsTorviOutputSet& Hs, Real highPacking) const;
    Real WindForPhiE(Real phiE, const clsTorviOutputSet& fire, Real packing, Real windAdjustment) const;
    static Real SolveWindFactor(int which, Real cosTheta, Real sinTheta, Real phiS, Real phiE);
    static Real WindFactorDiscriminant(Real cosTheta, Real sinTheta, Real phiS, Real phiE);

    // Working state of one calculation.
    clsTorviInputs* scenario = nullptr;
    const clsFuelModel* lowModel = nullptr;   // of the scenario's sides, found by the validation
    const clsFuelModel* highModel = nullptr;  // (none for the surface type)
    Real initiation;  // I0, kW/m
    Real canopyHPA;   // Hc, BTU/ft²
    Real cosWind;     // of the wind direction from uphill
    Real sinWind;
    Real cosSpread;   // of the spread direction from the head
    Real sinSpread;
    Real lowPackingTerm;   // (β/βop)^-E of the low fuel model's fire
    Real highPackingTerm;  // and of the high one's

    clsFuelBeds fuelBeds;
};
