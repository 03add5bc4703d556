// SPDX-License-Identifier: MIT
// VYXFunctCalc: the function table, the angle unit and function application.
#pragma once

#include "VYXFunction.h"

#include <memory>
#include <string>
#include <vector>

class VYXFunctCalc {
public:
    VYXFunctCalc();
    virtual ~VYXFunctCalc();
    VYXFunctCalc(const VYXFunctCalc&) = delete;
    VYXFunctCalc& operator=(const VYXFunctCalc&) = delete;

    /// "RAD", "DEG" or "GRA"; anything else is ignored.
    void SetAngle(const std::string& unit);
    const std::string& GetAngle() const { return m_strAngleUnit; }

    /// Applies the named function; "^" and "~" take both operands and always work in radians.
    /// Throws "ERROR!! THE FUNCTION: name IS NOT DEFINED!!" for an unknown name.
    VYXNum* ApplyFunction(const std::string& name, VYXNum* first, VYXNum* second);

    /// The names in table order (cached, for the tokenizer's prefix matching).
    const std::vector<std::string>& FunctionNames() const { return m_names; }
    /// "^", "~", "!", "%".
    const std::vector<std::string>& OperatorFunctionNames() const { return m_operatorNames; }

private:
    std::string m_strAngleUnit = "RAD";
    std::vector<std::unique_ptr<VYXFunction>> m_functions;
    std::vector<std::string> m_names;
    std::vector<std::string> m_operatorNames;
};
