// SPDX-License-Identifier: MIT
// C_VYXAngleUnit: keys, names and conversion factors of the three angle units.
#include "C_VYXAngleUnit.h"

#include "C_VYXStringTable.h"

namespace {
constexpr double Pi = 3.141592653589793;
}

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
        return Pi;
    }
}

double ToRadiansFactor(qint32 unitId) {
    switch (unitId) {
    case VYX_ANGLE_DEG:
        return 0.017453292519943295;
    case VYX_ANGLE_GRA:
        return 0.015707963267948967;
    default:
        return 1.0;
    }
}

double FromRadiansFactor(qint32 unitId) {
    switch (unitId) {
    case VYX_ANGLE_DEG:
        return 57.29577951308232;
    case VYX_ANGLE_GRA:
        return 63.66197723675813;
    default:
        return 1.0;
    }
}

} // namespace C_VYXAngleUnit
