// SPDX-License-Identifier: MIT
// C_VYXStatusBar: message pane of the main window.
#include "C_VYXStatusBar.h"

#include <QLabel>

C_VYXStatusBar::C_VYXStatusBar(QWidget* parent)
    : QStatusBar(parent), m_pMessagePane(new QLabel(this)) {
    setObjectName(QStringLiteral("statusBar"));
    m_pMessagePane->setObjectName(QStringLiteral("statusMessagePane"));
    m_pMessagePane->setAccessibleName(QStringLiteral("Status"));
    addWidget(m_pMessagePane, 1);
}

void C_VYXStatusBar::ShowStatusText(const QString& text) {
    m_pMessagePane->setText(text);
}

QString C_VYXStatusBar::StatusText() const {
    return m_pMessagePane->text();
}
