// SPDX-License-Identifier: MIT
// C_VYXCalcTrigView: controls of the trigonometry panel and their link to the triangle model.
#include "C_VYXCalcTrigView.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXAngleUnit.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXPanelOwner.h"
#include "C_VYXResourceIds.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

using Field = C_VYXTriangleModel::Field;

// Positions and sizes are dialog units of the panel's font.
constexpr QSize kPanelSize(240, 110);

struct AngleRadio {
    const char* caption;
    const char* name;
    QRect rect;
    qint32 unitId;
};

// In the order of the model's radio indices: degrees, radians, gradians.
const AngleRadio kAngleRadios[] = {
    {"Deg", "radioDegrees", {17, 18, 24, 8}, VYX_ANGLE_DEG},
    {"Rad", "radioRadians", {52, 18, 26, 8}, VYX_ANGLE_RAD},
    {"Gra", "radioGradians", {17, 30, 27, 8}, VYX_ANGLE_GRA},
};

struct FunctionButton {
    const char* name;
    QRect rect;
};

const FunctionButton kFunctionButtons[] = {
    {"sin", {12, 55, 22, 14}},  {"cos", {34, 55, 22, 14}},  {"tan", {56, 55, 22, 14}},
    {"asin", {12, 69, 22, 14}}, {"acos", {34, 69, 22, 14}}, {"atan", {56, 69, 22, 14}},
};

struct TriangleField {
    Field field;
    const char* label;
    const char* name;
    QRect rect;
};

// In tab order: the angles, then the sides. Each label stands left of its field.
const TriangleField kTriangleFields[] = {
    {C_VYXTriangleModel::FieldA, "A", "editAngleA", {99, 56, 35, 12}},
    {C_VYXTriangleModel::FieldB, "B", "editAngleB", {146, 56, 35, 12}},
    {C_VYXTriangleModel::FieldC, "C", "editAngleC", {193, 56, 35, 12}},
    {C_VYXTriangleModel::FieldSideA, "a", "editSideA", {99, 71, 35, 12}},
    {C_VYXTriangleModel::FieldSideB, "b", "editSideB", {146, 71, 35, 12}},
    {C_VYXTriangleModel::FieldSideC, "c", "editSideC", {193, 71, 35, 12}},
};
constexpr int kFieldLabelOffset = 9;
constexpr int kFieldLabelWidth = 8;
// The three columns of fields (left edges and width, dialog units) and the widest value a field
// must show whole: an angle of three digits with ten decimals.
constexpr int kFieldColumns[] = {99, 146, 193};
constexpr int kFieldWidth = 35;
const QString kWidestFieldText = QStringLiteral("188.8888888888");

/// The width of a line edit in `panel`'s style and font that shows `text` without scrolling.
int LineEditWidthFor(const QWidget& panel, const QString& text) {
    QStyleOptionFrame option;
    option.initFrom(&panel);
    option.lineWidth = panel.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &panel);
    // A line edit keeps two pixels free on each side of its text.
    const QFontMetrics metrics(panel.font());
    const QSize contents(metrics.horizontalAdvance(text) + 4, metrics.height());
    return panel.style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, &panel).width();
}

} // namespace

C_VYXCalcTrigView::C_VYXCalcTrigView(C_VYXPanelOwner& owner)
    : C_VYXDlgFix(owner, C_VYXResourceIds::kDlgTrigonometry, QStringLiteral("Trigonometry"),
                  Side::Left) {
    setObjectName(QStringLiteral("panelTrigonometry"));
}

C_VYXCalcTrigView::~C_VYXCalcTrigView() = default;

void C_VYXCalcTrigView::SetupControls() {
    setFont(QFont(QStringLiteral("Verdana"), 10));
    m_units = C_VYXDialogUnits::ForFont(font());
    m_nFieldGrowth =
        std::max(0, LineEditWidthFor(*this, kWidestFieldText) - m_units.X(kFieldWidth));
    setFixedSize(ToPixelsX(kPanelSize.width()), m_units.Y(kPanelSize.height()));

    BuildAngleGroup();
    BuildFunctionGroup();
    BuildSolverGroup();

    for (QWidget* control : findChildren<QWidget*>()) {
        control->installEventFilter(this);
        if (auto* button = qobject_cast<QPushButton*>(control))
            button->setAutoDefault(false);
    }
}

