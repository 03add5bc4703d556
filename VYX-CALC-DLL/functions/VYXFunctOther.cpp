// SPDX-License-Identifier: MIT
// Factorial, percent and the five complex-number functions.
#include "VYXFunctOther.h"

#include "VYXExceptions.h"
#include "VYXFunctSupport.h"
#include "VYXNumberText.h"
#include "VYXRationalArithmetic.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>

namespace {

/// n! for an integer-valued n >= 0. The loop stops as soon as the product passes the largest
/// double (from 171! on), so enormous arguments end at once.
double Factorial(double n) {
    long double product = 1.0L;
    for (long double factor = 2.0L; factor <= n; factor += 1.0L) {
        product *= factor;
        if (product > static_cast<long double>(DBL_MAX)) {
            return std::numeric_limits<double>::infinity();
        }
    }
    return static_cast<double>(product);
}

/// The number made by one of the operand's own operations; a bare VYXNum makes none.
VYXNum* RequireMade(VYXNum* made, const std::string& functionName) {
    if (made == nullptr) {
        throw VYXExceptionFunction("ERROR!! " + functionName + " IS NOT DEFINED FOR THIS NUMBER..");
    }
    return made;
}

} // namespace

double VYXFunctFac::ApplyDouble(double x, std::string) {
    if (!vyx_text::IsInteger(x)) {
        throw VYXExceptionFunction("ERROR!! CANNOT CALCULATE FACULTY FOR A DOUBLE: " +
                                   vyx_text::DoubleToStrDefault(x) + "!!");
    }
    if (x < 0.0) {
        throw VYXExceptionFunction("ERROR!! CANNOT CALCULATE FACULTY FOR A NEGATIVE NUMBER: " +
                                   vyx_text::DoubleToStrDefault(x) + "!!");
    }
    return Factorial(x);
}

VYXNum* VYXFunctFac::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    RequireOperand(x, GetName());
    RejectComplexOperand(*x, "FAC");
    const double r = ApplyDouble(x->GetRealValue(), angleUnit);
    // Only an infinite product (171! and up) is refused. From 19! on a double holds the product
    // only approximately, and the shared result rule then shows it as a decimal.
    if (!std::isfinite(r)) {
        throw VYXExceptionFunction("ERROR!! FAC IS NOT DEFINED FOR DECIMAL NUMBERS..");
    }
    return WrapResult(r);
}

double VYXFunctPercent::ApplyDouble(double x, std::string) {
    return x / 100.0;
}

VYXNum* VYXFunctPercent::Apply(VYXNum* x, VYXNum*, std::string) {
    RequireOperand(x, GetName());
    if (IsExactlyRational(x)) {
        auto result = std::make_unique<VYXNumRational>();
        if (TryRationalDivide(ToRationalCopy(*x), VYXNumRational(100.0, 1.0, 0.0, 1.0), *result)) {
            return result.release();
        }
    }
    auto result = std::make_unique<VYXNumUni>(ToUniValue(*x));
    *result /= VYXNumUni(100.0, 0.0);
    return result.release();
}

VYXNum* VYXFunctAbs::Apply(VYXNum* x, VYXNum*, std::string) {
    RequireOperand(x, GetName());
    return RequireMade(x->GetABSValue(), GetName());
}

VYXNum* VYXFunctArg::Apply(VYXNum* x, VYXNum*, std::string) {
    RequireOperand(x, GetName());
    return new VYXNumUni(x->GetFI(), 0.0);
}

VYXNum* VYXFunctCnj::Apply(VYXNum* x, VYXNum*, std::string) {
    RequireOperand(x, GetName());
    return RequireMade(x->GetCNJ(), GetName());
}

VYXNum* VYXFunctRep::Apply(VYXNum* x, VYXNum*, std::string) {
    RequireOperand(x, GetName());
    return RequireMade(x->GetRealPrt(), GetName());
}

VYXNum* VYXFunctImp::Apply(VYXNum* x, VYXNum*, std::string) {
    RequireOperand(x, GetName());
    return RequireMade(x->GetImgPrt(), GetName());
}
