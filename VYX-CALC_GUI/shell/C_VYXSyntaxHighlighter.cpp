// SPDX-License-Identifier: MIT
// C_VYXSyntaxHighlighter: the tokenizer's pieces as formats of the area's text blocks.
#include "C_VYXSyntaxHighlighter.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXReadableColour.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTimer>

using Kind = C_VYXLineToken::Kind;

namespace {

/// Muted text: between the text colour and the background, still readable.
constexpr double kMutedShare = 0.4;
/// The hue of each strong colour (degrees): blue numbers, orange operators, purple functions,
/// green variables, red messages.
constexpr int kNumberHue = 212;
constexpr int kOperatorHue = 28;
constexpr int kFunctionHue = 275;
constexpr int kVariableHue = 135;
constexpr int kErrorHue = 2;
/// The state of a line not coloured yet (the tokenizer's states are not negative).
constexpr int kLeftForLater = -2;

} // namespace

C_VYXSyntaxHighlighter::C_VYXSyntaxHighlighter(C_TOBRIK_CALCULATORDoc& document,
                                               QPlainTextEdit& area)
    : QSyntaxHighlighter(static_cast<QObject*>(&area)), m_document(document), m_area(area) {
    TakeFormats();
    m_pTokenizer = std::make_unique<C_VYXLineTokenizer>(m_document.TokenTables().Translator());
    m_area.installEventFilter(this);
    setDocument(m_area.document());
}

C_VYXSyntaxHighlighter::~C_VYXSyntaxHighlighter() = default;

QTextCharFormat C_VYXSyntaxHighlighter::FormatOf(Kind kind, const QPalette& palette) {
    using namespace C_VYXReadableColour;
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    QTextCharFormat format;
    switch (kind) {
    case Kind::Number:
        format.setForeground(OfHue(kNumberHue, base));
        break;
    case Kind::Operator:
        format.setForeground(OfHue(kOperatorHue, base));
        break;
    case Kind::Function:
        format.setForeground(OfHue(kFunctionHue, base));
        break;
    case Kind::Variable:
        format.setForeground(OfHue(kVariableHue, base));
        break;
    case Kind::Undefined:
        format.setForeground(text);
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(OfHue(kErrorHue, base));
        break;
    case Kind::Comment:
        format.setForeground(Mix(text, base, kMutedShare));
        format.setFontItalic(true);
        break;
    case Kind::Approximation:
        format.setForeground(Mix(text, base, kMutedShare));
        break;
    case Kind::Error:
        format.setForeground(OfHue(kErrorHue, base));
        break;
    }
    return format;
}

void C_VYXSyntaxHighlighter::TakeFormats() {
    for (std::size_t kind = 0; kind < m_formats.size(); ++kind)
        m_formats[kind] = FormatOf(Kind(kind), m_area.palette());
}

void C_VYXSyntaxHighlighter::SetEnabled(bool on) {
    if (on == m_bEnabled)
        return;
    m_bEnabled = on;
    Recolour();
}

void C_VYXSyntaxHighlighter::Refresh() {
    auto tokenizer = std::make_unique<C_VYXLineTokenizer>(m_document.TokenTables().Translator());
    const bool namesChanged = tokenizer->VariableNames() != m_pTokenizer->VariableNames();
    m_pTokenizer = std::move(tokenizer);
    if (namesChanged && m_bEnabled)
        Recolour();
}

void C_VYXSyntaxHighlighter::Recolour() {
    // New formats are no edit: the area must not hear of a changed text.
    const QSignalBlocker quiet(m_area.document());
    rehighlight();
    m_area.viewport()->update();
}

bool C_VYXSyntaxHighlighter::HasTimeLeft() {
    if (!m_bSliceOpen) {
        m_bSliceOpen = true;
        m_nSliceLines = 0;
        QTimer::singleShot(0, this, [this] { m_bSliceOpen = false; });
    }
    return ++m_nSliceLines <= kSliceLines;
}

void C_VYXSyntaxHighlighter::ColourLeftLines() {
    m_bLeftLines = false;
    for (QTextBlock block = m_area.document()->begin(); block.isValid(); block = block.next()) {
        if (block.userState() == kLeftForLater) {
            // Recolouring a line goes on to the next ones while their state changes, so this
            // colours on from here until the slice is spent.
            const QSignalBlocker quiet(m_area.document());
            rehighlightBlock(block);
            return;
        }
    }
}

void C_VYXSyntaxHighlighter::highlightBlock(const QString& text) {
    if (!m_bEnabled || text.size() > kLongestColouredLine) {
        setCurrentBlockState(C_VYXLineTokenizer::kPlainLine);
        return;
    }
    if (!HasTimeLeft()) {
        setCurrentBlockState(kLeftForLater);
        if (!m_bLeftLines) {
            m_bLeftLines = true;
            QTimer::singleShot(0, this, &C_VYXSyntaxHighlighter::ColourLeftLines);
        }
        return;
    }
    int state = C_VYXLineTokenizer::kPlainLine;
    const int previous = std::max(int(C_VYXLineTokenizer::kPlainLine), previousBlockState());
    for (const C_VYXLineToken& token : m_pTokenizer->Tokenize(text, previous, &state))
        setFormat(token.start, token.length, m_formats[std::size_t(token.kind)]);
    setCurrentBlockState(state);
}

bool C_VYXSyntaxHighlighter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_area && event->type() == QEvent::PaletteChange) {
        TakeFormats();
        if (m_bEnabled)
            Recolour();
    }
    return QSyntaxHighlighter::eventFilter(watched, event);
}
