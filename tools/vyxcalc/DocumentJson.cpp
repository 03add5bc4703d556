// SPDX-License-Identifier: MIT
// DocumentJson: the settings records, the counter and the placement flag written as JSON.
#include "DocumentJson.h"

#include "C_VYXSettings.h"
#include "JsonWriter.h"

namespace {

void WriteVariables(JsonWriter& json, const C_VYXVarNFO& variables) {
    json.BeginObject();
    for (auto entry = variables.definitions.cbegin(); entry != variables.definitions.cend();
         ++entry) {
        json.Key(entry.key());
        json.BeginObject();
        json.Key(QStringLiteral("definition"));
        json.String(entry.value());
        json.Key(QStringLiteral("value"));
        json.String(variables.values.value(entry.key()));
        json.EndObject();
    }
    json.EndObject();
}

void WriteConverter(JsonWriter& json, const C_VYXConvertNFO& converter) {
    json.BeginObject();
    json.Key(QStringLiteral("saved"));
    json.BeginArray();
    for (const QString& conversion : converter.m_savedConversions)
        json.String(conversion);
    json.EndArray();
    json.Key(QStringLiteral("value"));
    json.Double(converter.m_dValue);
    json.Key(QStringLiteral("lastResult"));
    json.String(converter.m_strLastResult);
    json.Key(QStringLiteral("category"));
    json.Integer(converter.m_nCategoryIndex);
    json.Key(QStringLiteral("fromUnit"));
    json.Integer(converter.m_nFromIndex);
    json.Key(QStringLiteral("toUnit"));
    json.Integer(converter.m_nToIndex);
    json.EndObject();
}

void WriteTriangle(JsonWriter& json, const C_VYXTriangleSolver& solver) {
    json.BeginObject();
    json.Key(QStringLiteral("values"));
    json.BeginArray();
    for (const double value : solver.Values())
        json.Double(value);
    json.EndArray();
    json.Key(QStringLiteral("secondSolution"));
    json.Integer(solver.SecondSolutionFlag());
    json.EndObject();
}

} // namespace

std::string DocumentToJson(const C_VYXSettings& settings, int calculations, bool placementPresent) {
    const C_VYXCalcTextNFO& area = settings.CalcText();
    const bool live = area.m_pEdit != nullptr;

    JsonWriter json;
    json.BeginObject();
    json.Key(QStringLiteral("text"));
    json.String(live ? area.m_pEdit->LiveText() : area.text);
    json.Key(QStringLiteral("selStart"));
    json.Integer(live ? area.m_pEdit->LiveSelectionStart() : area.selStart);
    json.Key(QStringLiteral("selEnd"));
    json.Integer(live ? area.m_pEdit->LiveSelectionEnd() : area.selEnd);
    json.Key(QStringLiteral("fontSize"));
    json.Integer(area.fontSize);
    json.Key(QStringLiteral("showReal"));
    json.Integer(area.showReal);
    json.Key(QStringLiteral("showRational"));
    json.Integer(area.showRational);
    json.Key(QStringLiteral("decimals"));
    json.Integer(settings.BasicButtons().m_nDecimals);
    json.Key(QStringLiteral("angleUnit"));
    json.Integer(settings.Trig().m_nAngleUnit);
    json.Key(QStringLiteral("argument"));
    json.Integer(settings.CMPLX().m_nAlwaysShowArgument);
    json.Key(QStringLiteral("latinCaps"));
    json.Integer(settings.KeyBoard().m_nLatinCaps);
    json.Key(QStringLiteral("greekCaps"));
    json.Integer(settings.KeyBoard().m_nGreekCaps);
    json.Key(QStringLiteral("variables"));
    WriteVariables(json, settings.Var());
    json.Key(QStringLiteral("converter"));
    WriteConverter(json, settings.Convert());
    json.Key(QStringLiteral("triangle"));
    WriteTriangle(json, settings.Trig().m_solver);
    json.Key(QStringLiteral("calculations"));
    json.Integer(calculations);
    json.Key(QStringLiteral("placement"));
    json.Boolean(placementPresent);
    json.EndObject();
    return json.Text();
}
