// SPDX-License-Identifier: MIT
// C_VYXCalcConvertView: controls of the unit converter and their wiring to the model.
#include "C_VYXCalcConvertView.h"

#include "C_VYXDialogUnits.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXConverterModel.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

/// Where a control stands, in dialog units, and what it tells the user.
struct ControlPlacement {
    const char* objectName;
    QRect units;
    const char* accessibleName;
    const char* toolTip; ///< null: the control has no tooltip
};

// clang-format off
constexpr ControlPlacement kPlacements[] = {
    {"labelCategory",     {7, 9, 52, 8},      "Category",          nullptr},
    {"labelConvertFrom",  {7, 21, 52, 8},     "Convert from",      nullptr},
    {"labelConvertTo",    {7, 33, 52, 8},     "Convert to",        nullptr},
    {"comboCategory",     {59, 7, 104, 12},   "Category",          "Cathegories of units."},
    {"editValue",         {59, 19, 104, 12},  "Value",             "The value of the unit."},
    {"editResult",        {59, 32, 104, 12},  "Result",            ""},
    {"comboFromUnit",     {165, 19, 60, 12},  "Convert from",      "Convert from this unit."},
    {"comboToUnit",       {165, 32, 60, 12},  "Convert to",        "Convert to this unit."},
    {"buttonConvert",     {164, 46, 61, 14},  "Convert",           "Convert the desired unit."},
    {"buttonAdd",         {164, 61, 30, 14},  "Add",               "Add the latest conversion to the list."},
    {"buttonDelete",      {195, 61, 30, 14},  "Del",               "Delete marked conversion."},
    {"buttonUse",         {164, 76, 30, 14},  "Use",               "Use the marked conversion."},
    {"buttonDeleteAll",   {195, 76, 30, 14},  "Del all",           "Delete all conversions in the list."},
    {"listSavedConversions", {7, 46, 156, 44}, "Saved conversions", nullptr},
};
// clang-format on
constexpr QSize kDialogUnits(232, 97);

QStringList EntriesOf(const QComboBox& box) {
    QStringList entries;
    for (int i = 0; i < box.count(); ++i)
        entries.append(box.itemText(i));
    return entries;
}

QStringList EntriesOf(const QListWidget& list) {
    QStringList entries;
    for (int i = 0; i < list.count(); ++i)
        entries.append(list.item(i)->text());
    return entries;
}

/// Refills the box only when its entries changed, so an open box keeps its state.
void ShowEntries(QComboBox& box, const QStringList& entries, int selected) {
    if (EntriesOf(box) != entries) {
        box.clear();
        box.addItems(entries);
    }
    if (box.currentIndex() != selected)
        box.setCurrentIndex(selected);
}

QComboBox* MakeUnitBox(QWidget* parent, const char* objectName) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(objectName));
    // Editable like the desktop's drop-down boxes; a typed text never becomes an entry.
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // No inline completion: the box shows exactly what was typed, as Add writes it.
    box->setCompleter(nullptr);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(objectName));
    // Enter must neither convert nor close the panel: no button is the default.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const char* objectName, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

} // namespace

C_VYXCalcConvertView::C_VYXCalcConvertView(C_VYXPanelOwner& owner)
    : C_VYXDlgFix(owner, C_VYXResourceIds::kDlgConversion,
                  C_VYXStringTable::DialogCaption(C_VYXResourceIds::kDlgConversion), Side::Right) {
    setObjectName(QStringLiteral("panelConversion"));
}

C_VYXCalcConvertView::~C_VYXCalcConvertView() = default;

void C_VYXCalcConvertView::SetupControls() {
    setFont(QFont(QStringLiteral("Verdana"), 10));
    CreateControls();
    ConnectControls();

    const C_VYXDialogUnits units = C_VYXDialogUnits::ForFont(font());
    for (const ControlPlacement& placement : kPlacements) {
        auto* control = findChild<QWidget*>(QLatin1String(placement.objectName));
        Q_ASSERT(control != nullptr);
        control->setGeometry(units.ToPixels(placement.units));
        control->setAccessibleName(QLatin1String(placement.accessibleName));
        if (placement.toolTip != nullptr)
            control->setToolTip(QLatin1String(placement.toolTip));
    }
    setFixedSize(units.X(kDialogUnits.width()), units.Y(kDialogUnits.height()));
}

void C_VYXCalcConvertView::CreateControls() {
    MakeLabel(this, "labelCategory", QStringLiteral("Category:"));
    MakeLabel(this, "labelConvertFrom", QStringLiteral("Convert from:"));
    MakeLabel(this, "labelConvertTo", QStringLiteral("Convert to:"));

    m_pCategoryBox = MakeUnitBox(this, "comboCategory");
    m_pFromBox = MakeUnitBox(this, "comboFromUnit");
    m_pToBox = MakeUnitBox(this, "comboToUnit");

    m_pValueEdit = new QLineEdit(this);
    m_pValueEdit->setObjectName(QStringLiteral("editValue"));
    m_pResultEdit = new QLineEdit(this);
    m_pResultEdit->setObjectName(QStringLiteral("editResult"));
    m_pResultEdit->setEnabled(false);

    m_pConvertButton = MakeButton(this, "buttonConvert", QStringLiteral("Convert"));
    m_pAddButton = MakeButton(this, "buttonAdd", QStringLiteral("Add"));
    m_pDeleteButton = MakeButton(this, "buttonDelete", QStringLiteral("Del"));
    m_pUseButton = MakeButton(this, "buttonUse", QStringLiteral("Use"));
    m_pDeleteAllButton = MakeButton(this, "buttonDeleteAll", QStringLiteral("Del all"));

    m_pSavedList = new QListWidget(this);
    m_pSavedList->setObjectName(QStringLiteral("listSavedConversions"));
    m_pSavedList->setSelectionMode(QAbstractItemView::SingleSelection);
}

