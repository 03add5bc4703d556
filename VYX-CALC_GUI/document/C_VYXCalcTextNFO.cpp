// SPDX-License-Identifier: MIT
// C_VYXCalcTextNFO: serialization of the calculation area's record.
#include "C_VYXCalcTextNFO.h"

#include "C_VYXArchive.h"

void C_VYXCalcTextNFO::Serialize(C_VYXArchive& ar) {
    if (ar.IsStoring()) {
        // The control holds the truth while the document is open; the record only mirrors it.
        if (m_pEdit != nullptr) {
            text = m_pEdit->LiveText();
            selStart = m_pEdit->LiveSelectionStart();
            selEnd = m_pEdit->LiveSelectionEnd();
        }
        selValid = 1;
        ar.WriteString(text);
        ar.WriteInt(selStart);
        ar.WriteInt(selEnd);
        ar.WriteInt(fontSize);
        ar.WriteInt(showReal);
        ar.WriteInt(showRational);
        return;
    }
    text = ar.ReadString();
    textValid = 1;
    selStart = ar.ReadInt();
    selEnd = ar.ReadInt();
    selValid = 1;
    fontSize = ar.ReadInt();
    fontChanged = 1;
    showReal = ar.ReadInt();
    showRational = ar.ReadInt();
}
