// SPDX-License-Identifier: MIT
// JsonWriter: builds the UTF-8 text of one JSON value from Qt strings, integers and doubles.
#pragma once

#include <QString>
#include <QtGlobal>

#include <string>
#include <string_view>
#include <vector>

/// Writes JSON as it is built, with no tree in between. The members of the outermost object go
/// one to a line; everything nested stays on its member's line. Strings are written so that they
/// read back as the same UTF-16 text (a lone surrogate becomes a \u escape), doubles in their
/// shortest form that reads back as the same double.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    /// The name of the next member of the current object.
    void Key(const QString& key);
    void String(const QString& value);
    void Integer(qint64 value);
    void Double(double value);
    void Boolean(bool value);

    /// The text so far; complete once every object and array is ended.
    const std::string& Text() const { return m_text; }

    /// `value` as a quoted JSON string.
    static std::string QuoteString(const QString& value);
    /// The shortest text that reads back as `value`, always with a fraction or an exponent so
    /// that readers take it for a floating-point number ("1.0", "-0.0", "1e+300"). JSON has no
    /// words for the non-finite values, which a damaged file can hold: they are written as the
    /// strings "NaN", "Infinity" and "-Infinity".
    static std::string DoubleText(double value);

private:
    /// Separator and line break before a member or element.
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    std::string m_text;
    /// One entry per open object or array: whether it has no member yet.
    std::vector<bool> m_empty;
    bool m_afterKey = false;
};
