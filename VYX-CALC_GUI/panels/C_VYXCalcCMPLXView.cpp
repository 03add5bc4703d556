// SPDX-License-Identifier: MIT
// C_VYXCalcCMPLXView: the buttons of the complex functions and the always-show-argument box.
#include "C_VYXCalcCMPLXView.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXPanelOwner.h"
#include "C_VYXResourceIds.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct ComplexButton {
    int id;
    const char* caption;
    const char* inserts;
    const char* tooltip;
};

// Three to a row; the functions get their opening parenthesis, the user types the rest.
constexpr ComplexButton kComplexButtons[] = {
    {1024, "i", "i", "i or j."},         {1014, "ABS", "ABS(", "Absolute value."},
    {1015, "ARG", "ARG(", "Argument."},  {1025, "Cnj", "CNJ(", "Conjugate."},
    {1022, "ReP", "REP(", "Real part."}, {1023, "ImP", "IMP(", "Imaginary part."},
};
constexpr int kButtonColumns = 3;

} // namespace

C_VYXCalcCMPLXView::C_VYXCalcCMPLXView(C_VYXPanelOwner& owner)
    : C_VYXDlgFix(owner, C_VYXResourceIds::kDlgComplex, QStringLiteral("CMPLX Functions"),
                  Side::Left) {
    setObjectName(QStringLiteral("complexPanel"));
}

QString C_VYXCalcCMPLXView::ButtonObjectName(int id) {
    return QStringLiteral("complexButton%1").arg(id);
}

void C_VYXCalcCMPLXView::SetupControls() {
    setFont(QFont(QStringLiteral("Verdana"), 10));
    const QFontMetrics metrics(font());
    const QSize buttonSize(qMax(40, metrics.horizontalAdvance(QStringLiteral("ABS")) * 2),
                           qMax(26, metrics.height() * 7 / 4));

    auto* column = new QVBoxLayout(this);
    column->setSpacing(8);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSizeConstraint(QLayout::SetFixedSize);
    // The buttons share the width of the check box below them, edge to edge.
    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    column->addLayout(grid);

    int index = 0;
    for (const ComplexButton& entry : kComplexButtons) {
        auto* button = new QPushButton(QString::fromLatin1(entry.caption), this);
        button->setObjectName(ButtonObjectName(entry.id));
        button->setToolTip(QString::fromLatin1(entry.tooltip));
        button->setAccessibleName(button->toolTip());
        button->setMinimumSize(buttonSize);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        const QString inserts = QString::fromLatin1(entry.inserts);
        connect(button, &QPushButton::clicked, this, [this, inserts] {
            Owner().CalcArea().InsertText(inserts);
            // The user types the argument where the button wrote.
            Owner().FocusCalcArea();
        });
        grid->addWidget(button, index / kButtonColumns, index % kButtonColumns);
        ++index;
    }

    m_pArgumentCheckBox =
        new QCheckBox(QStringLiteral("For complex numbers\nallways show the argument."), this);
    m_pArgumentCheckBox->setObjectName(ArgumentCheckBoxObjectName);
    m_pArgumentCheckBox->setAccessibleName(QStringLiteral("Always show the argument"));
    connect(m_pArgumentCheckBox, &QCheckBox::clicked, this,
            &C_VYXCalcCMPLXView::OnArgumentCheckBoxClicked);
    column->addWidget(m_pArgumentCheckBox);
}

void C_VYXCalcCMPLXView::ReadSettings() {
    m_pArgumentCheckBox->setChecked(Document()->Settings().CMPLX().m_nAlwaysShowArgument != 0);
}

void C_VYXCalcCMPLXView::OnArgumentCheckBoxClicked(bool checked) {
    // Results already written stay as they are; the next line follows the new setting.
    Document()->Settings().CMPLX().m_nAlwaysShowArgument = checked ? 1 : 0;
    Document()->SetModifiedFlag();
}

void C_VYXCalcCMPLXView::keyPressEvent(QKeyEvent* event) {
    // A focused button takes Enter itself; anywhere else Enter ends the dialog as OK does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        accept();
        return;
    }
    C_VYXDlgFix::keyPressEvent(event);
}
