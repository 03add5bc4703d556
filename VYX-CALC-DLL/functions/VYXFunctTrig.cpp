// SPDX-License-Identifier: MIT
// The trigonometric functions and their inverses.
#include "VYXFunctTrig.h"

#include "VYXExceptions.h"
#include "VYXFunctSupport.h"
#include "VYXImaginaryAxis.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kGradiansPerRadian = 200.0 / std::numbers::pi;

double ToRadians(double x, const std::string& unit) {
    if (unit == "DEG") {
        return x * kRadiansPerDegree;
    }
    if (unit == "GRA") {
        return x * std::numbers::pi / 200.0;
    }
    return x;
}

double FromRadians(double x, const std::string& unit) {
    if (unit == "DEG") {
        return x * kDegreesPerRadian;
    }
    if (unit == "GRA") {
        return x * kGradiansPerRadian;
    }
    return x;
}

// A result below the rounding of its own argument is exactly 0: a double argument of magnitude
// |x| is off by up to half an ulp (about 1.1e-16 |x|), and near a zero sin, cos and tan move as
// fast as their argument, so smaller values are that rounding, not the answer (COS(PI/2),
// SIN(2*PI), SIN 360 degrees). Small arguments keep their values (SIN 1E-16).
double ZeroBelowArgumentRounding(double result, double radians) {
    const double magnitude = std::fabs(radians);
    if (magnitude >= 1.0 && std::fabs(result) < 1e-15 * magnitude) {
        return 0.0;
    }
    return result;
}

/// The angles (in the unit) at which the exact-value tables answer.
struct TurnMarks {
    double quarter;
    double half;
    double threeQuarters;
};

TurnMarks MarksFor(const std::string& unit) {
    if (unit == "DEG") {
        return {90.0, 180.0, 270.0};
    }
    if (unit == "GRA") {
        return {100.0, 200.0, 300.0};
    }
    return {vyx_angle::kPositiveImaginaryAxis, std::numbers::pi, vyx_angle::kNegativeImaginaryAxis};
}

// The tables compare exactly: only the marks themselves are recognised, not 360 or 450.
std::optional<double> ExactSin(double x, const TurnMarks& marks) {
    const double magnitude = std::fabs(x);
    const double sign = x < 0.0 ? -1.0 : 1.0;
    if (x == 0.0 || magnitude == marks.half) {
        return 0.0;
    }
    if (magnitude == marks.quarter) {
        return sign;
    }
    if (magnitude == marks.threeQuarters) {
        return -sign;
    }
    return std::nullopt;
}

std::optional<double> ExactCos(double x, const TurnMarks& marks) {
    const double magnitude = std::fabs(x);
    if (magnitude == marks.quarter || magnitude == marks.threeQuarters) {
        return 0.0;
    }
    if (x == 0.0) {
        return 1.0;
    }
    if (magnitude == marks.half) {
        return -1.0;
    }
    return std::nullopt;
}

std::optional<double> ExactTan(double x, const TurnMarks& marks) {
    if (x == 0.0 || std::fabs(x) == marks.half) {
        return 0.0;
    }
    return std::nullopt;
}

using ExactTable = std::optional<double> (*)(double, const TurnMarks&);

VYXNum* ApplyTrig(VYXFunction& function, const VYXNum* x, const std::string& unit,
                  ExactTable table) {
    RequireOperand(x, function.GetName());
    RejectComplexOperand(*x, function.GetName());
    const double value = x->GetRealValue();
    const std::optional<double> exact = table(value, MarksFor(unit));
    return WrapResult(exact ? *exact : function.ApplyDouble(value, unit));
}

void CheckInverseRange(double x, const char* message) {
    if (std::fabs(x) > 1.0) {
        throw VYXExceptionFunction(message);
    }
}

VYXNum* ApplyInverse(VYXFunction& function, const VYXNum* x, const std::string& unit) {
    return ApplyRealKernel(function, x, unit, function.GetName());
}

} // namespace

double VYXFunctASin::ApplyDouble(double x, std::string angleUnit) {
    CheckInverseRange(
        x, "ERROR!! ARCSIN IS NOT DEFINED FOR NUMBERS BIGGER THAN 1 OR SMALLER THAN -1!!");
    return FromRadians(std::asin(x), angleUnit);
}

VYXNum* VYXFunctASin::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    return ApplyInverse(*this, x, angleUnit);
}

double VYXFunctACos::ApplyDouble(double x, std::string angleUnit) {
    CheckInverseRange(
        x, "ERROR!! ARCCOS IS NOT DEFINED FOR NUMBERS BIGGER THAN 1 OR SMALLER THAN -1!!");
    return FromRadians(std::acos(x), angleUnit);
}

VYXNum* VYXFunctACos::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    return ApplyInverse(*this, x, angleUnit);
}

double VYXFunctATan::ApplyDouble(double x, std::string angleUnit) {
    return FromRadians(std::atan(x), angleUnit);
}

VYXNum* VYXFunctATan::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    return ApplyInverse(*this, x, angleUnit);
}

double VYXFunctSin::ApplyDouble(double x, std::string angleUnit) {
    const double radians = ToRadians(x, angleUnit);
    return ZeroBelowArgumentRounding(std::sin(radians), radians);
}

VYXNum* VYXFunctSin::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    return ApplyTrig(*this, x, angleUnit, ExactSin);
}

double VYXFunctCos::ApplyDouble(double x, std::string angleUnit) {
    const double radians = ToRadians(x, angleUnit);
    return ZeroBelowArgumentRounding(std::cos(radians), radians);
}

VYXNum* VYXFunctCos::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    return ApplyTrig(*this, x, angleUnit, ExactCos);
}

double VYXFunctTan::ApplyDouble(double x, std::string angleUnit) {
    const double radians = ToRadians(x, angleUnit);
    return ZeroBelowArgumentRounding(std::tan(radians), radians);
}

VYXNum* VYXFunctTan::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    return ApplyTrig(*this, x, angleUnit, ExactTan);
}
