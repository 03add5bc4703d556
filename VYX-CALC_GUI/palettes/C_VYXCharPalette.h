// SPDX-License-Identifier: MIT
// C_VYXCharPalette: a grid of character buttons that type into the calculation area.
#pragma once

#include "C_VYXDlgFix.h"

#include <QIcon>
#include <QtGlobal>

#include <optional>
#include <span>
#include <vector>

class QPushButton;

/// One character button: its control id, what it shows and inserts in upper and in lower case
/// (the same text for symbols) and its tooltip (none when null).
struct C_VYXCharKey {
    int id;
    const char16_t* upper;
    const char16_t* lower;
    const char* tooltip;
};

/// The case toggle that ends the last row of a letter palette: the id of the disabled filler
/// button before it and its own id.
struct C_VYXCaseToggleIds {
    int fillerId;
    int toggleId;
};

/// The shared body of the Latin, Greek and Math palettes: the buttons of a key table in a
/// grid, row by row, each inserting its text at the caret of the calculation area. A palette
/// with letters ends in a case toggle whose state lives in the document's settings, so it is
/// saved with the document and a new document brings its own.
class C_VYXCharPalette : public C_VYXDlgFix {
    Q_OBJECT

public:
    static inline const QString kCaseToggleTooltip = QStringLiteral("Caps Lock.");
    static inline const QString kCaseToggleText = QStringLiteral("CLK");

    /// The object name of a key's button, from its control id.
    static QString KeyObjectName(int id);
    static inline const QString kCaseToggleObjectName = QStringLiteral("caseToggle");
    static inline const QString kFillerObjectName = QStringLiteral("caseToggleFiller");

protected:
    /// `keys` must outlive the palette (the tables are static).
    C_VYXCharPalette(C_VYXPanelOwner& owner, unsigned templateId, const QString& caption, Side side,
                     std::span<const C_VYXCharKey> keys, int columns,
                     std::optional<C_VYXCaseToggleIds> caseToggle);

    /// The document's flag for this palette's letter case (non-zero: upper case); null for a
    /// palette without a case toggle or before there is a document.
    virtual qint32* CaseFlag() { return nullptr; }

    void SetupControls() override;
    /// Shows the captions (and toggle icon) of the case the document holds.
    void ReadSettings() override;
    /// Like any plain dialog, Enter presses the focused button and Escape hides the palette.
    bool StaysOpenOnEnterAndEscape() const override { return false; }
    bool TakesKeyboard() const override { return false; }

private:
    bool IsUpperCase();
    QString KeyText(const C_VYXCharKey& key);
    void InsertKey(const C_VYXCharKey& key);
    void ToggleCase();
    void ShowCase();
    void AddCaseToggle(class QGridLayout& grid, int cellSize);

    std::span<const C_VYXCharKey> m_keys;
    int m_nColumns;
    std::optional<C_VYXCaseToggleIds> m_caseToggleIds;
    std::vector<QPushButton*> m_keyButtons;
    QPushButton* m_pCaseToggle = nullptr;
    /// Loaded with the palette: shown while upper case, resp. lower case, is active.
    QIcon m_upperCaseIcon;
    QIcon m_lowerCaseIcon;
};
