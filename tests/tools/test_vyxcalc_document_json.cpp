// SPDX-License-Identifier: MIT
// Tests of vyxcalc --dump: JSON strings and doubles that read back exactly, the document's keys.
#include "DocumentJson.h"
#include "JsonWriter.h"
#include "QStringPrinter.h"

#include "C_VYXArchive.h"
#include "C_VYXSettings.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <string>

using namespace Qt::StringLiterals;

namespace {

// ---- doubles ----

struct DoubleCase {
    const char* name;
    double value;
    const char* text;
};

void PrintTo(const DoubleCase& c, std::ostream* out) {
    *out << c.name;
}

class JsonDouble : public testing::TestWithParam<DoubleCase> {};

TEST_P(JsonDouble, ShortestTextThatLooksLikeADouble) {
    EXPECT_EQ(JsonWriter::DoubleText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Vyxcalc, JsonDouble,
    testing::Values(
        DoubleCase{"One", 1.0, "1.0"}, DoubleCase{"NegativeZeroKeepsItsSign", -0.0, "-0.0"},
        DoubleCase{"ConverterDefault", 1.0, "1.0"}, DoubleCase{"Tenth", 0.1, "0.1"},
        DoubleCase{"SumShowsItsLastDigit", 0.1 + 0.2, "0.30000000000000004"},
        DoubleCase{"LargeWithExponent", 1e300, "1e+300"},
        DoubleCase{"LargeInteger", 123456789012.0, "123456789012.0"},
        DoubleCase{"SmallestSubnormal", 5e-324, "5e-324"},
        DoubleCase{"Largest", std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        DoubleCase{"NotANumberAsString", std::numeric_limits<double>::quiet_NaN(), "\"NaN\""},
        DoubleCase{"InfinityAsString", std::numeric_limits<double>::infinity(), "\"Infinity\""},
        DoubleCase{"MinusInfinityAsString", -std::numeric_limits<double>::infinity(),
                   "\"-Infinity\""}));

TEST(JsonDoubleRoundTrip, RandomBitPatternsReadBackExactly) {
    QRandomGenerator random(20240611);
    int checked = 0;
    while (checked < 20000) {
        const double value = std::bit_cast<double>(random.generate64());
        if (!std::isfinite(value))
            continue;
        const std::string text = JsonWriter::DoubleText(value);
        EXPECT_EQ(std::bit_cast<quint64>(std::strtod(text.c_str(), nullptr)),
                  std::bit_cast<quint64>(value))
            << text;
        ++checked;
    }
}

// ---- strings ----

struct StringCase {
    const char* name;
    QString value;
    const char* json;
};

void PrintTo(const StringCase& c, std::ostream* out) {
    *out << c.name;
}

class JsonString : public testing::TestWithParam<StringCase> {};

TEST_P(JsonString, EscapedAndEncoded) {
    EXPECT_EQ(JsonWriter::QuoteString(GetParam().value), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Vyxcalc, JsonString,
    testing::Values(
        StringCase{"Empty", QString(), "\"\""},
        StringCase{"QuoteAndBackslash", u"a\"b\\c"_s, "\"a\\\"b\\\\c\""},
        StringCase{"LineBreaksOfTheArea", u"1\r\n2\t"_s, "\"1\\r\\n2\\t\""},
        StringCase{"OtherControlCharacter", QString(QChar(0x01)) + u"\u001f"_s,
                   "\"\\u0001\\u001f\""},
        StringCase{"NulCharacter", QString(QChar(0)), "\"\\u0000\""},
        StringCase{"ApproximationSignAsUtf8", u"\u2248"_s, "\"\xe2\x89\x88\""},
        StringCase{"LatinOneAsUtf8", u"\u00b2\u00e9"_s, "\"\xc2\xb2\xc3\xa9\""},
        StringCase{"SurrogatePairAsOneCharacter", u"\U0001D70B"_s, "\"\xf0\x9d\x9c\x8b\""},
        StringCase{"LoneHighSurrogateEscaped", QString(QChar(0xD835)) + u"x"_s, "\"\\ud835x\""},
        StringCase{"LoneLowSurrogateEscaped", QString(QChar(0xDC00)), "\"\\udc00\""},
        StringCase{"SlashAndDeleteUnchanged", u"//\u007f"_s, "\"//\x7f\""}));

// ---- the writer's layout ----

TEST(JsonWriterLayout, OuterMembersOnTheirOwnLinesNestedInline) {
    JsonWriter json;
    json.BeginObject();
    json.Key(u"a"_s);
    json.Integer(-3);
    json.Key(u"b"_s);
    json.BeginObject();
    json.Key(u"c"_s);
    json.BeginArray();
    json.Boolean(true);
    json.Boolean(false);
    json.EndArray();
    json.Key(u"d"_s);
    json.BeginArray();
    json.EndArray();
    json.EndObject();
    json.Key(u"e"_s);
    json.BeginObject();
    json.EndObject();
    json.EndObject();
    EXPECT_EQ(json.Text(), "{\n  \"a\": -3,\n  \"b\": {\"c\": [true, false], \"d\": []},\n"
                           "  \"e\": {}\n}");
}

TEST(JsonWriterLayout, EmptyOuterObject) {
    JsonWriter json;
    json.BeginObject();
    json.EndObject();
    EXPECT_EQ(json.Text(), "{}");
}

// ---- the document ----

QJsonObject Parse(const std::string& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << text;
    EXPECT_TRUE(document.isObject());
    return document.object();
}

TEST(DocumentJson, NewDocumentHasExactlyTheKeysAndDefaults) {
    C_VYXSettings settings;
    const QJsonObject dump = Parse(DocumentToJson(settings, 0, false));
    const QStringList keys{u"text"_s,      u"selStart"_s,     u"selEnd"_s,       u"fontSize"_s,
                           u"showReal"_s,  u"showRational"_s, u"decimals"_s,     u"angleUnit"_s,
                           u"argument"_s,  u"latinCaps"_s,    u"greekCaps"_s,    u"variables"_s,
                           u"converter"_s, u"triangle"_s,     u"calculations"_s, u"placement"_s};
    QStringList sortedKeys = keys;
    sortedKeys.sort();
    EXPECT_EQ(dump.keys(), sortedKeys);
    EXPECT_EQ(dump[u"text"_s], u""_s);
    EXPECT_EQ(dump[u"fontSize"_s], 12);
    EXPECT_EQ(dump[u"showReal"_s], 1);
    EXPECT_EQ(dump[u"showRational"_s], 1);
    EXPECT_EQ(dump[u"decimals"_s], 6);
    EXPECT_EQ(dump[u"angleUnit"_s], 102);
    EXPECT_EQ(dump[u"argument"_s], 0);
    EXPECT_EQ(dump[u"latinCaps"_s], 1);
    EXPECT_EQ(dump[u"greekCaps"_s], 0);
    EXPECT_EQ(dump[u"variables"_s], QJsonObject());
    EXPECT_EQ(dump[u"placement"_s], false);
    const QJsonObject converter = dump[u"converter"_s].toObject();
    EXPECT_EQ(converter.keys(), (QStringList{u"category"_s, u"fromUnit"_s, u"lastResult"_s,
                                             u"saved"_s, u"toUnit"_s, u"value"_s}));
    EXPECT_EQ(converter[u"value"_s], 1.0);
    EXPECT_EQ(converter[u"toUnit"_s], 1);
    const QJsonObject triangle = dump[u"triangle"_s].toObject();
    EXPECT_EQ(triangle[u"values"_s].toArray().size(), 14);
    EXPECT_EQ(triangle[u"secondSolution"_s], 0);
}

/// A text control as the area provides it: the live text wins over the record's.
class FakeAreaControl : public C_VYXCalcTextEdit {
public:
    QString LiveText() const override { return u"live\r\n"_s; }
    qint32 LiveSelectionStart() const override { return 2; }
    qint32 LiveSelectionEnd() const override { return 4; }
};

TEST(DocumentJson, EveryRecordFieldIsWritten) {
    C_VYXSettings settings;
    settings.Var().definitions.insert(u"r"_s, u"1/3"_s);
    settings.Var().values.insert(u"r"_s, u"1/3"_s);
    settings.Var().definitions.insert(u"\u03b1"_s, u"r*2"_s);
    settings.Var().values.insert(u"\u03b1"_s, u"2/3"_s);
    settings.KeyBoard().m_nLatinCaps = 0;
    settings.KeyBoard().m_nGreekCaps = 7; // a stored flag goes out as stored
    settings.CMPLX().m_nAlwaysShowArgument = 1;
    settings.Trig().m_nAngleUnit = 214;
    C_VYXConvertNFO& converter = settings.Convert();
    converter.m_savedConversions = QStringList{u"1 m = 100 cm"_s, u"\"x\""_s};
    converter.m_dValue = 0.1;
    converter.m_strLastResult = u"3.28084"_s;
    converter.m_nCategoryIndex = 4;
    converter.m_nFromIndex = 2;
    converter.m_nToIndex = 3;
    C_VYXCalcTextNFO& area = settings.CalcText();
    area.text = u"stored"_s;
    area.selStart = 1;
    area.selEnd = 6;
    area.fontSize = 16;
    area.showReal = 0;
    area.showRational = 1;
    settings.BasicButtons().m_nDecimals = 9;

    QJsonObject dump = Parse(DocumentToJson(settings, 42, true));
    EXPECT_EQ(dump[u"text"_s], u"stored"_s);
    EXPECT_EQ(dump[u"selStart"_s], 1);
    EXPECT_EQ(dump[u"selEnd"_s], 6);
    EXPECT_EQ(dump[u"fontSize"_s], 16);
    EXPECT_EQ(dump[u"showReal"_s], 0);
    EXPECT_EQ(dump[u"decimals"_s], 9);
    EXPECT_EQ(dump[u"angleUnit"_s], 214);
    EXPECT_EQ(dump[u"argument"_s], 1);
    EXPECT_EQ(dump[u"latinCaps"_s], 0);
    EXPECT_EQ(dump[u"greekCaps"_s], 7);
    EXPECT_EQ(dump[u"calculations"_s], 42);
    EXPECT_EQ(dump[u"placement"_s], true);
    const QJsonObject variables = dump[u"variables"_s].toObject();
    EXPECT_EQ(variables.size(), 2);
    EXPECT_EQ(variables[u"r"_s][u"definition"_s], u"1/3"_s);
    EXPECT_EQ(variables[u"\u03b1"_s][u"definition"_s], u"r*2"_s);
    EXPECT_EQ(variables[u"\u03b1"_s][u"value"_s], u"2/3"_s);
    const QJsonObject convert = dump[u"converter"_s].toObject();
    EXPECT_EQ(convert[u"saved"_s].toArray(), QJsonArray({u"1 m = 100 cm"_s, u"\"x\""_s}));
    EXPECT_EQ(convert[u"value"_s].toDouble(), 0.1);
    EXPECT_EQ(convert[u"lastResult"_s], u"3.28084"_s);
    EXPECT_EQ(convert[u"category"_s], 4);
    EXPECT_EQ(convert[u"fromUnit"_s], 2);
    EXPECT_EQ(convert[u"toUnit"_s], 3);

    FakeAreaControl live;
    area.m_pEdit = &live;
    dump = Parse(DocumentToJson(settings, 0, false));
    EXPECT_EQ(dump[u"text"_s], u"live\r\n"_s);
    EXPECT_EQ(dump[u"selStart"_s], 2);
    EXPECT_EQ(dump[u"selEnd"_s], 4);
}

TEST(DocumentJson, TriangleValuesInOrderWithTheSecondSolutionFlag) {
    C_VYXSettings settings;
    C_VYXTriangleSolver& solver = settings.Trig().m_solver;
    QByteArray bytes;
    {
        // The record's values only come from solving or loading; loading is the direct way.
        C_VYXArchive store = C_VYXArchive::ForStoring(&bytes);
        for (int i = 0; i < C_VYXTriangleSolver::ValueCount; ++i) {
            double value = i == 0 ? 1.0 / 3.0 : i * 1.5;
            store.Exchange(value);
        }
        qint32 second = 1;
        store.Exchange(second);
    }
    C_VYXArchive load = C_VYXArchive::ForLoading(bytes);
    solver.Serialize(load);

    const QJsonObject triangle =
        Parse(DocumentToJson(settings, 0, false))[u"triangle"_s].toObject();
    const QJsonArray values = triangle[u"values"_s].toArray();
    ASSERT_EQ(values.size(), C_VYXTriangleSolver::ValueCount);
    EXPECT_EQ(values[0].toDouble(), 1.0 / 3.0);
    for (int i = 1; i < values.size(); ++i)
        EXPECT_EQ(values[i].toDouble(), i * 1.5) << i;
    EXPECT_EQ(triangle[u"secondSolution"_s], 1);
}

} // namespace
