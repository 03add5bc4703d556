// SPDX-License-Identifier: MIT
// C_VYXStreamMessageBoxes: one "caption: text" line per box, every question answered Yes.
#include "C_VYXStreamMessageBoxes.h"

#include <QByteArray>
#include <QString>

void C_VYXStreamMessageBoxes::ShowError(const QString& caption, const QString& text) {
    WriteLine(caption, text);
}

bool C_VYXStreamMessageBoxes::AskYesNo(const QString& caption, const QString& text) {
    WriteLine(caption, text);
    return true;
}

C_VYXMessageBoxes::Answer C_VYXStreamMessageBoxes::AskYesNoCancel(const QString& caption,
                                                                  const QString& text) {
    WriteLine(caption, text);
    return Answer::Yes;
}

void C_VYXStreamMessageBoxes::ShowInformation(const QString& caption, const QString& text) {
    WriteLine(caption, text);
}

void C_VYXStreamMessageBoxes::WriteLine(const QString& caption, const QString& text) {
    if (m_pStream == nullptr) {
        return;
    }
    QString oneLine = text;
    oneLine.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '));
    const QByteArray line = (caption + QStringLiteral(": ") + oneLine + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), m_pStream);
    std::fflush(m_pStream);
}
