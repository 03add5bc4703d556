// SPDX-License-Identifier: MIT
// Helpers shared by the function classes, and the shared result rule.
#include "VYXFunctSupport.h"

#include "VYXExceptions.h"
#include "VYXNumberText.h"

#include <typeinfo>

VYXNum* WrapResult(double r) {
    // A negative zero would otherwise reach the exact number as "-0".
    if (r == 0.0) {
        r = 0.0;
    }
    if (vyx_text::IsInteger(r)) {
        return new VYXNumRational(r, 1.0, 0.0, 1.0);
    }
    return new VYXNumUni(r, 0.0);
}

bool IsExactlyRational(const VYXNum* number) {
    return number != nullptr && typeid(*number) == typeid(VYXNumRational);
}

VYXNumUni ToUniValue(const VYXNum& number) {
    return VYXNumUni(number.GetRealValue(), number.GetCmplxValue());
}

VYXNumRational ToRationalCopy(const VYXNum& number) {
    return dynamic_cast<const VYXNumRational&>(number);
}

void RejectComplexOperand(const VYXNum& number, const std::string& label) {
    if (number.IsCmplx()) {
        throw VYXExceptionFunction("ERROR!! " + label + " IS NOT DEFINED FOR CMPLX NUMBERS..");
    }
}

VYXNum* ApplyRealKernel(VYXFunction& function, const VYXNum* x, const std::string& angleUnit,
                        const std::string& complexLabel) {
    RequireOperand(x, function.GetName());
    RejectComplexOperand(*x, complexLabel);
    return WrapResult(function.ApplyDouble(x->GetRealValue(), angleUnit));
}

void RequireOperand(const VYXNum* operand, const std::string& functionName) {
    if (operand == nullptr) {
        throw VYXExceptionFunction("ERROR! " + functionName + "??");
    }
}
