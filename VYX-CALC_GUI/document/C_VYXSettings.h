// SPDX-License-Identifier: MIT
// C_VYXSettings: the document's settings, one record per area of the program.
#pragma once

#include "C_VYXBasicButtonsNFO.h"
#include "C_VYXCMPLXNFO.h"
#include "C_VYXCalcTextNFO.h"
#include "C_VYXConvertNFO.h"
#include "C_VYXKeyBoardNFO.h"
#include "C_VYXMathCharNFO.h"
#include "C_VYXTrigNFO.h"
#include "C_VYXVarNFO.h"

#include <memory>

class C_VYXArchive;

/// Owns the eight settings records of a document, each with its defaults. File New replaces
/// the whole object; views and panels read and write the records through the accessors.
class C_VYXSettings {
public:
    C_VYXSettings();
    ~C_VYXSettings();

    C_VYXSettings(const C_VYXSettings&) = delete;
    C_VYXSettings& operator=(const C_VYXSettings&) = delete;

    /// The document file's rows 1 to 21: variables, palettes' case, argument flag,
    /// trigonometry, converter, calculation area, decimals. The math record has no rows.
    void Serialize(C_VYXArchive& ar);

    C_VYXBasicButtonsNFO& BasicButtons() { return *m_pBasicButtons; }
    C_VYXCalcTextNFO& CalcText() { return *m_pCalcText; }
    C_VYXCMPLXNFO& CMPLX() { return *m_pCMPLX; }
    C_VYXConvertNFO& Convert() { return *m_pConvert; }
    C_VYXKeyBoardNFO& KeyBoard() { return *m_pKeyBoard; }
    C_VYXTrigNFO& Trig() { return *m_pTrig; }
    C_VYXVarNFO& Var() { return *m_pVar; }
    C_VYXMathCharNFO& MathChar() { return *m_pMathChar; }

    const C_VYXBasicButtonsNFO& BasicButtons() const { return *m_pBasicButtons; }
    const C_VYXCalcTextNFO& CalcText() const { return *m_pCalcText; }
    const C_VYXCMPLXNFO& CMPLX() const { return *m_pCMPLX; }
    const C_VYXConvertNFO& Convert() const { return *m_pConvert; }
    const C_VYXKeyBoardNFO& KeyBoard() const { return *m_pKeyBoard; }
    const C_VYXTrigNFO& Trig() const { return *m_pTrig; }
    const C_VYXVarNFO& Var() const { return *m_pVar; }
    const C_VYXMathCharNFO& MathChar() const { return *m_pMathChar; }

private:
    std::unique_ptr<C_VYXBasicButtonsNFO> m_pBasicButtons;
    std::unique_ptr<C_VYXCalcTextNFO> m_pCalcText;
    std::unique_ptr<C_VYXCMPLXNFO> m_pCMPLX;
    std::unique_ptr<C_VYXConvertNFO> m_pConvert;
    std::unique_ptr<C_VYXKeyBoardNFO> m_pKeyBoard;
    std::unique_ptr<C_VYXTrigNFO> m_pTrig;
    std::unique_ptr<C_VYXVarNFO> m_pVar;
    std::unique_ptr<C_VYXMathCharNFO> m_pMathChar;
};
