// SPDX-License-Identifier: MIT
// C_VYXStringTable: the program's resource texts, keyed by id.
#include "C_VYXStringTable.h"

#include "C_VYXResourceIds.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {

using namespace C_VYXResourceIds;

struct Entry {
    int id;
    const char16_t* text;
};

constexpr Entry kStrings[] = {
    {kStrAngleRadians, u"ANGLE_RAD"},
    {kStrAngleDegrees, u"ANGLE_DEG"},
    {kStrAngleGradians, u"ANGLE_GRA"},
    {kStrDocumentTemplate, u"TobrikCalculator\n\nTobrikCalculator\nTobrikCalculator_Files "
                           u"(*.vyx)\n.vyx\nTobrikCalculator-doc\nTobrikCalculator-doc"},
    {kStrCalculationCount, u"Number of calculations: "},
    {kStrBarStateSection, u"MAINFRMBARSTATE"},
    {kStrSymbolSquareRoot, u"SQRT"},
    {kStrSymbolSquare, u"^2"},
    {kStrSymbolNthRoot, u"~"},
    {kStrSymbolCubeRoot, u"(3)~"},
    {kStrSymbolCube, u"^3"},
    {kStrSymbolInverse, u"^-1"},
    {kStrCategoryLength, u"Length"},
    {kStrCategoryArea, u"Area"},
    {kStrCategoryEnergy, u"Energy"},
    {kStrCategoryPower, u"Power"},
    {kStrCategoryPressure, u"Presure"},
    {kStrCategoryTemperature, u"Temperature"},
    {kStrCategoryMass, u"Mass"},
    {kStrCategoryVelocity, u"Velocity"},
    {kStrCategoryVolume, u"Volume"},
    {kStrUnitKelvin, u"Kelvin"},
    {kStrUnitCelsius, u"Celcius"},
    {kStrUnitFahrenheit, u"Farenheit"},
    {kStrUnitGram, u"gram"},
    {kStrUnitPound, u"Pound"},
    {kStrUnitTonnes, u"Tonnes"},
    {kStrUnitTonsUk, u"Tons(UK)"},
    {kStrUnitTonsUs, u"Tons(US)"},
    {kStrUnitKilogram, u"Kilogram"},
    {kStrUnitMeter, u"meter"},
    {kStrUnitCentimeter, u"centimeter"},
    {kStrUnitFathoms, u"fathoms"},
    {kStrUnitFeet, u"feet"},
    {kStrUnitFurlong, u"furlong"},
    {kStrUnitInch, u"inch"},
    {kStrUnitKilometer, u"kilometer"},
    {kStrUnitMiles, u"miles"},
    {kStrUnitMillimeter, u"millimeter"},
    {kStrUnitNauticalMiles, u"nautical miles"},
    {kStrUnitYard, u"yard"},
    {kStrUnitJoule, u"joule"},
    {kStrUnitKilojoule, u"kilojoule"},
    {kStrUnitKilowattHours, u"kilowatthours"},
    {kStrUnitNutritionCalories, u"nutrition calories"},
    {kStrUnitSquareMeter, u"m\u00B2"},
    {kStrUnitAcres, u"acres"},
    {kStrUnitHectares, u"hectares"},
    {kStrUnitSquareCentimeter, u"cm\u00B2"},
    {kStrUnitSquareFeet, u"feet\u00B2"},
    {kStrUnitSquareInches, u"inches\u00B2"},
    {kStrUnitSquareKilometers, u"kilometers\u00B2"},
    {kStrUnitSquareMiles, u"miles\u00B2"},
    {kStrUnitSquareMillimeter, u"mm\u00B2"},
    {kStrUnitSquareYards, u"yards\u00B2"},
    {kStrUnitKilowatt, u"kilo watt"},
    {kStrUnitHorsepower, u"horsepower"},
    {kStrUnitWatt, u"watt"},
    {kStrUnitPascals, u"pascals"},
    {kStrUnitAtmosphere, u"atmosphere"},
    {kStrUnitBar, u"bar"},
    {kStrUnitMmHg, u"mm HG"},
    {kStrUnitPoundsPerSquareInch, u"pounds-force/inch\u00B2"},
    {kStrUnitMetersPerSecond, u"m/s"},
    {kStrUnitKilometersPerHour, u"km/h"},
    {kStrUnitFeetPerHour, u"feet/h"},
    {kStrUnitKnots, u"knots"},
    {kStrUnitMach, u"mach"},
    {kStrUnitMilesPerHour, u"mph"},
    {kStrUnitLiters, u"liters"},
    {kStrUnitBarrelsUk, u"barrels (UK)"},
    {kStrUnitBarrelsOil, u"barrels oil"},
    {kStrUnitBushelsUk, u"bushels (UK)"},
    {kStrUnitBushelsUs, u"bushels (US)"},
    {kStrUnitCubicCentimeter, u"cm\u00B3"},
    {kStrUnitCubicFeet, u"feet\u00B3"},
    {kStrUnitCubicInches, u"inches\u00B3"},
    {kStrUnitCubicMeter, u"m\u00B3"},
    {kStrUnitCubicYards, u"yards\u00B3"},
    {kStrUnitFluidOuncesUk, u"fluid ounces (UK)"},
    {kStrUnitFluidOuncesUs, u"fluid ounces (US)"},
    {kStrUnitGallonsUk, u"gallons (UK)"},
    {kStrUnitGallonsDryUs, u"gallons, dry (US)"},
    {kStrUnitGallonsLiquidUs, u"gallons, liquid (US)"},
    {kStrUnitMilliliters, u"milliliters"},
    {kStrUnitPintsUk, u"pints (UK)"},
    {kStrUnitPintsDryUs, u"pints, dry (US)"},
    {kStrUnitPintsLiquidUs, u"pints, liquid(US)"},
    {kStrUnitQuartsUk, u"quarts (UK)"},
    {kStrUnitQuartsDryUs, u"quarts, dry (US)"},
    {kStrUnitQuartsLiquidUs, u"quarts, liquid (US)"},
};

