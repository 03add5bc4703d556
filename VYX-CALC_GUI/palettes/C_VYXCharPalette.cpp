// SPDX-License-Identifier: MIT
// C_VYXCharPalette: the button grid, the insertion of characters and the case toggle.
#include "C_VYXCharPalette.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXInkIcon.h"
#include "C_VYXPanelOwner.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QPushButton>

namespace {

/// A button caption shows an ampersand only when it is doubled.
QString CaptionOf(const QString& text) {
    return QString(text).replace(u'&', QStringLiteral("&&"));
}

} // namespace

QString C_VYXCharPalette::KeyObjectName(int id) {
    return QStringLiteral("charButton%1").arg(id);
}

C_VYXCharPalette::C_VYXCharPalette(C_VYXPanelOwner& owner, unsigned templateId,
                                   const QString& caption, Side side,
                                   std::span<const C_VYXCharKey> keys, int columns,
                                   std::optional<C_VYXCaseToggleIds> caseToggle)
    : C_VYXDlgFix(owner, templateId, caption, side), m_keys(keys), m_nColumns(columns),
      m_caseToggleIds(caseToggle),
      m_upperCaseIcon(C_VYXInkIcon::FromFile(QStringLiteral(":/icons/case-upper.svg"))),
      m_lowerCaseIcon(C_VYXInkIcon::FromFile(QStringLiteral(":/icons/case-lower.svg"))) {}

void C_VYXCharPalette::SetupControls() {
    setFont(QFont(QStringLiteral("Verdana"), 10));
    // Square cells a little taller than a line of text, as the 15-unit buttons of a dialog.
    const int cellSize = qMax(26, QFontMetrics(font()).height() * 7 / 4);

    auto* grid = new QGridLayout(this);
    grid->setSpacing(0);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    m_keyButtons.reserve(m_keys.size());
    for (std::size_t index = 0; index < m_keys.size(); ++index) {
        const C_VYXCharKey& key = m_keys[index];
        auto* button = new QPushButton(CaptionOf(QString::fromUtf16(key.upper)), this);
        button->setObjectName(KeyObjectName(key.id));
        button->setFixedSize(cellSize, cellSize);
        if (key.tooltip != nullptr) {
            button->setToolTip(QString::fromLatin1(key.tooltip));
            button->setAccessibleName(button->toolTip());
        } else {
            button->setAccessibleName(QString::fromUtf16(key.upper));
        }
        connect(button, &QPushButton::clicked, this, [this, &key] { InsertKey(key); });
        grid->addWidget(button, int(index) / m_nColumns, int(index) % m_nColumns);
        m_keyButtons.push_back(button);
    }
    if (m_caseToggleIds)
        AddCaseToggle(*grid, cellSize);
}

void C_VYXCharPalette::AddCaseToggle(QGridLayout& grid, int cellSize) {
    const int row = int(m_keys.size()) / m_nColumns;
    const int firstFree = int(m_keys.size()) % m_nColumns;
    const int fillerSpan = m_nColumns - firstFree - 1;

    // The filler only closes the row up to the toggle, as in the dialog's template.
    if (fillerSpan > 0) {
        auto* filler = new QPushButton(this);
        filler->setObjectName(kFillerObjectName);
        filler->setEnabled(false);
        filler->setFocusPolicy(Qt::NoFocus);
        filler->setFixedSize(cellSize * fillerSpan, cellSize);
        grid.addWidget(filler, row, firstFree, 1, fillerSpan);
    }

    m_pCaseToggle = new QPushButton(this);
    m_pCaseToggle->setObjectName(kCaseToggleObjectName);
    m_pCaseToggle->setAccessibleName(kCaseToggleText);
    m_pCaseToggle->setToolTip(kCaseToggleTooltip);
    m_pCaseToggle->setFixedSize(cellSize, cellSize);
    m_pCaseToggle->setIconSize(QSize(cellSize - 8, cellSize - 8));
    connect(m_pCaseToggle, &QPushButton::clicked, this, &C_VYXCharPalette::ToggleCase);
    grid.addWidget(m_pCaseToggle, row, m_nColumns - 1);
}

void C_VYXCharPalette::ReadSettings() {
    ShowCase();
}

bool C_VYXCharPalette::IsUpperCase() {
    const qint32* flag = CaseFlag();
    return flag != nullptr && *flag != 0;
}

QString C_VYXCharPalette::KeyText(const C_VYXCharKey& key) {
    return QString::fromUtf16(IsUpperCase() ? key.upper : key.lower);
}

void C_VYXCharPalette::InsertKey(const C_VYXCharKey& key) {
    Owner().CalcArea().InsertText(KeyText(key));
    // The user goes on typing where the key wrote.
    Owner().FocusCalcArea();
}

void C_VYXCharPalette::ToggleCase() {
    qint32* flag = CaseFlag();
    if (flag == nullptr)
        return;
    *flag = *flag != 0 ? 0 : 1;
    ShowCase();
    // The case belongs to the document: changing it is a change to save.
    Document()->SetModifiedFlag();
}

void C_VYXCharPalette::ShowCase() {
    // What a button shows is always what it inserts.
    for (std::size_t index = 0; index < m_keyButtons.size(); ++index)
        m_keyButtons[index]->setText(CaptionOf(KeyText(m_keys[index])));
    if (m_pCaseToggle == nullptr)
        return;
    const QIcon& icon = IsUpperCase() ? m_upperCaseIcon : m_lowerCaseIcon;
    m_pCaseToggle->setIcon(icon);
    m_pCaseToggle->setText(icon.isNull() ? kCaseToggleText : QString());
}
