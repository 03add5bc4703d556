// SPDX-License-Identifier: MIT
// VYXCalculator: the one entry point of the engine.
#pragma once

#include "VYXExport.h"
#include "VYXNum.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class VYXParser;

/// Answers a yes/no question (caption, text); true means Yes. Stands in for the owner window
/// of the confirmation box, so the engine itself needs no GUI.
using VYXConfirmHandler = std::function<bool(const std::string& caption, const std::string& text)>;

/// Evaluates one line of expression text at a time and keeps the engine settings.
class VYX_API VYXCalculator {
public:
    /// The handler answers the overwrite question of SetVariable; without one the answer is Yes.
    explicit VYXCalculator(VYXConfirmHandler confirm = nullptr);
    /// Copies the settings; the copy shares the parser (and so variables and angle unit).
    VYXCalculator(const VYXCalculator& other);
    VYXCalculator& operator=(const VYXCalculator& other);
    virtual ~VYXCalculator();

    void SetOwnerWnd(VYXConfirmHandler confirm) { m_confirm = std::move(confirm); }
    const VYXConfirmHandler& GetOwnerWnd() const { return m_confirm; }
    void SetApproxOnOff(int on) { m_bApprox = on != 0; }
    void SetArgOnOff(int on) { m_bArg = on != 0; }
    bool GetApproxOnOff() const { return m_bApprox; }
    bool GetArgOnOff() const { return m_bArg; }
    void SetDecimals(int decimals) { m_nDecimals = decimals; }
    int GetDecimals() const { return m_nDecimals; }
    /// Accepts "ANGLE_RAD", "ANGLE_DEG" or "ANGLE_GRA"; anything else is ignored.
    void SetAngle(std::string unit);
    /// "RAD", "DEG" or "GRA".
    std::string GetAngle() const;

    /// Evaluates the expression. Returns a new number owned by the caller, or null on any error
    /// (the message is then kept for GetExceptionMessage).
    VYXNum* ParseString(std::string expression);
    /// The last error message; reading it clears it.
    std::string GetExceptionMessage();

    /// Defines a variable from an expression, asking before overwriting an existing one.
    /// Refused names and failing expressions throw the engine's exceptions.
    void SetVariable(std::string name, std::string valueExpression);
    /// "name=value" for every variable, in ascending name order, with the decimals setting.
    std::vector<std::string> GetDefinedVars();

private:
    std::shared_ptr<VYXParser> m_pParser;
    bool m_bApprox = true;
    bool m_bArg = false;
    int m_nDecimals = 6;
    VYXConfirmHandler m_confirm;
    std::string m_strLastError;
};
