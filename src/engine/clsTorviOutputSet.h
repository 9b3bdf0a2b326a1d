#pragma once

// The surface fire of one fuel model under one scenario.
class clsTorviOutputSet {
public:
    double BulkDensity = 0;         // lb/ft³
    double ROS = 0;                 // m/min, in the chosen spread direction
    double EQig = 0;                // BTU/lb
    double HPA = 0;                 // BTU/ft²
    double pfr = 0;                 // propagating flux ratio
    double ReactionIntensity = 0;   // BTU/ft²/min
    double SlopeFactor = 0;
    double C = 0;
    double PackingRatio = 0;
    double Bopt = 0;
    double BBopt = 0;
    double E = 0;
    double B = 0;
    double ROSnwns = 0;             // m/min
    double EffectiveWindSpeed = 0;  // mi/h
    double FirelineIntensity = 0;   // kW/m
};
