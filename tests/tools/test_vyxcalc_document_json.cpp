// SPDX-License-Identifier: MIT
// Tests of vyxcalc --dump: JSON strings and doubles that read back exactly, the document's keys.
#include "../document/DocumentTestSupport.h"
#include "DocumentJson.h"
#include "JsonWriter.h"
#include "QStringPrinter.h"

#include "C_VYXArchive.h"
#include "C_VYXSettings.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>
#include <string>

using namespace Qt::StringLiterals;

namespace {

TEST(JsonWriter, DoubleIsTheShortestTextThatLooksLikeADouble) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    // clang-format off
    const std::pair<double, const char*> cases[] = {
        {1.0, "1.0"}, {-0.0, "-0.0"}, {0.1, "0.1"}, {0.1 + 0.2, "0.30000000000000004"},
        {123456789012.0, "123456789012.0"}, {5e-324, "5e-324"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        {std::numeric_limits<double>::quiet_NaN(), "\"NaN\""}, {kInf, "\"Infinity\""},
        {-kInf, "\"-Infinity\""}};
    // clang-format on
    for (const auto& [value, text] : cases)
        EXPECT_EQ(JsonWriter::DoubleText(value), text) << value;
}

TEST(JsonWriter, StringsAreEscapedAndEncodedAsUtf8) {
    // clang-format off
    const std::pair<QString, const char*> cases[] = {
        {QString(), "\"\""}, {u"a\"b\\c"_s, "\"a\\\"b\\\\c\""},
        {u"1\r\n2\t"_s, "\"1\\r\\n2\\t\""},
        {QString(QChar(0)) + u"\u001f"_s, "\"\\u0000\\u001f\""},
        {u"\u2248"_s, "\"\xe2\x89\x88\""}, {u"\u00b2\u00e9"_s, "\"\xc2\xb2\xc3\xa9\""},
        {u"\U0001D70B"_s, "\"\xf0\x9d\x9c\x8b\""}, // a surrogate pair is one character
        {QString(QChar(0xD835)) + u"x"_s, "\"\\ud835x\""}, // lone surrogates are escaped
        {u"//\u007f"_s, "\"//\x7f\""}};
    // clang-format on
    for (const auto& [value, json] : cases)
        EXPECT_EQ(JsonWriter::QuoteString(value), json) << json;
}

// The keys, the defaults of a new document, the variables and the counter are checked through
// the program in check_vyxcalc_document; here what a new document cannot show.
TEST(DocumentJson, TriangleSavedConversionsStoredFlagsAndTheLiveTextOfTheArea) {
    C_VYXSettings settings;
    QByteArray bytes;
    {
        // The triangle's values only come from solving or loading; loading is the direct way.
        C_VYXArchive store = C_VYXArchive::ForStoring(&bytes);
        for (int i = 0; i < C_VYXTriangleSolver::ValueCount; ++i)
            store.WriteDouble(i == 0 ? 1.0 / 3.0 : i * 1.5);
        store.WriteInt(1);
    }
    C_VYXArchive load = C_VYXArchive::ForLoading(bytes);
    settings.Trig().m_solver.Serialize(load);
    settings.Convert().m_savedConversions = QStringList{u"1 m = 100 cm"_s, u"\"x\""_s};
    settings.KeyBoard().m_nGreekCaps = 7; // a stored flag goes out as stored
    settings.CalcText().text = u"stored"_s;
    DocumentTestSupport::FixedEdit live(u"live\r\n"_s, 2, 4);
    settings.CalcText().m_pEdit = &live;

    // The layout of the dump is read by check_vyxcalc_document; its nesting here.
    const std::string text = DocumentToJson(settings, 42, true);
    QJsonParseError error;
    const QJsonObject dump =
        QJsonDocument::fromJson(QByteArray::fromStdString(text), &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << text;
    EXPECT_EQ(dump[u"converter"_s][u"saved"_s], QJsonArray({u"1 m = 100 cm"_s, u"\"x\""_s}));
    EXPECT_EQ(dump[u"greekCaps"_s], 7);
    const QJsonArray values = dump[u"triangle"_s][u"values"_s].toArray();
    ASSERT_EQ(values.size(), C_VYXTriangleSolver::ValueCount);
    EXPECT_EQ(values[0].toDouble(), 1.0 / 3.0);
    EXPECT_EQ(values[13].toDouble(), 13 * 1.5);
    EXPECT_EQ(dump[u"triangle"_s][u"secondSolution"_s], 1);
    EXPECT_EQ(dump[u"text"_s], u"live\r\n"_s);
    EXPECT_EQ(dump[u"selStart"_s], 2);
    EXPECT_EQ(dump[u"selEnd"_s], 4);
}

} // namespace
