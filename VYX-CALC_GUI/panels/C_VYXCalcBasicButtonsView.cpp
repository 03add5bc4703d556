// SPDX-License-Identifier: MIT
// C_VYXCalcBasicButtonsView: the numpad's button table, its grid and the decimals slider.
#include "C_VYXCalcBasicButtonsView.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXBasicButtonsNFO.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXDialogUnits.h"
#include "C_VYXPanelOwner.h"
#include "VYXCalculator.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolTip>

#include <algorithm>
#include <array>

namespace {

using Action = C_VYXCalcBasicButtonsView::Action;
using ButtonInfo = C_VYXCalcBasicButtonsView::ButtonInfo;

// The panel's layout in dialog units: an 8-unit margin, 15-unit cells.
constexpr int kMarginUnits = 8;
constexpr int kCellUnits = 15;
// The slider takes five of the six rows; the sixth shows its number.
constexpr int kSliderRows = 5;
constexpr int kSliderColumn = 8;

// clang-format off
constexpr std::array kButtons{
    ButtonInfo{1040,   8,  8, u"e\u207F",       u"e^",       u"e powered to n."},
    ButtonInfo{1029,  23,  8, u"ln",            u"ln",       u"Natural logarithm."},
    ButtonInfo{1035,  38,  8, u"10\u207F",      u"10^",      u"Ten powered to n."},
    ButtonInfo{1042,  53,  8, u"log",           u"log",      u"Ten logarithm."},
    ButtonInfo{1036,  68,  8, u"\u207F\u221A",  u"\u207F\u221A", u"N root out of x."},
    ButtonInfo{1190,  83,  8, u"\u215E",        u"\u215E",   u""},
    ButtonInfo{1034,   8, 23, u"x\u00B2",       u"\u00B2",   u"X powered to two."},
    ButtonInfo{1039,  23, 23, u"\u221A",        u"\u221A",   u"Square root out of x."},
    ButtonInfo{1046,  38, 23, u"x\u00B3",       u"\u00B3",   u"X powered to three"},
    ButtonInfo{1047,  53, 23, u"\u00B3\u221A",  u"\u00B3\u221A", u"Third root out of x."},
    ButtonInfo{1041,  68, 23, u"x\u207F",       u"^",        u"X powered to n."},
    ButtonInfo{1187,  83, 23, u"\u215B",        u"\u215B",   u""},
    ButtonInfo{1188,  98, 23, u"\u215C",        u"\u215C",   u""},
    ButtonInfo{1189, 113, 23, u"\u215D",        u"\u215D",   u""},
    ButtonInfo{1013,   8, 38, u"7",             u"7",        u""},
    ButtonInfo{1018,  23, 38, u"8",             u"8",        u""},
    ButtonInfo{1021,  38, 38, u"9",             u"9",        u""},
    ButtonInfo{1130,  53, 38, u"x\u02C9\u00B9", u"\u02C9\u00B9", u"X inverted."},
    ButtonInfo{1043,  68, 38, u"\u03C0",        u"\u03C0",   u"Pi."},
    ButtonInfo{1185,  83, 38, u"\u00BD",        u"\u00BD",   u""},
    ButtonInfo{1093,  98, 38, u"\u00BC",        u"\u00BC",   u""},
    ButtonInfo{1186, 113, 38, u"\u00BE",        u"\u00BE",   u""},
    ButtonInfo{1014,   8, 53, u"4",             u"4",        u""},
    ButtonInfo{1024,  23, 53, u"5",             u"5",        u""},
    ButtonInfo{1019,  38, 53, u"6",             u"6",        u""},
    ButtonInfo{1026,  53, 53, u"\u00D7",        u"\u00D7",   u""},
    ButtonInfo{1032,  68, 53, u"/",             u"/",        u""},
    ButtonInfo{1044,  83, 53, u"%",             u"%",        u"Percent."},
    ButtonInfo{1192,  98, 53, u"\u2030",        u"\u2030",   u"Permille."},
    ButtonInfo{1144, 113, 53, u"\u2248",        u"",         u"Calculate approx. value.", Action::Approximate},
    ButtonInfo{1015,   8, 68, u"1",             u"1",        u""},
    ButtonInfo{1023,  23, 68, u"2",             u"2",        u""},
    ButtonInfo{1020,  38, 68, u"3",             u"3",        u""},
    ButtonInfo{1027,  53, 68, u"+",             u"+",        u""},
    ButtonInfo{1033,  68, 68, u"-",             u"-",        u""},
    ButtonInfo{1037,  83, 68, u"(",             u"(",        u"Left brace."},
    ButtonInfo{1038,  98, 68, u")",             u")",        u"Right brace."},
    ButtonInfo{1030, 113, 68, u"=",             u"",         u"Enter.", Action::Enter},
    ButtonInfo{1016,   8, 83, u"0",             u"0",        u""},
    ButtonInfo{1183,  23, 83, u"00",            u"00",       u""},
    ButtonInfo{1184,  38, 83, u"000",           u"000",      u""},
    ButtonInfo{1017,  53, 83, u"EXP",           u"EXP",      u"Exp."},
    ButtonInfo{1022,  68, 83, u",",             u",",        u""},
    ButtonInfo{1028,  83, 83, u"DEL",           u"",         u"Delete char.", Action::DeleteChar},
    ButtonInfo{1031,  98, 83, u"CLS",           u"",         u"Clears the text area.", Action::Clear},
};
// clang-format on

constexpr int kEnterId = 1030;
constexpr int kFillerX = 98;
constexpr int kFillerY = 8;

int GridIndex(int dialogUnits) {
    return (dialogUnits - kMarginUnits) / kCellUnits;
}

} // namespace

