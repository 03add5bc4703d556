// SPDX-License-Identifier: MIT
// C_VYXConverterModel: conversions, the saved list and the enabling rules of the converter panel.
#include "C_VYXConverterModel.h"

#include "C_VYXConvertNFO.h"
#include "C_VYXListOrder.h"
#include "C_VYXMessageBoxes.h"
#include "C_VYXNumberText.h"

#include <algorithm>

namespace {

int IndexIn(const QStringList& entries, qint32 index, qint32 fallback) {
    if (index >= 0 && index < entries.size())
        return index;
    return entries.isEmpty() ? -1 : std::min<qint32>(fallback, entries.size() - 1);
}

} // namespace

C_VYXConverterModel::C_VYXConverterModel(C_VYXConvertNFO& record, C_VYXPanelContext context,
                                         C_VYXMessageBoxes& messageBoxes)
    : m_pRecord(&record), m_context(std::move(context)), m_messageBoxes(messageBoxes) {
    RefreshFromSettings(record);
}

void C_VYXConverterModel::RefreshFromSettings(C_VYXConvertNFO& record) {
    m_pRecord = &record;
    m_value = record.m_dValue;
    m_valueText = C_VYXNumberText::FormatDouble(C_VYXNumberText::Format::FieldValue, m_value);
    m_resultText = record.m_strLastResult;
    FillCategoryBox();
    FillUnitBoxes();
    m_savedEntries = C_VYXListOrder::Sorted(m_pRecord->m_savedConversions);
    m_markedEntry = -1;
    UpdateButtons();
}

int C_VYXConverterModel::CategoryIndex() const {
    return IndexIn(m_categoryEntries, m_pRecord->m_nCategoryIndex, 0);
}

int C_VYXConverterModel::FromIndex() const {
    return IndexIn(m_unitEntries, m_pRecord->m_nFromIndex, 0);
}

int C_VYXConverterModel::ToIndex() const {
    return IndexIn(m_unitEntries, m_pRecord->m_nToIndex, 1);
}

void C_VYXConverterModel::FillCategoryBox() {
    m_categoryEntries.clear();
    for (const QString& category : m_pRecord->Categories()) {
        if (!m_categoryEntries.contains(category))
            m_categoryEntries.append(category);
    }
    m_categoryEntries = C_VYXListOrder::Sorted(m_categoryEntries);
    // An index from a damaged file falls back to the first entry.
    m_pRecord->m_nCategoryIndex = CategoryIndex();
    m_categoryName = m_categoryEntries.value(m_pRecord->m_nCategoryIndex);
}

void C_VYXConverterModel::FillUnitBoxes() {
    m_unitEntries = C_VYXListOrder::Sorted(m_pRecord->UnitNamesOf(m_categoryName));
    m_pRecord->m_nFromIndex = FromIndex();
    m_pRecord->m_nToIndex = ToIndex();
    m_fromName = m_unitEntries.value(m_pRecord->m_nFromIndex);
    m_toName = m_unitEntries.value(m_pRecord->m_nToIndex);
    m_fromBoxText = m_fromName;
}

void C_VYXConverterModel::FillSavedList() {
    m_context.MarkModified();
    m_savedEntries = C_VYXListOrder::Sorted(m_pRecord->m_savedConversions);
    m_markedEntry = -1;
}

void C_VYXConverterModel::UpdateButtons() {
    m_convertEnabled = !m_valueText.isEmpty();
    m_deleteEnabled = m_markedEntry >= 0;
    m_useEnabled = m_markedEntry >= 0;
    m_deleteAllEnabled = !m_savedEntries.isEmpty();
    m_addEnabled = !m_resultText.isEmpty();
}

void C_VYXConverterModel::SelectCategory(int index) {
    if (index < 0 || index >= m_categoryEntries.size())
        return;
    m_pRecord->m_nCategoryIndex = index;
    m_categoryName = m_categoryEntries.at(index);
    m_pRecord->m_nFromIndex = 0;
    m_pRecord->m_nToIndex = 1;
    m_resultText.clear();
    m_pRecord->m_strLastResult.clear();
    m_addEnabled = false;
    FillUnitBoxes();
    m_context.MarkModified();
}

