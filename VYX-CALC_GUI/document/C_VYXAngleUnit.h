// SPDX-License-Identifier: MIT
// C_VYXAngleUnit: the three angle units as the settings store them, with their engine keys and
// names.
#pragma once

#include "C_VYXResourceIds.h"

#include <QString>

/// Angle units are stored as the id of their string resource, which holds the engine's key.
enum C_VYXAngleUnitId : qint32 {
    VYX_ANGLE_RAD = C_VYXResourceIds::kStrAngleRadians,
    VYX_ANGLE_DEG = C_VYXResourceIds::kStrAngleDegrees,
    VYX_ANGLE_GRA = C_VYXResourceIds::kStrAngleGradians,
};

namespace C_VYXAngleUnit {

/// The key the engine's SetAngle expects ("ANGLE_RAD", "ANGLE_DEG", "ANGLE_GRA"); empty if unknown.
QString EngineKey(qint32 unitId);

/// The name shown to the user ("Radians", "Degrees", "Gradians", "UNKNOWN ANGLE UNIT.").
QString DisplayName(qint32 unitId);

/// The full angle of a triangle's angle sum in the unit: pi, 180 or 200 (pi for unknown units).
double HalfTurn(qint32 unitId);

/// Factor from the unit to radians (1 for radians and unknown units).
double ToRadiansFactor(qint32 unitId);

/// Factor from radians to the unit (1 for radians and unknown units).
double FromRadiansFactor(qint32 unitId);

} // namespace C_VYXAngleUnit
