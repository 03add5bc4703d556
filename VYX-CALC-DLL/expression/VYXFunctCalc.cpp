// SPDX-License-Identifier: MIT
// VYXFunctCalc: builds the function table and applies functions by name.
#include "VYXFunctCalc.h"

#include "VYXExceptions.h"
#include "VYXFunctElementary.h"
#include "VYXFunctOther.h"
#include "VYXFunctPowers.h"
#include "VYXFunctTrig.h"

VYXFunctCalc::VYXFunctCalc() {
    // Searches take the first match, so the longer names stand before the names they begin with.
    m_functions.push_back(std::make_unique<VYXFunctASin>());
    m_functions.push_back(std::make_unique<VYXFunctACos>());
    m_functions.push_back(std::make_unique<VYXFunctATan>());
    m_functions.push_back(std::make_unique<VYXFunctSinh>());
    m_functions.push_back(std::make_unique<VYXFunctCosh>());
    m_functions.push_back(std::make_unique<VYXFunctTanh>());
    m_functions.push_back(std::make_unique<VYXFunctSin>());
    m_functions.push_back(std::make_unique<VYXFunctCos>());
    m_functions.push_back(std::make_unique<VYXFunctTan>());
    m_functions.push_back(std::make_unique<VYXFunctLn>());
    m_functions.push_back(std::make_unique<VYXFunctLog>());
    m_functions.push_back(std::make_unique<VYXFunctEpow>());
    m_functions.push_back(std::make_unique<VYXFunctPow>());
    m_functions.push_back(std::make_unique<VYXFunctNrt>());
    m_functions.push_back(std::make_unique<VYXFunctFac>());
    m_functions.push_back(std::make_unique<VYXFunctSqrt>());
    m_functions.push_back(std::make_unique<VYXFunctPercent>());
    m_functions.push_back(std::make_unique<VYXFunctAbs>());
    m_functions.push_back(std::make_unique<VYXFunctArg>());
    m_functions.push_back(std::make_unique<VYXFunctCnj>());
    m_functions.push_back(std::make_unique<VYXFunctRep>());
    m_functions.push_back(std::make_unique<VYXFunctImp>());

    for (const auto& function : m_functions) {
        m_names.push_back(function->GetName());
        if (function->IsOperatorFunction()) {
            m_operatorNames.push_back(function->GetName());
        }
    }
}

VYXFunctCalc::~VYXFunctCalc() = default;

void VYXFunctCalc::SetAngle(const std::string& unit) {
    if (unit == "RAD" || unit == "DEG" || unit == "GRA") {
        m_strAngleUnit = unit;
    }
}

VYXNum* VYXFunctCalc::ApplyFunction(const std::string& name, VYXNum* first, VYXNum* second) {
    for (const auto& function : m_functions) {
        if (function->GetName() != name) {
            continue;
        }
        // Powers and roots are not angles: they always work in radians.
        if (name == "^" || name == "~") {
            return function->Apply(first, second, "RAD");
        }
        return function->Apply(first, nullptr, m_strAngleUnit);
    }
    throw VYXExceptionFunction("ERROR!! THE FUNCTION: " + name + " IS NOT DEFINED!!");
}
