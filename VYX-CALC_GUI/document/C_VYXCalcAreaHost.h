// SPDX-License-Identifier: MIT
// C_VYXCalcAreaHost: what the calculation area needs of its document, and what it hears from it.
#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

class C_VYXCalcTextNFO;

/// The document as the calculation area sees it. The area evaluates its lines through it and
/// follows its signals; the document keeps no pointer to the area, so either may go first.
class C_VYXCalcAreaHost : public QObject {
    Q_OBJECT

public:
    ~C_VYXCalcAreaHost() override;

    /// The area's record in the current settings; File New replaces it, so ask each time.
    virtual C_VYXCalcTextNFO& CalcTextRecord() = 0;
    /// The text to write below a line: the result, "//" + the engine's message, or empty.
    virtual QString CalculateLine(const QString& line) = 0;
    /// The value of the last result, for Ctrl+Enter; empties it.
    virtual QString TakeLastResult() = 0;
    /// How many characters at the end of `text` Backspace removes as one token.
    virtual int TrailingTokenLength(QStringView text) const = 0;
    virtual void SetModifiedFlag(bool modified = true) = 0;

signals:
    /// The settings were replaced or loaded: the area shows its record's pending text and
    /// selection.
    void updateRequested();
    /// File New: the area empties itself.
    void clearRequested();
    /// A panel or an assignment line writes a text at the area's caret.
    void insertTextRequested(const QString& text);
    /// The modified flag changed, so the title's marker follows it at once.
    void modifiedChanged(bool modified);

protected:
    C_VYXCalcAreaHost() = default;
};