std::span<const ButtonInfo> C_VYXCalcBasicButtonsView::Buttons() {
    return kButtons;
}

QString C_VYXCalcBasicButtonsView::ControlName(int id) {
    return QStringLiteral("numpadControl%1").arg(id);
}

C_VYXCalcBasicButtonsView::C_VYXCalcBasicButtonsView(C_VYXPanelOwner& owner)
    : C_VYXDlgFix(owner, kTemplateId, QStringLiteral("Numpad"), Side::Left),
      m_nDecimals(C_VYXBasicButtonsNFO::kDefaultDecimals) {
    setObjectName(QStringLiteral("numpadPanel"));
}

void C_VYXCalcBasicButtonsView::SetupControls() {
    QFont panelFont(QStringLiteral("Verdana"), 10);
    panelFont.setStyleHint(QFont::SansSerif);
    setFont(panelFont);

    const QFontMetrics metrics(panelFont);
    const C_VYXDialogUnits units = C_VYXDialogUnits::ForFont(panelFont);
    QSize cell(units.X(kCellUnits), units.Y(kCellUnits));
    // A substitute for Verdana may run wider: "000" and "CLS" must still fit their buttons.
    for (const ButtonInfo& info : kButtons)
        cell.setWidth(std::max(cell.width(), metrics.horizontalAdvance(info.caption.toString()) +
                                                 metrics.averageCharWidth()));
    const QSize margin(units.X(kMarginUnits), units.Y(kMarginUnits));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
    grid->setSpacing(0);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    AddButtons(*grid, cell);
    AddSlider(*grid, cell);
}

void C_VYXCalcBasicButtonsView::AddButtons(QGridLayout& grid, QSize cell) {
    for (const ButtonInfo& info : kButtons) {
        auto* button = new QPushButton(info.caption.toString(), this);
        button->setObjectName(ControlName(info.id));
        button->setAccessibleName(info.tooltip.isEmpty() ? info.caption.toString()
                                                         : info.tooltip.toString());
        if (!info.tooltip.isEmpty())
            button->setToolTip(info.tooltip.toString());
        // Enter must neither close the panel nor press the button that last had the focus.
        button->setAutoDefault(false);
        const int rows = info.id == kEnterId ? 2 : 1;
        button->setFixedSize(cell.width(), cell.height() * rows);
        grid.addWidget(button, GridIndex(info.y), GridIndex(info.x), rows, 1);
        connect(button, &QPushButton::clicked, this, [this, &info] { OnButton(info); });
    }

    // The template's empty button beside "⅞", two cells wide, only fills the row.
    auto* filler = new QPushButton(this);
    filler->setObjectName(ControlName(kFillerId));
    filler->setEnabled(false);
    filler->setFocusPolicy(Qt::NoFocus);
    filler->setFixedSize(cell.width() * 2, cell.height());
    grid.addWidget(filler, GridIndex(kFillerY), GridIndex(kFillerX), 1, 2);
}

