// SPDX-License-Identifier: MIT
// C_VYXConverterModel: the unit converter panel's state and actions, without any window.
#pragma once

#include "C_VYXPanelContext.h"

#include <QString>
#include <QStringList>

class C_VYXConvertNFO;
class C_VYXMessageBoxes;

/// What the converter panel shows (category box, value field, result field, the two unit boxes,
/// the saved list, the five buttons) and what its controls do to the record. The widget only
/// mirrors this state; the boxes' entries come here already sorted.
class C_VYXConverterModel {
public:
    C_VYXConverterModel(C_VYXConvertNFO& record, C_VYXPanelContext context,
                        C_VYXMessageBoxes& messageBoxes);

    /// Reads the record (again, e.g. after the document was replaced) into the controls.
    void RefreshFromSettings(C_VYXConvertNFO& record);

    const QStringList& CategoryEntries() const { return m_categoryEntries; }
    int CategoryIndex() const;
    const QString& CategoryName() const { return m_categoryName; }
    /// Entries of both unit boxes.
    const QStringList& UnitEntries() const { return m_unitEntries; }
    int FromIndex() const;
    int ToIndex() const;
    const QString& FromName() const { return m_fromName; }
    const QString& ToName() const { return m_toName; }
    const QString& FromBoxText() const { return m_fromBoxText; }
    const QString& ValueText() const { return m_valueText; }
    const QString& ResultText() const { return m_resultText; }
    const QStringList& SavedEntries() const { return m_savedEntries; }
    /// The marked entry of the saved list, -1 when none.
    int MarkedEntry() const { return m_markedEntry; }

    bool IsConvertEnabled() const { return m_convertEnabled; }
    bool IsAddEnabled() const { return m_addEnabled; }
    bool IsDeleteEnabled() const { return m_deleteEnabled; }
    bool IsUseEnabled() const { return m_useEnabled; }
    bool IsDeleteAllEnabled() const { return m_deleteAllEnabled; }

    void SelectCategory(int index);
    void SelectFromUnit(int index);
    void SelectToUnit(int index);
    /// The from box is an editable drop-down: a typed text is what Add writes.
    void EditFromBoxText(const QString& text);
    /// Every edit of the value field.
    void EditValueText(const QString& text);
    void Convert();
    void Add();
    void MarkEntry(int index);
    void Delete();
    void DeleteAll();
    void Use();

private:
    void FillCategoryBox();
    void FillUnitBoxes();
    void FillSavedList();
    void UpdateButtons();

    C_VYXConvertNFO* m_pRecord;
    C_VYXPanelContext m_context;
    C_VYXMessageBoxes& m_messageBoxes;

    QStringList m_categoryEntries;
    QStringList m_unitEntries;
    QStringList m_savedEntries;
    QString m_categoryName;
    QString m_fromName;
    QString m_toName;
    QString m_fromBoxText;
    QString m_valueText;
    QString m_resultText;
    /// The value as last read from the value field.
    double m_value = 1.0;
    int m_markedEntry = -1;

    bool m_convertEnabled = false;
    bool m_addEnabled = false;
    bool m_deleteEnabled = false;
    bool m_useEnabled = false;
    bool m_deleteAllEnabled = false;
};
