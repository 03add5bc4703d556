// SPDX-License-Identifier: MIT
// C_VYXAngleUnit: keys, names and conversion factors of the three angle units.
#include "C_VYXAngleUnit.h"

#include "C_VYXStringTable.h"

#include <numbers>

namespace C_VYXAngleUnit {

QString EngineKey(qint32 unitId) {
    switch (unitId) {
    case VYX_ANGLE_RAD:
    case VYX_ANGLE_DEG:
    case VYX_ANGLE_GRA:
        return C_VYXStringTable::Text(unitId);
    default:
        return QString();
    }
}

QString DisplayName(qint32 unitId) {
    switch (unitId) {
    case VYX_ANGLE_RAD:
        return QStringLiteral("Radians");
    case VYX_ANGLE_DEG:
        return QStringLiteral("Degrees");
    case VYX_ANGLE_GRA:
        return QStringLiteral("Gradians");
    default:
        return QStringLiteral("UNKNOWN ANGLE UNIT.");
    }
}

double HalfTurn(qint32 unitId) {
    switch (unitId) {
    case VYX_ANGLE_DEG:
        return 180.0;
    case VYX_ANGLE_GRA:
        return 200.0;
    default:
        return std::numbers::pi;
    }
}

double ToRadiansFactor(qint32 unitId) {
    switch (unitId) {
    case VYX_ANGLE_DEG:
        return std::numbers::pi / 180.0;
    case VYX_ANGLE_GRA:
        return std::numbers::pi / 200.0;
    default:
        return 1.0;
    }
}

double FromRadiansFactor(qint32 unitId) {
    switch (unitId) {
    case VYX_ANGLE_DEG:
        return 180.0 / std::numbers::pi;
    case VYX_ANGLE_GRA:
        return 200.0 / std::numbers::pi;
    default:
        return 1.0;
    }
}

} // namespace C_VYXAngleUnit