void C_VYXCalcConvertView::ConnectControls() {
    // activated and textEdited come from the user only, so showing the model echoes nothing.
    connect(m_pCategoryBox, &QComboBox::activated, this, &C_VYXCalcConvertView::OnCategoryChosen);
    connect(m_pFromBox, &QComboBox::activated, this, &C_VYXCalcConvertView::OnFromUnitChosen);
    connect(m_pToBox, &QComboBox::activated, this, &C_VYXCalcConvertView::OnToUnitChosen);
    connect(m_pFromBox->lineEdit(), &QLineEdit::textEdited, this,
            &C_VYXCalcConvertView::OnFromTextEdited);
    connect(m_pValueEdit, &QLineEdit::textEdited, this, &C_VYXCalcConvertView::OnValueEdited);
    connect(m_pSavedList, &QListWidget::itemSelectionChanged, this,
            &C_VYXCalcConvertView::OnListSelectionChanged);

    connect(m_pConvertButton, &QPushButton::clicked, this,
            [this] { Run([this] { m_pModel->Convert(); }); });
    connect(m_pAddButton, &QPushButton::clicked, this,
            [this] { Run([this] { m_pModel->Add(); }); });
    connect(m_pDeleteButton, &QPushButton::clicked, this,
            [this] { Run([this] { m_pModel->Delete(); }); });
    connect(m_pUseButton, &QPushButton::clicked, this,
            [this] { Run([this] { m_pModel->Use(); }); });
    connect(m_pDeleteAllButton, &QPushButton::clicked, this,
            [this] { Run([this] { m_pModel->DeleteAll(); }); });
}

void C_VYXCalcConvertView::ReadSettings() {
    C_TOBRIK_CALCULATORDoc& document = *Document();
    // A new or loaded document brings a new record: the model is made anew over it.
    m_pModel = std::make_unique<C_VYXConverterModel>(
        document.Settings().Convert(), document.PanelContext(), document.MessageBoxes());
    ShowModel();
}

template <typename Action> void C_VYXCalcConvertView::Run(Action action) {
    if (!m_pModel || m_bShowingModel)
        return;
    action();
    ShowModel();
}

void C_VYXCalcConvertView::OnCategoryChosen(int index) {
    Run([this, index] { m_pModel->SelectCategory(index); });
}

void C_VYXCalcConvertView::OnFromUnitChosen(int index) {
    Run([this, index] { m_pModel->SelectFromUnit(index); });
}

void C_VYXCalcConvertView::OnToUnitChosen(int index) {
    Run([this, index] { m_pModel->SelectToUnit(index); });
}

void C_VYXCalcConvertView::OnFromTextEdited(const QString& text) {
    Run([this, &text] { m_pModel->EditFromBoxText(text); });
}

void C_VYXCalcConvertView::OnValueEdited(const QString& text) {
    Run([this, &text] { m_pModel->EditValueText(text); });
}

void C_VYXCalcConvertView::OnListSelectionChanged() {
    const QList<QListWidgetItem*> selected = m_pSavedList->selectedItems();
    const int row = selected.isEmpty() ? -1 : m_pSavedList->row(selected.first());
    Run([this, row] { m_pModel->MarkEntry(row); });
}

void C_VYXCalcConvertView::ShowModel() {
    m_bShowingModel = true;
    ShowEntries(*m_pCategoryBox, m_pModel->CategoryEntries(), m_pModel->CategoryIndex());
    ShowUnitBoxes();
    if (m_pValueEdit->text() != m_pModel->ValueText())
        m_pValueEdit->setText(m_pModel->ValueText());
    m_pResultEdit->setText(m_pModel->ResultText());
    ShowSavedList();
    ShowButtons();
    m_bShowingModel = false;
}

void C_VYXCalcConvertView::ShowUnitBoxes() {
    ShowEntries(*m_pFromBox, m_pModel->UnitEntries(), m_pModel->FromIndex());
    ShowEntries(*m_pToBox, m_pModel->UnitEntries(), m_pModel->ToIndex());
    // The from box may hold a hand-typed text; Add writes what the box shows.
    if (m_pFromBox->currentText() != m_pModel->FromBoxText())
        m_pFromBox->setEditText(m_pModel->FromBoxText());
}

void C_VYXCalcConvertView::ShowSavedList() {
    if (EntriesOf(*m_pSavedList) != m_pModel->SavedEntries()) {
        m_pSavedList->clear();
        m_pSavedList->addItems(m_pModel->SavedEntries());
    }
    const int marked = m_pModel->MarkedEntry();
    if (marked >= 0) {
        m_pSavedList->setCurrentRow(marked);
    } else {
        m_pSavedList->clearSelection();
        m_pSavedList->setCurrentItem(nullptr);
    }
}

void C_VYXCalcConvertView::ShowButtons() {
    m_pConvertButton->setEnabled(m_pModel->IsConvertEnabled());
    m_pAddButton->setEnabled(m_pModel->IsAddEnabled());
    m_pDeleteButton->setEnabled(m_pModel->IsDeleteEnabled());
    m_pUseButton->setEnabled(m_pModel->IsUseEnabled());
    m_pDeleteAllButton->setEnabled(m_pModel->IsDeleteAllEnabled());
}
