// SPDX-License-Identifier: MIT
// C_VYXStatusBar: the main window's status bar: message pane and the CAP, NUM, SCRL indicators.
#pragma once

#include "C_VYXStatusSink.h"

#include <QStatusBar>

#include <array>
#include <optional>

class QKeyEvent;
class QLabel;

/// The first pane holds what the document last reported ("Number of calculations: 3"), or the
/// live preview of the caret's line while there is one ("= 25/36 //≈0.694444"); the prompts of menu
/// items and toolbar buttons are shown over it while the pointer rests on them. The indicators show
/// the lock keys: read from the keyboard's LEDs where the system offers them, otherwise as the key
/// events seen by the program tell.
class C_VYXStatusBar : public QStatusBar, public C_VYXStatusSink {
    Q_OBJECT

public:
    enum class LockKey { Caps, Num, Scroll };
    static constexpr int kLockKeyCount = 3;
    /// A lock's state, none while it is not known.
    using LockStates = std::array<std::optional<bool>, kLockKeyCount>;

    static inline const QString DefaultLedDirectory = QStringLiteral("/sys/class/leds");

    explicit C_VYXStatusBar(QWidget* parent = nullptr,
                            const QString& ledDirectory = DefaultLedDirectory);

    void ShowStatusText(const QString& text) override;
    /// Shown instead of the document's text while not empty.
    void ShowPreview(const QString& preview);
    /// The first pane's text as shown.
    QString StatusText() const;
    /// The bar's width at which `text` shows in full beside the lock indicators.
    int WidthToShow(const QString& text) const;

    /// Whether the indicator is lit.
    bool IsLockOn(LockKey key) const;
    /// Reads the LEDs of another directory (tests, unusual systems).
    void SetLedDirectory(const QString& ledDirectory);

    /// The lock LEDs under `ledDirectory` (entries named "<device>::capslock" and so on, each
    /// with a "brightness" file); a lock is on when any keyboard's LED is lit.
    static LockStates ReadLockLeds(const QString& ledDirectory);
    /// What a key event tells of the locks: a letter's case against Shift tells Caps Lock, a
    /// keypad key tells Num Lock by typing a digit or moving, a lock key flips its own lock.
    static void InferFromKey(const QKeyEvent& event, LockStates& states);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowMessage();
    void ReadLeds();
    void ShowLocks();

    QLabel* m_pMessagePane;
    QString m_documentText;
    QString m_preview;
    std::array<QLabel*, kLockKeyCount> m_lockPanes{};
    QString m_ledDirectory;
    /// From the LEDs: a lock with an LED is never guessed.
    LockStates m_ledStates;
    /// Guessed from key events, for the locks without an LED.
    LockStates m_inferredStates;
};
