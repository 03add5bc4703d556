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
    {StrOleInitFailed, u"OLE initialization failed.  Make sure that the OLE libraries are the "
                       u"correct version."},
    {StrAngleRadians, u"ANGLE_RAD"},
    {StrAngleDegrees, u"ANGLE_DEG"},
    {StrAngleGradians, u"ANGLE_GRA"},
    {StrDocumentTemplate, u"TobrikCalculator\n\nTobrikCalculator\nTobrikCalculator_Files "
                          u"(*.vyx)\n.vyx\nTobrikCalculator-doc\nTobrikCalculator-doc"},
    {StrCalculationCount, u"Number of calculations: "},
    {StrBarStateSection, u"MAINFRMBARSTATE"},
    {StrSymbolSquareRoot, u"SQRT"},
    {StrSymbolSquare, u"^2"},
    {StrSymbolNthRoot, u"~"},
    {StrSymbolCubeRoot, u"(3)~"},
    {StrSymbolCube, u"^3"},
    {StrSymbolInverse, u"^-1"},
    {StrCategoryLength, u"Length"},
    {StrCategoryArea, u"Area"},
    {StrCategoryEnergy, u"Energy"},
    {StrCategoryPower, u"Power"},
    {StrCategoryPressure, u"Presure"},
    {StrCategoryTemperature, u"Temperature"},
    {StrCategoryMass, u"Mass"},
    {StrCategoryVelocity, u"Velocity"},
    {StrCategoryVolume, u"Volume"},
    {StrUnitKelvin, u"Kelvin"},
    {StrUnitCelsius, u"Celcius"},
    {StrUnitFahrenheit, u"Farenheit"},
    {StrUnitGram, u"gram"},
    {StrUnitPound, u"Pound"},
    {StrUnitTonnes, u"Tonnes"},
    {StrUnitTonsUk, u"Tons(UK)"},
    {StrUnitTonsUs, u"Tons(US)"},
    {StrUnitKilogram, u"Kilogram"},
    {StrUnitMeter, u"meter"},
    {StrUnitCentimeter, u"centimeter"},
    {StrUnitFathoms, u"fathoms"},
    {StrUnitFeet, u"feet"},
    {StrUnitFurlong, u"furlong"},
    {StrUnitInch, u"inch"},
    {StrUnitKilometer, u"kilometer"},
    {StrUnitMiles, u"miles"},
    {StrUnitMillimeter, u"millimeter"},
    {StrUnitNauticalMiles, u"nautical miles"},
    {StrUnitYard, u"yard"},
    {StrUnitJoule, u"joule"},
    {StrUnitKilojoule, u"kilojoule"},
    {StrUnitKilowattHours, u"kilowatthours"},
    {StrUnitNutritionCalories, u"nutrition calories"},
    {StrUnitSquareMeter, u"m\u00B2"},
    {StrUnitAcres, u"acres"},
    {StrUnitHectares, u"hectares"},
    {StrUnitSquareCentimeter, u"cm\u00B2"},
    {StrUnitSquareFeet, u"feet\u00B2"},
    {StrUnitSquareInches, u"inches\u00B2"},
    {StrUnitSquareKilometers, u"kilometers\u00B2"},
    {StrUnitSquareMiles, u"miles\u00B2"},
    {StrUnitSquareMillimeter, u"mm\u00B2"},
    {StrUnitSquareYards, u"yards\u00B2"},
    {StrUnitKilowatt, u"kilo watt"},
    {StrUnitHorsepower, u"horsepower"},
    {StrUnitWatt, u"watt"},
    {StrUnitPascals, u"pascals"},
    {StrUnitAtmosphere, u"atmosphere"},
    {StrUnitBar, u"bar"},
    {StrUnitMmHg, u"mm HG"},
    {StrUnitPoundsPerSquareInch, u"pounds-force/inch\u00B2"},
    {StrUnitMetersPerSecond, u"m/s"},
    {StrUnitKilometersPerHour, u"km/h"},
    {StrUnitFeetPerHour, u"feet/h"},
    {StrUnitKnots, u"knots"},
    {StrUnitMach, u"mach"},
    {StrUnitMilesPerHour, u"mph"},
    {StrUnitLiters, u"liters"},
    {StrUnitBarrelsUk, u"barrels (UK)"},
    {StrUnitBarrelsOil, u"barrels oil"},
    {StrUnitBushelsUk, u"bushels (UK)"},
    {StrUnitBushelsUs, u"bushels (US)"},
    {StrUnitCubicCentimeter, u"cm\u00B3"},
    {StrUnitCubicFeet, u"feet\u00B3"},
    {StrUnitCubicInches, u"inches\u00B3"},
    {StrUnitCubicMeter, u"m\u00B3"},
    {StrUnitCubicYards, u"yards\u00B3"},
    {StrUnitFluidOuncesUk, u"fluid ounces (UK)"},
    {StrUnitFluidOuncesUs, u"fluid ounces (US)"},
    {StrUnitGallonsUk, u"gallons (UK)"},
    {StrUnitGallonsDryUs, u"gallons, dry (US)"},
    {StrUnitGallonsLiquidUs, u"gallons, liquid (US)"},
    {StrUnitMilliliters, u"milliliters"},
    {StrUnitPintsUk, u"pints (UK)"},
    {StrUnitPintsDryUs, u"pints, dry (US)"},
    {StrUnitPintsLiquidUs, u"pints, liquid(US)"},
    {StrUnitQuartsUk, u"quarts (UK)"},
    {StrUnitQuartsDryUs, u"quarts, dry (US)"},
    {StrUnitQuartsLiquidUs, u"quarts, liquid (US)"},
};

