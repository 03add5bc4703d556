// SPDX-License-Identifier: MIT
// JsonWriter: separators, string escapes and round-trip doubles.
#include "JsonWriter.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

/// Members of the outermost object each get their own line, indented this far.
constexpr std::string_view kMemberIndent = "  ";

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += char(codePoint);
    } else if (codePoint < 0x800) {
        out += char(0xC0 | (codePoint >> 6));
        out += char(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += char(0xE0 | (codePoint >> 12));
        out += char(0x80 | ((codePoint >> 6) & 0x3F));
        out += char(0x80 | (codePoint & 0x3F));
    } else {
        out += char(0xF0 | (codePoint >> 18));
        out += char(0x80 | ((codePoint >> 12) & 0x3F));
        out += char(0x80 | ((codePoint >> 6) & 0x3F));
        out += char(0x80 | (codePoint & 0x3F));
    }
}

void AppendUnicodeEscape(std::string& out, char16_t unit) {
    std::array<char, 8> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "\\u%04x", unsigned(unit));
    out += buffer.data();
}

} // namespace

void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_empty.empty())
        return;
    if (!m_empty.back())
        m_text += m_empty.size() == 1 ? "," : ", ";
    m_empty.back() = false;
    if (m_empty.size() == 1) {
        m_text += '\n';
        m_text += kMemberIndent;
    }
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    m_text += bracket;
    m_empty.push_back(true);
}

void JsonWriter::Close(char bracket) {
    const bool wasEmpty = m_empty.back();
    m_empty.pop_back();
    if (m_empty.empty() && !wasEmpty)
        m_text += '\n';
    m_text += bracket;
}

void JsonWriter::BeginObject() {
    Open('{');
}

void JsonWriter::EndObject() {
    Close('}');
}

void JsonWriter::BeginArray() {
    Open('[');
}

void JsonWriter::EndArray() {
    Close(']');
}

void JsonWriter::Key(const QString& key) {
    BeforeValue();
    m_text += QuoteString(key);
    m_text += ": ";
    m_afterKey = true;
}

void JsonWriter::String(const QString& value) {
    BeforeValue();
    m_text += QuoteString(value);
}

void JsonWriter::Integer(qint64 value) {
    BeforeValue();
    m_text += std::to_string(value);
}

void JsonWriter::Double(double value) {
    BeforeValue();
    m_text += DoubleText(value);
}

void JsonWriter::Boolean(bool value) {
    BeforeValue();
    m_text += value ? "true" : "false";
}

std::string JsonWriter::QuoteString(const QString& value) {
    std::string out;
    out.reserve(std::size_t(value.size()) + 2);
    out += '"';
    const qsizetype size = value.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = value.at(i).unicode();
        switch (unit) {
        case u'"':
            out += "\\\"";
            continue;
        case u'\\':
            out += "\\\\";
            continue;
        case u'\n':
            out += "\\n";
            continue;
        case u'\r':
            out += "\\r";
            continue;
        case u'\t':
            out += "\\t";
            continue;
        default:
            break;
        }
        if (unit < 0x20) {
            AppendUnicodeEscape(out, unit);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                   value.at(i + 1).isLowSurrogate()) {
            AppendUtf8(out, QChar::surrogateToUcs4(unit, value.at(i + 1).unicode()));
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            // UTF-8 cannot carry half a pair; the escape keeps it for readers that accept it.
            AppendUnicodeEscape(out, unit);
        } else {
            AppendUtf8(out, unit);
        }
    }
    out += '"';
    return out;
}

std::string JsonWriter::DoubleText(double value) {
    if (std::isnan(value))
        return "\"NaN\"";
    if (std::isinf(value))
        return value > 0 ? "\"Infinity\"" : "\"-Infinity\"";
    std::array<char, 64> buffer{};
    const auto [end, status] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string text(buffer.data(), status == std::errc() ? end : buffer.data());
    if (text.find_first_of(".e") == std::string::npos)
        text += ".0";
    return text;
}