int C_VYXCalcTrigView::ToPixelsX(int dialogX) const {
    int pixels = m_units.X(dialogX);
    for (int left : kFieldColumns)
        pixels += m_nFieldGrowth * std::clamp(dialogX - left, 0, kFieldWidth) / kFieldWidth;
    return pixels;
}

void C_VYXCalcTrigView::Place(QWidget* widget, const QRect& dialogRect) const {
    const int left = ToPixelsX(dialogRect.x());
    const int top = m_units.Y(dialogRect.y());
    widget->setGeometry(left, top, ToPixelsX(dialogRect.x() + dialogRect.width()) - left,
                        m_units.Y(dialogRect.y() + dialogRect.height()) - top);
}

QPushButton* C_VYXCalcTrigView::AddButton(const QRect& dialogRect, const QString& caption,
                                          const QString& name) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    Place(button, dialogRect);
    return button;
}

void C_VYXCalcTrigView::BuildAngleGroup() {
    Place(new QGroupBox(QStringLiteral("Angle"), this), QRect(7, 8, 76, 34));
    m_pAngleGroup = new QButtonGroup(this);
    for (const AngleRadio& radio : kAngleRadios) {
        auto* button = new QRadioButton(QString::fromLatin1(radio.caption), this);
        button->setObjectName(QString::fromLatin1(radio.name));
        button->setAccessibleName(button->text());
        Place(button, radio.rect);
        m_pAngleGroup->addButton(button, radio.unitId);
    }
    connect(m_pAngleGroup, &QButtonGroup::idClicked, this, [this](int unitId) {
        m_pModel->SelectAngleUnit(unitId);
        ShowModel();
    });
}

void C_VYXCalcTrigView::BuildFunctionGroup() {
    Place(new QGroupBox(QStringLiteral("Trigonometry funct."), this), QRect(7, 44, 76, 42));
    for (const FunctionButton& function : kFunctionButtons) {
        const QString name = QString::fromLatin1(function.name);
        QPushButton* button = AddButton(function.rect, name, QStringLiteral("button_") + name);
        connect(button, &QPushButton::clicked, this, [this, name] { InsertFunctionName(name); });
    }
}

void C_VYXCalcTrigView::BuildSolverGroup() {
    Place(new QGroupBox(QStringLiteral("Triangle solver"), this), QRect(86, 8, 146, 95));
    m_pFigure = new C_VYXTriangleFigure(this);
    m_pFigure->SetDialogUnits(m_units);

    Place(new QLabel(QStringLiteral("Area:"), this), QRect(170, 20, 23, 11));
    auto* area = new QLineEdit(this);
    area->setObjectName(QStringLiteral("editArea"));
    area->setAccessibleName(QStringLiteral("Area"));
    area->setEnabled(false);
    Place(area, QRect(170, 38, 58, 12));
    m_fields[C_VYXTriangleModel::FieldArea] = area;

    for (const TriangleField& entry : kTriangleFields) {
        const QString label = QString::fromLatin1(entry.label);
        Place(new QLabel(label, this), QRect(entry.rect.x() - kFieldLabelOffset, entry.rect.y(),
                                             kFieldLabelWidth, entry.rect.height()));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(entry.name));
        edit->setAccessibleName(label);
        Place(edit, entry.rect);
        m_fields[entry.field] = edit;
        const Field field = entry.field;
        connect(edit, &QLineEdit::textEdited, this,
                [this, field](const QString& text) { OnFieldEdited(field, text); });
    }

    m_pExecute =
        AddButton(QRect(99, 86, 32, 14), QStringLiteral("EXE"), QStringLiteral("buttonExe"));
    m_pClear =
        AddButton(QRect(131, 86, 32, 14), QStringLiteral("CLR"), QStringLiteral("buttonClr"));
    m_pSecond =
        AddButton(QRect(163, 86, 32, 14), QStringLiteral("2'nd"), QStringLiteral("buttonSecond"));
    m_pUse = AddButton(QRect(195, 86, 33, 14), QStringLiteral("USE"), QStringLiteral("buttonUse"));
    m_pExecute->setToolTip(QStringLiteral("Solve the triangle."));
    m_pClear->setToolTip(QStringLiteral("Clears all the triangle values."));
    m_pSecond->setToolTip(QStringLiteral("Shows the second solution."));
    m_pUse->setToolTip(QStringLiteral("Use the calculated triangle values."));
    // Enabled by the model once the panel has read its record.
    m_pSecond->setEnabled(false);
    m_pUse->setEnabled(false);

    connect(m_pExecute, &QPushButton::clicked, this, [this] { Run(&C_VYXTriangleModel::Execute); });
    connect(m_pClear, &QPushButton::clicked, this, [this] { Run(&C_VYXTriangleModel::Clear); });
    connect(m_pSecond, &QPushButton::clicked, this,
            [this] { Run(&C_VYXTriangleModel::ToggleSecondSolution); });
    connect(m_pUse, &QPushButton::clicked, this, [this] { Run(&C_VYXTriangleModel::Use); });
}

