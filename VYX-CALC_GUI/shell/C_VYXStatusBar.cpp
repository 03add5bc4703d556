// SPDX-License-Identifier: MIT
// C_VYXStatusBar: message pane, lock indicators from the LEDs or from the keys seen.
#include "C_VYXStatusBar.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

namespace {

struct LockPane {
    const char* text;
    const char* objectName;
    const char* ledSuffix;
    Qt::Key key;
};

constexpr std::array<LockPane, C_VYXStatusBar::kLockKeyCount> kLockPanes = {{
    {"CAP", "statusIndicatorCaps", "::capslock", Qt::Key_CapsLock},
    {"NUM", "statusIndicatorNum", "::numlock", Qt::Key_NumLock},
    {"SCRL", "statusIndicatorScroll", "::scrolllock", Qt::Key_ScrollLock},
}};

constexpr std::size_t Index(C_VYXStatusBar::LockKey key) {
    return static_cast<std::size_t>(key);
}

bool IsKeypadMovement(int key) {
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
    case Qt::Key_Clear:
        return true;
    default:
        return false;
    }
}

/// A key event goes to the focus widget (the window when none has the focus) and then up to
/// its parents while nobody takes it; each delivery passes the filter, only the first counts.
bool IsFirstDelivery(const QObject* watched) {
    if (!watched->isWidgetType())
        return false;
    const QWidget* focus = QApplication::focusWidget();
    const auto* widget = static_cast<const QWidget*>(watched);
    return focus != nullptr ? widget == focus : widget->isWindow();
}

} // namespace

C_VYXStatusBar::C_VYXStatusBar(QWidget* parent, const QString& ledDirectory)
    : QStatusBar(parent), m_pMessagePane(new QLabel(this)), m_ledDirectory(ledDirectory) {
    setObjectName(QStringLiteral("statusBar"));
    m_pMessagePane->setObjectName(QStringLiteral("statusMessagePane"));
    m_pMessagePane->setAccessibleName(QStringLiteral("Status"));
    // A long message is cut at the indicators rather than widening the window.
    m_pMessagePane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(m_pMessagePane, 1);
    for (std::size_t i = 0; i < kLockPanes.size(); ++i) {
        auto* pane = new QLabel(QString::fromLatin1(kLockPanes[i].text), this);
        pane->setObjectName(QString::fromLatin1(kLockPanes[i].objectName));
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        addPermanentWidget(pane);
        m_lockPanes[i] = pane;
    }
    // Lock keys change state wherever they are pressed, in the main window or in a panel.
    qApp->installEventFilter(this);
    ReadLeds();
}

void C_VYXStatusBar::ShowStatusText(const QString& text) {
    m_documentText = text;
    ShowMessage();
}

void C_VYXStatusBar::ShowPreview(const QString& preview) {
    m_preview = preview;
    ShowMessage();
}

void C_VYXStatusBar::ShowMessage() {
    m_pMessagePane->setText(m_preview.isEmpty() ? m_documentText : m_preview);
}

QString C_VYXStatusBar::StatusText() const {
    return m_pMessagePane->text();
}

int C_VYXStatusBar::WidthToShow(const QString& text) const {
    // The message pane asks for no width of its own (it gives way to the indicators), so the
    // bar's hint is that of the indicators, the grip and the spacing.
    const QMargins margins = m_pMessagePane->contentsMargins();
    return sizeHint().width() + m_pMessagePane->fontMetrics().horizontalAdvance(text) +
           2 * m_pMessagePane->margin() + margins.left() + margins.right() +
           m_pMessagePane->fontMetrics().averageCharWidth();
}

bool C_VYXStatusBar::IsLockOn(LockKey key) const {
    const std::size_t i = Index(key);
    return m_ledStates[i].value_or(m_inferredStates[i].value_or(false));
}

void C_VYXStatusBar::SetLedDirectory(const QString& ledDirectory) {
    m_ledDirectory = ledDirectory;
    m_inferredStates = {};
    ReadLeds();
}

C_VYXStatusBar::LockStates C_VYXStatusBar::ReadLockLeds(const QString& ledDirectory) {
    LockStates states;
    if (ledDirectory.isEmpty())
        return states;
    const QStringList entries =
        QDir(ledDirectory).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& entry : entries) {
        for (std::size_t i = 0; i < kLockPanes.size(); ++i) {
            if (!entry.endsWith(QLatin1String(kLockPanes[i].ledSuffix)))
                continue;
            QFile brightness(ledDirectory + u'/' + entry + QStringLiteral("/brightness"));
            if (!brightness.open(QIODevice::ReadOnly))
                continue;
            bool isNumber = false;
            const int level = brightness.read(16).trimmed().toInt(&isNumber);
            if (isNumber)
                states[i] = states[i].value_or(false) || level > 0;
        }
    }
    return states;
}

void C_VYXStatusBar::InferFromKey(const QKeyEvent& event, LockStates& states) {
    for (std::size_t i = 0; i < kLockPanes.size(); ++i) {
        if (event.key() == kLockPanes[i].key) {
            if (event.type() == QEvent::KeyPress && !event.isAutoRepeat())
                states[i] = !states[i].value_or(false);
            return;
        }
    }
    const QString text = event.text();
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    if (text.size() == 1 && text.at(0).isLetter() && text.at(0).isUpper() != text.at(0).isLower())
        states[Index(LockKey::Caps)] = text.at(0).isUpper() != shift;
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (text.size() == 1 && text.at(0).isDigit())
            states[Index(LockKey::Num)] = true;
        else if (IsKeypadMovement(event.key()) && !shift)
            states[Index(LockKey::Num)] = false;
    }
}

bool C_VYXStatusBar::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && IsFirstDelivery(watched)) {
        const auto* keyEvent = static_cast<const QKeyEvent*>(event);
        const bool isLockKey =
            std::any_of(kLockPanes.begin(), kLockPanes.end(),
                        [keyEvent](const LockPane& pane) { return keyEvent->key() == pane.key; });
        if (type == QEvent::KeyPress)
            InferFromKey(*keyEvent, m_inferredStates);
        // The LEDs follow a lock key; re-read them once it is let go.
        if (isLockKey && type == QEvent::KeyRelease)
            ReadLeds();
        ShowLocks();
    } else if (type == QEvent::ApplicationActivate && watched == qApp) {
        // The locks may have changed while another program had the keyboard.
        ReadLeds();
    }
    return QStatusBar::eventFilter(watched, event);
}

void C_VYXStatusBar::ReadLeds() {
    m_ledStates = ReadLockLeds(m_ledDirectory);
    ShowLocks();
}

void C_VYXStatusBar::ShowLocks() {
    for (std::size_t i = 0; i < kLockPanes.size(); ++i)
        m_lockPanes[i]->setEnabled(IsLockOn(static_cast<LockKey>(i)));
}
