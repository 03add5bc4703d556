// SPDX-License-Identifier: MIT
// C_VYXStatusBar: the main window's status bar with the message pane the document writes to.
#pragma once

#include "C_VYXStatusSink.h"

#include <QStatusBar>

class QLabel;

/// The first pane holds what the document last reported ("Number of calculations: 3"); the
/// prompts of menu items are shown over it while the pointer rests on them.
class C_VYXStatusBar : public QStatusBar, public C_VYXStatusSink {
    Q_OBJECT

public:
    explicit C_VYXStatusBar(QWidget* parent = nullptr);

    void ShowStatusText(const QString& text) override;
    QString StatusText() const;

private:
    QLabel* m_pMessagePane;
};
