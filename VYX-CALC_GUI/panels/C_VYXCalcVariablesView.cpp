// SPDX-License-Identifier: MIT
// C_VYXCalcVariablesView: the variables panel's controls and their link to the variables model.
#include "C_VYXCalcVariablesView.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXPanelOwner.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

C_VYXCalcVariablesView::C_VYXCalcVariablesView(C_VYXPanelOwner& owner)
    : C_VYXDlgFix(owner, C_VYXResourceIds::kDlgVariables,
                  C_VYXStringTable::DialogCaption(C_VYXResourceIds::kDlgVariables), Side::Right) {
    setObjectName(QStringLiteral("variablesPanel"));
}

C_VYXCalcVariablesView::~C_VYXCalcVariablesView() {
    // The main window removes its panels before its document; from now on assignment lines
    // are checked as without a panel window.
    if (IsCreated())
        Model().SetPanelCreated(false);
}

C_VYXVariablesModel& C_VYXCalcVariablesView::Model() const {
    return Document()->VariablesPanel();
}

QPushButton* C_VYXCalcVariablesView::MakeButton(const QString& caption, const QString& toolTip,
                                                const char* name) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    // Enter belongs to the fields (it adds the variable); no button may take it as the default.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void C_VYXCalcVariablesView::SetupControls() {
    m_pNameEdit = new QLineEdit(this);
    m_pNameEdit->setObjectName(QStringLiteral("editVariableName"));
    m_pNameEdit->setToolTip(QStringLiteral("Variable name."));
    auto* equalsLabel = new QLabel(QStringLiteral(" ="), this);
    m_pValueEdit = new QLineEdit(this);
    m_pValueEdit->setObjectName(QStringLiteral("editVariableValue"));
    m_pValueEdit->setToolTip(QStringLiteral("Variable value."));

    m_pAddButton = MakeButton(QStringLiteral("Add"), QStringLiteral("Add variable."), "buttonAdd");
    m_pDeleteButton =
        MakeButton(QStringLiteral("Del"), QStringLiteral("Delete selected variable."), "buttonDel");
    m_pDeleteAllButton =
        MakeButton(QStringLiteral("Delete all."), QStringLiteral("Delete all defined variables."),
                   "buttonDeleteAll");
    m_pUseButton = MakeButton(QStringLiteral("Use selected."),
                              QStringLiteral("Use selected variable."), "buttonUseSelected");

    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("listVariables"));
    m_pList->setToolTip(QStringLiteral("Defined variables."));
    // The model keeps the entries sorted; the widget shows them in that order.
    m_pList->setSortingEnabled(false);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setMinimumHeight(140);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_pNameEdit, 0, 0, 1, 2);
    layout->addWidget(equalsLabel, 1, 0, 1, 2);
    layout->addWidget(m_pValueEdit, 2, 0, 1, 2);
    layout->addWidget(m_pAddButton, 3, 0);
    layout->addWidget(m_pDeleteButton, 3, 1);
    layout->addWidget(m_pList, 4, 0, 1, 2);
    layout->addWidget(m_pDeleteAllButton, 5, 0);
    layout->addWidget(m_pUseButton, 5, 1);
    layout->setRowStretch(4, 1);
    setMinimumWidth(230);
    // The fields and the list have no caption: screen readers announce their tooltips.
    for (QWidget* control : {static_cast<QWidget*>(m_pNameEdit),
                             static_cast<QWidget*>(m_pValueEdit), static_cast<QWidget*>(m_pList)})
        control->setAccessibleName(control->toolTip());

    connect(m_pNameEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { Model().SetNameField(text); });
    connect(m_pValueEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { Model().SetValueField(text); });
    connect(m_pNameEdit, &QLineEdit::returnPressed, this, &C_VYXCalcVariablesView::OnAdd);
    connect(m_pValueEdit, &QLineEdit::returnPressed, this, &C_VYXCalcVariablesView::OnAdd);
    connect(m_pAddButton, &QPushButton::clicked, this, &C_VYXCalcVariablesView::OnAdd);
    connect(m_pDeleteButton, &QPushButton::clicked, this, [this] { Model().OnDelete(); });
    connect(m_pDeleteAllButton, &QPushButton::clicked, this, [this] { Model().OnDeleteAll(); });
    connect(m_pUseButton, &QPushButton::clicked, this, &C_VYXCalcVariablesView::OnUseSelected);
    connect(m_pList, &QListWidget::currentRowChanged, this,
            [this](int row) { Model().SelectEntry(row); });

    connect(&Model(), &C_VYXVariablesModel::changed, this, &C_VYXCalcVariablesView::ShowModel);
}

void C_VYXCalcVariablesView::ReadSettings() {
    Model().SetPanelCreated(true);
    Model().RefreshFromSettings();
    ShowModel();
}

void C_VYXCalcVariablesView::PushFieldsToModel() {
    C_VYXVariablesModel& model = Model();
    if (model.NameField() != m_pNameEdit->text())
        model.SetNameField(m_pNameEdit->text());
    if (model.ValueField() != m_pValueEdit->text())
        model.SetValueField(m_pValueEdit->text());
}

void C_VYXCalcVariablesView::OnAdd() {
    PushFieldsToModel();
    Model().OnAdd();
    // A rejected add changes nothing in the list, but the fields may have changed (a numeric
    // name is emptied) and the buttons must follow them.
    ShowModel();
}

void C_VYXCalcVariablesView::OnUseSelected() {
    if (!Model().IsUseSelectedEnabled())
        return;
    Model().OnUseSelected();
    Owner().FocusCalcArea();
}

void C_VYXCalcVariablesView::ShowList() {
    const C_VYXVariablesModel& model = Model();
    const QSignalBlocker blocker(m_pList);
    if (m_shownEntries != model.ListEntries()) {
        m_shownEntries = model.ListEntries();
        m_pList->clear();
        m_pList->addItems(m_shownEntries);
    }
    const int selected = model.SelectedIndex();
    if (selected < 0) {
        m_pList->clearSelection();
        m_pList->setCurrentRow(-1);
    } else if (m_pList->currentRow() != selected) {
        m_pList->setCurrentRow(selected);
    }
}

void C_VYXCalcVariablesView::ShowModel() {
    if (m_pList == nullptr)
        return;
    const C_VYXVariablesModel& model = Model();
    // Only a real difference is written back, so the caret stays where the user types.
    if (m_pNameEdit->text() != model.NameField())
        m_pNameEdit->setText(model.NameField());
    if (m_pValueEdit->text() != model.ValueField())
        m_pValueEdit->setText(model.ValueField());
    ShowList();
    m_pAddButton->setEnabled(model.IsAddEnabled());
    m_pDeleteButton->setEnabled(model.IsDeleteEnabled());
    m_pDeleteAllButton->setEnabled(model.IsDeleteAllEnabled());
    m_pUseButton->setEnabled(model.IsUseSelectedEnabled());
}