void C_VYXCalcBasicButtonsView::AddSlider(QGridLayout& grid, QSize cell) {
    m_pSlider = new QSlider(Qt::Vertical, this);
    m_pSlider->setObjectName(ControlName(kSliderId));
    m_pSlider->setAccessibleName(QStringLiteral("Precision slider."));
    m_pSlider->setToolTip(QStringLiteral("Precision slider."));
    m_pSlider->setRange(C_VYXBasicButtonsNFO::kMinDecimals, C_VYXBasicButtonsNFO::kMaxDecimals);
    m_pSlider->setPageStep(1);
    m_pSlider->setTickPosition(QSlider::TicksLeft);
    m_pSlider->setTickInterval(1);
    m_pSlider->setValue(m_nDecimals);
    m_pSlider->setFixedHeight(cell.height() * kSliderRows);
    m_pSlider->setMinimumWidth(cell.width());
    grid.addWidget(m_pSlider, 0, kSliderColumn, kSliderRows, 1, Qt::AlignHCenter);
    connect(m_pSlider, &QSlider::valueChanged, this, &C_VYXCalcBasicButtonsView::OnDecimalsChanged);

    m_pDecimalsLabel = new QLabel(this);
    m_pDecimalsLabel->setObjectName(QString::fromLatin1(kDecimalsLabelName));
    m_pDecimalsLabel->setAccessibleName(QStringLiteral("Decimals"));
    m_pDecimalsLabel->setToolTip(QStringLiteral("Precision slider."));
    m_pDecimalsLabel->setAlignment(Qt::AlignCenter);
    m_pDecimalsLabel->setFixedSize(cell);
    grid.addWidget(m_pDecimalsLabel, kSliderRows, kSliderColumn, Qt::AlignHCenter);
    ShowDecimals();
    // The slider's own position tip while it is dragged.
    connect(m_pSlider, &QSlider::sliderMoved, this, [this](int position) {
        QToolTip::showText(QCursor::pos(), QString::number(position), m_pSlider);
    });
}

void C_VYXCalcBasicButtonsView::ReadSettings() {
    C_TOBRIK_CALCULATORDoc* document = Document();
    if (document == nullptr || m_pSlider == nullptr)
        return;
    {
        // Showing the record is no change of the user's: nothing is written back.
        const QSignalBlocker blocker(m_pSlider);
        m_pSlider->setValue(document->Settings().BasicButtons().m_nDecimals);
    }
    // A damaged file may hold any number; the engine gets the slider's, which is in range.
    m_nDecimals = m_pSlider->value();
    document->Calculator().SetDecimals(m_nDecimals);
    ShowDecimals();
}

void C_VYXCalcBasicButtonsView::ShowDecimals() {
    if (m_pDecimalsLabel != nullptr)
        m_pDecimalsLabel->setText(QString::number(m_nDecimals));
}

void C_VYXCalcBasicButtonsView::OnButton(const ButtonInfo& button) {
    if (!Create())
        return;
    C_VYXCalcAreaModel& area = Owner().CalcArea();
    switch (button.action) {
    case Action::Insert:
        area.InsertText(button.text.toString());
        break;
    case Action::Enter:
        area.EnterAtCaret();
        break;
    case Action::Approximate:
        area.EnterApproximate();
        break;
    case Action::DeleteChar:
        area.DeleteBackward();
        break;
    case Action::Clear:
        // ClearArea marks the document modified; no question is asked.
        area.ClearArea();
        break;
    }
    // The user goes on typing where the button wrote.
    Owner().FocusCalcArea();
}

void C_VYXCalcBasicButtonsView::OnDecimalsChanged(int decimals) {
    m_nDecimals = decimals;
    ShowDecimals();
    C_TOBRIK_CALCULATORDoc* document = Document();
    if (document != nullptr) {
        qint32& stored = document->Settings().BasicButtons().m_nDecimals;
        // A choice of the user is part of the document and must not be lost on closing; the
        // slider following a loaded record changes nothing.
        if (stored != decimals) {
            stored = decimals;
            document->SetModifiedFlag();
        }
        document->Calculator().SetDecimals(decimals);
    }
    Owner().FocusCalcArea();
}
