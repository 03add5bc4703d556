// SPDX-License-Identifier: MIT
// VYXCalculator: the engine's entry point, its settings and the overwrite question.
#include "VYXCalculator.h"

#include "VYXExceptions.h"
#include "VYXParser.h"

#include <algorithm>
#include <exception>
#include <utility>

VYXCalculator::VYXCalculator(VYXConfirmHandler confirm)
    : m_pParser(std::make_shared<VYXParser>()), m_confirm(std::move(confirm)) {}

VYXCalculator::VYXCalculator(const VYXCalculator& other) = default;

VYXCalculator& VYXCalculator::operator=(const VYXCalculator& other) = default;

VYXCalculator::~VYXCalculator() = default;

void VYXCalculator::SetAngle(std::string unit) {
    if (unit == "ANGLE_RAD") {
        m_pParser->SetAngle("RAD");
    } else if (unit == "ANGLE_DEG") {
        m_pParser->SetAngle("DEG");
    } else if (unit == "ANGLE_GRA") {
        m_pParser->SetAngle("GRA");
    }
}

std::string VYXCalculator::GetAngle() const {
    return m_pParser->GetAngle();
}

VYXNum* VYXCalculator::ParseString(std::string expression) {
    // A decimal comma is accepted as a decimal point.
    std::replace(expression.begin(), expression.end(), ',', '.');
    try {
        VYXNumPtr result = m_pParser->Calculate(expression);
        result->SetPrecision(m_nDecimals);
        return result.release();
    } catch (const VYXExceptionNumberFormat& e) {
        m_strLastError = e.GetMessage();
    } catch (const VYXExceptionFunction& e) {
        m_strLastError = e.GetMessage();
    } catch (const std::exception& e) {
        m_strLastError = e.what();
    }
    return nullptr;
}

std::string VYXCalculator::GetExceptionMessage() {
    return std::exchange(m_strLastError, std::string());
}

void VYXCalculator::SetVariable(std::string name, std::string valueExpression) {
    if (m_pParser->HasVariable(name) && m_confirm &&
        !m_confirm("INFO!!", "The variable: " + name + " is already defined!!\n" + "Overwrite?")) {
        return;
    }
    m_pParser->DefineVariable(name, valueExpression);
}

std::vector<std::string> VYXCalculator::GetDefinedVars() {
    return m_pParser->GetDefinedVars(m_nDecimals);
}
