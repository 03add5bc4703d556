// SPDX-License-Identifier: MIT
// The hyperbolic functions, the exponential and the two logarithms.
#include "VYXFunctElementary.h"

#include "VYXExceptions.h"
#include "VYXFunctSupport.h"
#include "VYXNumberText.h"

#include <cmath>
#include <numbers>

double VYXFunctSinh::ApplyDouble(double x, std::string) {
    return std::sinh(x);
}

VYXNum* VYXFunctSinh::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    return ApplyRealKernel(*this, x, angleUnit, "SINH");
}

double VYXFunctCosh::ApplyDouble(double x, std::string) {
    return std::cosh(x);
}

VYXNum* VYXFunctCosh::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    return ApplyRealKernel(*this, x, angleUnit, "COSH");
}

double VYXFunctTanh::ApplyDouble(double x, std::string) {
    return std::tanh(x);
}

VYXNum* VYXFunctTanh::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    return ApplyRealKernel(*this, x, angleUnit, "TANH");
}

double VYXFunctLn::ApplyDouble(double x, std::string) {
    if (x <= 0.0) {
        throw VYXExceptionFunction(
            "ERROR!! ln(x) IS NOT DEFINED FOR NUMBERS LESS OR EQUAL TO ZERO!!\nATLEAST NOT IN "
            "THIS VERSION OF TOBRIK CALCULATOR..");
    }
    return std::log(x);
}

VYXNum* VYXFunctLn::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    RequireOperand(x, GetName());
    if (x->IsCmplx()) {
        // ln|z| + i·arg z; hypot keeps |z| finite where the squares alone would overflow.
        const VYXNumUni z = ToUniValue(*x);
        const double modulus = std::hypot(z.GetRealValue(), z.GetCmplxValue());
        return new VYXNumUni(ApplyDouble(modulus, angleUnit), z.GetFI());
    }
    const double value = x->GetRealValue();
    const double r = ApplyDouble(std::fabs(value), angleUnit);
    if (vyx_text::IsInteger(r) && value >= 0.0) {
        return WrapResult(r);
    }
    return new VYXNumUni(r, value < 0.0 ? std::numbers::pi : 0.0);
}

double VYXFunctLog::ApplyDouble(double x, std::string) {
    if (x <= 0.0) {
        throw VYXExceptionFunction(
            "ERROR!! log(x) IS NOT DEFINED FOR NUMBERS LESS OR EQUAL TO ZERO!!\nATLEAST NOT IN "
            "THIS VERSION OF TOBRIK CALCULATOR..");
    }
    return std::log10(x);
}

VYXNum* VYXFunctLog::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    return ApplyRealKernel(*this, x, angleUnit, "log");
}

double VYXFunctEpow::ApplyDouble(double x, std::string) {
    return std::exp(x);
}

VYXNum* VYXFunctEpow::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    return ApplyRealKernel(*this, x, angleUnit, "e^x");
}
