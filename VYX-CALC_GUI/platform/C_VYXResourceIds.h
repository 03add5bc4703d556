// SPDX-License-Identifier: MIT
// C_VYXResourceIds: the program's numeric resource ids (strings, commands, templates, bars).
#pragma once

/// The ids double as keys: angle units are stored in documents as their string id, command ids
/// key tooltips and status-bar prompts, and template ids are also the panel commands.
namespace C_VYXResourceIds {

// ---- strings ----
constexpr int StrOleInitFailed = 100;
constexpr int StrAngleRadians = 102;     ///< "ANGLE_RAD"
constexpr int StrAngleDegrees = 213;     ///< "ANGLE_DEG"
constexpr int StrAngleGradians = 214;    ///< "ANGLE_GRA"
constexpr int StrDocumentTemplate = 128; ///< the document type line, with the file filter
constexpr int StrCalculationCount = 244; ///< "Number of calculations: "
constexpr int StrBarStateSection = 355;  ///< "MAINFRMBARSTATE"

// Engine texts of the display symbols.
constexpr int StrSymbolSquareRoot = 240; ///< "SQRT"
constexpr int StrSymbolSquare = 241;     ///< "^2"
constexpr int StrSymbolNthRoot = 243;    ///< "~"
constexpr int StrSymbolCubeRoot = 248;   ///< "(3)~"
constexpr int StrSymbolCube = 249;       ///< "^3"
constexpr int StrSymbolInverse = 251;    ///< "^-1"

// Unit categories.
constexpr int StrCategoryLength = 253;
constexpr int StrCategoryArea = 254;
constexpr int StrCategoryEnergy = 255;
constexpr int StrCategoryPower = 256;
constexpr int StrCategoryPressure = 257; ///< "Presure"
constexpr int StrCategoryTemperature = 258;
constexpr int StrCategoryMass = 259;
constexpr int StrCategoryVelocity = 260;
constexpr int StrCategoryVolume = 261;

// Units: temperature.
constexpr int StrUnitKelvin = 107;
constexpr int StrUnitCelsius = 262;    ///< "Celcius"
constexpr int StrUnitFahrenheit = 263; ///< "Farenheit"
// Mass.
constexpr int StrUnitGram = 264;
constexpr int StrUnitPound = 265;
constexpr int StrUnitTonnes = 266;
constexpr int StrUnitTonsUk = 267;
constexpr int StrUnitTonsUs = 268;
constexpr int StrUnitKilogram = 269;
// Length.
constexpr int StrUnitMeter = 277;
constexpr int StrUnitCentimeter = 279;
constexpr int StrUnitFathoms = 280;
constexpr int StrUnitFeet = 282;
constexpr int StrUnitFurlong = 283;
constexpr int StrUnitInch = 284;
constexpr int StrUnitKilometer = 285;
constexpr int StrUnitMiles = 287;
constexpr int StrUnitMillimeter = 288;
constexpr int StrUnitNauticalMiles = 289;
constexpr int StrUnitYard = 290;
// Energy.
constexpr int StrUnitJoule = 291;
constexpr int StrUnitKilojoule = 292;
constexpr int StrUnitKilowattHours = 293;
constexpr int StrUnitNutritionCalories = 294;
// Area.
constexpr int StrUnitSquareMeter = 298;
constexpr int StrUnitAcres = 299;
constexpr int StrUnitHectares = 300;
constexpr int StrUnitSquareCentimeter = 301;
constexpr int StrUnitSquareFeet = 302;
constexpr int StrUnitSquareInches = 303;
constexpr int StrUnitSquareKilometers = 304;
constexpr int StrUnitSquareMiles = 305;
constexpr int StrUnitSquareMillimeter = 306;
constexpr int StrUnitSquareYards = 307;
// Power.
constexpr int StrUnitKilowatt = 308;
constexpr int StrUnitHorsepower = 309;
constexpr int StrUnitWatt = 310;
// Pressure.
constexpr int StrUnitPascals = 311;
constexpr int StrUnitAtmosphere = 312;
constexpr int StrUnitBar = 313;
constexpr int StrUnitMmHg = 314;
constexpr int StrUnitPoundsPerSquareInch = 315;
// Velocity.
constexpr int StrUnitMetersPerSecond = 316;
constexpr int StrUnitKilometersPerHour = 317;
constexpr int StrUnitFeetPerHour = 318;
constexpr int StrUnitKnots = 319;
constexpr int StrUnitMach = 320;
constexpr int StrUnitMilesPerHour = 321;
// Volume.
constexpr int StrUnitLiters = 322;
constexpr int StrUnitBarrelsUk = 323;
constexpr int StrUnitBarrelsOil = 324;
constexpr int StrUnitBushelsUk = 325;
constexpr int StrUnitBushelsUs = 326;
constexpr int StrUnitCubicCentimeter = 327;
constexpr int StrUnitCubicFeet = 328;
constexpr int StrUnitCubicInches = 329;
constexpr int StrUnitCubicMeter = 330;
constexpr int StrUnitCubicYards = 331;
constexpr int StrUnitFluidOuncesUk = 332;
constexpr int StrUnitFluidOuncesUs = 333;
constexpr int StrUnitGallonsUk = 334;
constexpr int StrUnitGallonsDryUs = 335;
constexpr int StrUnitGallonsLiquidUs = 336;
constexpr int StrUnitMilliliters = 337;
constexpr int StrUnitPintsUk = 338;
constexpr int StrUnitPintsDryUs = 339;
constexpr int StrUnitPintsLiquidUs = 340;
constexpr int StrUnitQuartsUk = 341;
constexpr int StrUnitQuartsDryUs = 342;
constexpr int StrUnitQuartsLiquidUs = 343;

// ---- dialog templates (also the commands that show the panels) ----
constexpr int DlgTrigonometry = 101;
constexpr int DlgNumpad = 103;
constexpr int DlgComplex = 104;
constexpr int DlgVariables = 108;
constexpr int DlgLatinChars = 109;
constexpr int DlgConversion = 163;
constexpr int DlgAbout = 176;
constexpr int DlgGreekChars = 177;
constexpr int DlgMathChars = 178;

// ---- toolbars (also their View > Toolbars commands) ----
constexpr int BarFiles = 128;
constexpr int BarDialogs = 174;
constexpr int BarRoots = 189;
constexpr int BarExponents = 193;
constexpr int BarLogarithms = 195;
constexpr int BarExecute = 197;
constexpr int BarDelete = 199;
constexpr int BarVariables = 205;

// ---- commands ----
constexpr int CmdFontSize8 = 32772;
constexpr int CmdFontSize10 = 32773;
constexpr int CmdFontSize12 = 32774;
constexpr int CmdFontSize14 = 32775;
constexpr int CmdFontSize16 = 32776;
constexpr int CmdShowRationalAndReal = 32778;
constexpr int CmdShowRationalOnly = 32779;
constexpr int CmdShowRealOnly = 32780;
constexpr int CmdDisplayHelp = 32781;
constexpr int CmdAlwaysOnTop = 32810;
constexpr int CmdInsertSquareRoot = 32849;
constexpr int CmdInsertCubeRoot = 32850;
constexpr int CmdInsertNthRoot = 32851;
constexpr int CmdInsertSquare = 32852;
constexpr int CmdInsertCube = 32853;
constexpr int CmdInsertPower = 32854;
constexpr int CmdInsertInverse = 32855;
constexpr int CmdInsertExpPower = 32856;
constexpr int CmdInsertNaturalLog = 32857;
constexpr int CmdInsertTenPower = 32858;
constexpr int CmdInsertTenLog = 32859;
constexpr int CmdCalculateLine = 32860;
constexpr int CmdCalculateApproximate = 32861;
constexpr int CmdDeleteChar = 32862;
constexpr int CmdClearArea = 32863;
constexpr int CmdUseSelectedVariable = 32868;
constexpr int CmdDeleteSelectedVariable = 32869;
constexpr int CmdEditUndo = 57643;
constexpr int CmdAbout = 57664;

} // namespace C_VYXResourceIds
