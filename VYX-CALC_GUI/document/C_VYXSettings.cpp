// SPDX-License-Identifier: MIT
// C_VYXSettings: creation, serialization order and release of the settings records.
#include "C_VYXSettings.h"

#include "C_VYXArchive.h"

C_VYXSettings::C_VYXSettings()
    : m_pBasicButtons(std::make_unique<C_VYXBasicButtonsNFO>()),
      m_pCalcText(std::make_unique<C_VYXCalcTextNFO>()),
      m_pCMPLX(std::make_unique<C_VYXCMPLXNFO>()), m_pConvert(std::make_unique<C_VYXConvertNFO>()),
      m_pKeyBoard(std::make_unique<C_VYXKeyBoardNFO>()), m_pTrig(std::make_unique<C_VYXTrigNFO>()),
      m_pVar(std::make_unique<C_VYXVarNFO>()), m_pMathChar(std::make_unique<C_VYXMathCharNFO>()) {}

C_VYXSettings::~C_VYXSettings() {
    // Released in creation order (members alone would go in reverse); no record refers to
    // another, so the fixed order only keeps teardown predictable.
    m_pBasicButtons.reset();
    m_pCalcText.reset();
    m_pCMPLX.reset();
    m_pConvert.reset();
    m_pKeyBoard.reset();
    m_pTrig.reset();
    m_pVar.reset();
    m_pMathChar.reset();
}

void C_VYXSettings::Serialize(C_VYXArchive& ar) {
    // The file order differs from the creation order; it is the layout of every document.
    m_pVar->Serialize(ar);
    m_pKeyBoard->Serialize(ar);
    m_pCMPLX->Serialize(ar);
    m_pTrig->Serialize(ar);
    m_pConvert->Serialize(ar);
    m_pCalcText->Serialize(ar);
    m_pBasicButtons->Serialize(ar);
}