void C_VYXConverterModel::SelectFromUnit(int index) {
    if (index < 0 || index >= m_unitEntries.size())
        return;
    m_pRecord->m_nFromIndex = index;
    m_fromName = m_unitEntries.at(index);
    m_fromBoxText = m_fromName;
    // A result of other units must not come back with the document either.
    m_resultText.clear();
    m_pRecord->m_strLastResult.clear();
    m_addEnabled = false;
    m_context.MarkModified();
}

void C_VYXConverterModel::SelectToUnit(int index) {
    if (index < 0 || index >= m_unitEntries.size())
        return;
    m_pRecord->m_nToIndex = index;
    m_toName = m_unitEntries.at(index);
    m_resultText.clear();
    m_pRecord->m_strLastResult.clear();
    m_addEnabled = false;
    m_context.MarkModified();
}

void C_VYXConverterModel::EditFromBoxText(const QString& text) {
    m_fromBoxText = text;
}

void C_VYXConverterModel::EditValueText(const QString& text) {
    m_valueText = text;
    // The value itself is taken only when the field is read on Convert.
    m_pRecord->m_dValue = m_value;
    m_pRecord->m_strLastResult.clear();
    m_resultText.clear();
    m_context.MarkModified();
    UpdateButtons();
}

void C_VYXConverterModel::Convert() {
    if (!m_convertEnabled)
        return;
    EditValueText(m_context.EvaluateExpressionText(m_valueText));
    if (!C_VYXNumberText::ParseDouble(m_valueText, m_value)) {
        m_messageBoxes.ShowError(QStringLiteral("ERROR!!"),
                                 QStringLiteral("Please enter a number."));
        return;
    }
    m_pRecord->m_dValue = m_value;

    if (m_fromName == m_toName) {
        m_resultText = m_valueText;
        return;
    }
    const C_VYXUnit* from = m_pRecord->FindUnit(m_fromName);
    const C_VYXUnit* to = m_pRecord->FindUnit(m_toName);
    if (from == nullptr || to == nullptr)
        return;
    QString result = C_VYXNumberText::FormatDouble(C_VYXNumberText::Format::Fixed20,
                                                   to->ConvertFrom(*from, m_value));
    result.remove(u' ');
    result = m_context.RoundToDecimals(result);
    m_resultText = result;
    m_pRecord->m_strLastResult = result;
    m_addEnabled = true;
    UpdateButtons();
}

void C_VYXConverterModel::Add() {
    if (!m_addEnabled)
        return;
    m_pRecord->m_savedConversions.append(m_valueText + u' ' + m_fromBoxText +
                                         QStringLiteral(" = ") + m_resultText + u' ' + m_toName);
    FillSavedList();
    UpdateButtons();
}

void C_VYXConverterModel::MarkEntry(int index) {
    m_markedEntry = index >= 0 && index < m_savedEntries.size() ? index : -1;
    UpdateButtons();
}

void C_VYXConverterModel::Delete() {
    if (m_savedEntries.isEmpty() || m_markedEntry < 0)
        return;
    m_pRecord->m_savedConversions.removeOne(m_savedEntries.at(m_markedEntry));
    FillSavedList();
    m_context.MarkModified();
    UpdateButtons();
}

void C_VYXConverterModel::DeleteAll() {
    if (m_savedEntries.isEmpty())
        return;
    if (!m_messageBoxes.AskYesNo(QStringLiteral("Delete all?"),
                                 QStringLiteral("Delete all convertions?")))
        return;
    m_pRecord->m_savedConversions.clear();
    m_savedEntries.clear();
    m_markedEntry = -1;
    m_context.MarkModified();
    UpdateButtons();
}

void C_VYXConverterModel::Use() {
    if (m_markedEntry < 0)
        return;
    // A comment line, so the saved conversion is never evaluated.
    m_context.InsertText(QStringLiteral("//") + m_savedEntries.at(m_markedEntry));
    m_context.MarkModified();
    UpdateButtons();
}