void C_VYXCalcTrigView::ReadSettings() {
    C_TOBRIK_CALCULATORDoc* document = Document();
    if (document == nullptr)
        return;
    C_VYXTrigNFO& record = document->Settings().Trig();
    if (m_pModel == nullptr || m_pModelDocument != document) {
        // The model reads the record (and tells the engine the unit) as it is made.
        m_pModel = std::make_unique<C_VYXTriangleModel>(record, document->PanelContext(),
                                                        document->MessageBoxes());
        m_pModelDocument = document;
    } else {
        m_pModel->RefreshFromSettings(record);
    }
    ShowModel();
}

bool C_VYXCalcTrigView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && m_pModel != nullptr) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Run(&C_VYXTriangleModel::PressEnter);
            return true;
        }
    }
    return C_VYXDlgFix::eventFilter(watched, event);
}

void C_VYXCalcTrigView::Run(void (C_VYXTriangleModel::*command)()) {
    if (m_pModel == nullptr)
        return;
    (m_pModel.get()->*command)();
    ShowModel();
}

void C_VYXCalcTrigView::OnFieldEdited(Field field, const QString& text) {
    if (m_pModel == nullptr)
        return;
    m_pModel->EditField(field, text);
    ShowButtonStates();
}

void C_VYXCalcTrigView::InsertFunctionName(const QString& name) {
    Owner().CalcArea().InsertText(name);
    if (Document() != nullptr)
        Document()->SetModifiedFlag();
}

void C_VYXCalcTrigView::ShowModel() {
    if (m_pModel == nullptr)
        return;
    const int radioIndex = m_pModel->RadioIndex();
    if (radioIndex >= 0 && radioIndex < int(std::size(kAngleRadios))) {
        if (QAbstractButton* radio = m_pAngleGroup->button(kAngleRadios[radioIndex].unitId))
            radio->setChecked(true);
    }
    for (int i = 0; i < C_VYXTriangleModel::FieldCount; ++i) {
        QLineEdit* edit = m_fields[static_cast<size_t>(i)];
        const QString& text = m_pModel->FieldText(static_cast<Field>(i));
        // Rewriting an unchanged field would throw the user's caret to its end.
        if (edit->text() != text) {
            edit->setText(text);
            // Numbers are read from their first digit, as a fresh field shows them.
            edit->setCursorPosition(0);
        }
    }
    ShowButtonStates();
}

void C_VYXCalcTrigView::ShowButtonStates() {
    m_pExecute->setEnabled(m_pModel->IsExecuteEnabled());
    m_pClear->setEnabled(m_pModel->IsClearEnabled());
    m_pSecond->setEnabled(m_pModel->IsSecondEnabled());
    m_pUse->setEnabled(m_pModel->IsUseEnabled());
}