constexpr Entry kToolTips[] = {
    {DlgNumpad, u"Show numpad dialog."},
    {DlgTrigonometry, u"Show trigonometry dialog."},
    {DlgComplex, u"Show complex-functions dialog"},
    {DlgVariables, u"Show variables dialog."},
    {DlgConversion, u"Show conversions dialog."},
    {DlgLatinChars, u"Show Latin-chars dialog."},
    {DlgGreekChars, u"Show Greek-chars dialog."},
    {DlgMathChars, u"Show math-chars dialog."},
    {CmdInsertSquareRoot, u"Square root out of x."},
    {CmdInsertCubeRoot, u"Third root out of x."},
    {CmdInsertNthRoot, u"N root out of x."},
    {CmdInsertSquare, u"X powered to two."},
    {CmdInsertCube, u"X powered to three."},
    {CmdInsertPower, u"X powered to n."},
    {CmdInsertInverse, u"X inverted."},
    {CmdInsertExpPower, u"e powered to n."},
    {CmdInsertNaturalLog, u"Natural logarithm."},
    {CmdInsertTenPower, u"Ten powered to n."},
    {CmdInsertTenLog, u"Ten logarithm."},
    {CmdCalculateLine, u"Enter."},
    {CmdCalculateApproximate, u"Calculate approx. value."},
    {CmdDeleteChar, u"Delete char."},
    {CmdClearArea, u"Clears the text area."},
    {CmdUseSelectedVariable, u"Use selected variable."},
    {CmdDeleteSelectedVariable, u"Delete selected variable."},
};

constexpr Entry kPrompts[] = {
    {CmdUseSelectedVariable, u"Insert marked variable in textview."},
    {CmdDeleteSelectedVariable, u"Delete marked variable."},
};

constexpr Entry kMenuTexts[] = {
    {DlgNumpad, u"Numpad."},
    {DlgTrigonometry, u"Trigonometry tools."},
    {DlgComplex, u"Complex number tools."},
    {DlgVariables, u"Variable tools."},
    {DlgConversion, u"Conversion tool."},
    {DlgLatinChars, u"Latin chars."},
    {DlgGreekChars, u"Greek chars."},
    {DlgMathChars, u"Math chars."},
    {BarDialogs, u"Dialogs Toolabar"},
    {BarVariables, u"Variables Toolbar"},
    {BarRoots, u"Com. root Toolbar"},
    {BarExponents, u"Com. exp. Toolbar"},
    {BarLogarithms, u"Logarithm Toolbar"},
    {BarExecute, u"Exe. Toolbar"},
    {BarDelete, u"Del. Toolbar"},
    {CmdFontSize8, u"8"},
    {CmdFontSize10, u"10"},
    {CmdFontSize12, u"12"},
    {CmdFontSize14, u"14"},
    {CmdFontSize16, u"16"},
    {CmdShowRationalAndReal, u"Show rational and real solution."},
    {CmdShowRationalOnly, u"Show only rational solution."},
    {CmdShowRealOnly, u"Show only real solution."},
    {CmdAlwaysOnTop, u"Allways on top"},
    {CmdDisplayHelp, u"Display help."},
    {CmdEditUndo, u"&Undo\tCtrl+Z"},
    {CmdAbout, u"&About TOBRIK_CALCULATOR..."},
};

constexpr Entry kDialogCaptions[] = {
    {DlgTrigonometry, u"Trigonometry"},    {DlgNumpad, u"Numpad"},
    {DlgComplex, u"CMPLX Functions"},      {DlgVariables, u"Variables"},
    {DlgLatinChars, u"Latin chars"},       {DlgConversion, u"Conversion"},
    {DlgAbout, u"About TobrikCalculator"}, {DlgGreekChars, u"Greek chars"},
    {DlgMathChars, u"Math chars"},
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
    const QStringList parts = Text(StrDocumentTemplate).split(QLatin1Char('\n'));
    return index >= 0 && index < parts.size() ? parts.at(index) : QString();
}