constexpr Entry kToolTips[] = {
    {kDlgNumpad, u"Show numpad dialog."},
    {kDlgTrigonometry, u"Show trigonometry dialog."},
    {kDlgComplex, u"Show complex-functions dialog"},
    {kDlgVariables, u"Show variables dialog."},
    {kDlgConversion, u"Show conversions dialog."},
    {kDlgLatinChars, u"Show Latin-chars dialog."},
    {kDlgGreekChars, u"Show Greek-chars dialog."},
    {kDlgMathChars, u"Show math-chars dialog."},
    {kCmdInsertSquareRoot, u"Square root out of x."},
    {kCmdInsertCubeRoot, u"Third root out of x."},
    {kCmdInsertNthRoot, u"N root out of x."},
    {kCmdInsertSquare, u"X powered to two."},
    {kCmdInsertCube, u"X powered to three."},
    {kCmdInsertPower, u"X powered to n."},
    {kCmdInsertInverse, u"X inverted."},
    {kCmdInsertExpPower, u"e powered to n."},
    {kCmdInsertNaturalLog, u"Natural logarithm."},
    {kCmdInsertTenPower, u"Ten powered to n."},
    {kCmdInsertTenLog, u"Ten logarithm."},
    {kCmdCalculateLine, u"Enter."},
    {kCmdCalculateApproximate, u"Calculate approx. value."},
    {kCmdDeleteChar, u"Delete char."},
    {kCmdClearArea, u"Clears the text area."},
    {kCmdUseSelectedVariable, u"Use selected variable."},
    {kCmdDeleteSelectedVariable, u"Delete selected variable."},
};

constexpr Entry kPrompts[] = {
    {kCmdUseSelectedVariable, u"Insert marked variable in textview."},
    {kCmdDeleteSelectedVariable, u"Delete marked variable."},
};

constexpr Entry kMenuTexts[] = {
    {kDlgNumpad, u"Numpad."},
    {kDlgTrigonometry, u"Trigonometry tools."},
    {kDlgComplex, u"Complex number tools."},
    {kDlgVariables, u"Variable tools."},
    {kDlgConversion, u"Conversion tool."},
    {kDlgLatinChars, u"Latin chars."},
    {kDlgGreekChars, u"Greek chars."},
    {kDlgMathChars, u"Math chars."},
    {kBarDialogs, u"Dialogs Toolabar"},
    {kBarVariables, u"Variables Toolbar"},
    {kBarRoots, u"Com. root Toolbar"},
    {kBarExponents, u"Com. exp. Toolbar"},
    {kBarLogarithms, u"Logarithm Toolbar"},
    {kBarExecute, u"Exe. Toolbar"},
    {kBarDelete, u"Del. Toolbar"},
    {kCmdFontSize8, u"8"},
    {kCmdFontSize10, u"10"},
    {kCmdFontSize12, u"12"},
    {kCmdFontSize14, u"14"},
    {kCmdFontSize16, u"16"},
    {kCmdShowRationalAndReal, u"Show rational and real solution."},
    {kCmdShowRationalOnly, u"Show only rational solution."},
    {kCmdShowRealOnly, u"Show only real solution."},
    {kCmdAlwaysOnTop, u"Allways on top"},
    {kCmdDisplayHelp, u"Display help."},
    {kCmdEditUndo, u"&Undo\tCtrl+Z"},
    {kCmdAbout, u"&About TOBRIK_CALCULATOR..."},
};

constexpr Entry kDialogCaptions[] = {
    {kDlgTrigonometry, u"Trigonometry"},    {kDlgNumpad, u"Numpad"},
    {kDlgComplex, u"CMPLX Functions"},      {kDlgVariables, u"Variables"},
    {kDlgLatinChars, u"Latin chars"},       {kDlgConversion, u"Conversion"},
    {kDlgAbout, u"About TobrikCalculator"}, {kDlgGreekChars, u"Greek chars"},
    {kDlgMathChars, u"Math chars"},
};

template <size_t N> QString Lookup(const Entry (&table)[N], int id) {
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [id](const Entry& entry) { return entry.id == id; });
    return found == std::end(table) ? QString() : QString::fromUtf16(found->text);
}

} // namespace

QString C_VYXStringTable::Text(int stringId) {
    return Lookup(kStrings, stringId);
}

QString C_VYXStringTable::ToolTip(int commandId) {
    return Lookup(kToolTips, commandId);
}

QString C_VYXStringTable::StatusPrompt(int commandId) {
    const QString prompt = Lookup(kPrompts, commandId);
    return prompt.isEmpty() ? ToolTip(commandId) : prompt;
}

QString C_VYXStringTable::MenuText(int commandId) {
    return Lookup(kMenuTexts, commandId);
}

QString C_VYXStringTable::DialogCaption(int templateId) {
    return Lookup(kDialogCaptions, templateId);
}

QString C_VYXStringTable::DocumentTypePart(int index) {
    const QStringList parts = Text(kStrDocumentTemplate).split(QLatin1Char('\n'));
    return index >= 0 && index < parts.size() ? parts.at(index) : QString();
}
