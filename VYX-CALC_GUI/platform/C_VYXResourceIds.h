// SPDX-License-Identifier: MIT
// C_VYXResourceIds: the program's numeric resource ids (strings, commands, templates, bars).
#pragma once

/// The ids double as keys: angle units are stored in documents as their string id, command ids
/// key tooltips and status-bar prompts, and template ids are also the panel commands.
namespace C_VYXResourceIds {

// ---- strings ----
constexpr int kStrAngleRadians = 102;     ///< "ANGLE_RAD"
constexpr int kStrAngleDegrees = 213;     ///< "ANGLE_DEG"
constexpr int kStrAngleGradians = 214;    ///< "ANGLE_GRA"
constexpr int kStrDocumentTemplate = 128; ///< the document type line, with the file filter
constexpr int kStrCalculationCount = 244; ///< "Number of calculations: "
constexpr int kStrBarStateSection = 355;  ///< "MAINFRMBARSTATE"

// Engine texts of the display symbols.
constexpr int kStrSymbolSquareRoot = 240; ///< "SQRT"
constexpr int kStrSymbolSquare = 241;     ///< "^2"
constexpr int kStrSymbolNthRoot = 243;    ///< "~"
constexpr int kStrSymbolCubeRoot = 248;   ///< "(3)~"
constexpr int kStrSymbolCube = 249;       ///< "^3"
constexpr int kStrSymbolInverse = 251;    ///< "^-1"

// Unit categories.
constexpr int kStrCategoryLength = 253;
constexpr int kStrCategoryArea = 254;
constexpr int kStrCategoryEnergy = 255;
constexpr int kStrCategoryPower = 256;
constexpr int kStrCategoryPressure = 257; ///< "Presure"
constexpr int kStrCategoryTemperature = 258;
constexpr int kStrCategoryMass = 259;
constexpr int kStrCategoryVelocity = 260;
constexpr int kStrCategoryVolume = 261;

// Units: temperature.
constexpr int kStrUnitKelvin = 107;
constexpr int kStrUnitCelsius = 262;    ///< "Celcius"
constexpr int kStrUnitFahrenheit = 263; ///< "Farenheit"
// Mass.
constexpr int kStrUnitGram = 264;
constexpr int kStrUnitPound = 265;
constexpr int kStrUnitTonnes = 266;
constexpr int kStrUnitTonsUk = 267;
constexpr int kStrUnitTonsUs = 268;
constexpr int kStrUnitKilogram = 269;
// Length.
constexpr int kStrUnitMeter = 277;
constexpr int kStrUnitCentimeter = 279;
constexpr int kStrUnitFathoms = 280;
constexpr int kStrUnitFeet = 282;
constexpr int kStrUnitFurlong = 283;
constexpr int kStrUnitInch = 284;
constexpr int kStrUnitKilometer = 285;
constexpr int kStrUnitMiles = 287;
constexpr int kStrUnitMillimeter = 288;
constexpr int kStrUnitNauticalMiles = 289;
constexpr int kStrUnitYard = 290;
// Energy.
constexpr int kStrUnitJoule = 291;
constexpr int kStrUnitKilojoule = 292;
constexpr int kStrUnitKilowattHours = 293;
constexpr int kStrUnitNutritionCalories = 294;
// Area.
constexpr int kStrUnitSquareMeter = 298;
constexpr int kStrUnitAcres = 299;
constexpr int kStrUnitHectares = 300;
constexpr int kStrUnitSquareCentimeter = 301;
constexpr int kStrUnitSquareFeet = 302;
constexpr int kStrUnitSquareInches = 303;
constexpr int kStrUnitSquareKilometers = 304;
constexpr int kStrUnitSquareMiles = 305;
constexpr int kStrUnitSquareMillimeter = 306;
constexpr int kStrUnitSquareYards = 307;
// Power.
constexpr int kStrUnitKilowatt = 308;
constexpr int kStrUnitHorsepower = 309;
constexpr int kStrUnitWatt = 310;
// Pressure.
constexpr int kStrUnitPascals = 311;
constexpr int kStrUnitAtmosphere = 312;
constexpr int kStrUnitBar = 313;
constexpr int kStrUnitMmHg = 314;
constexpr int kStrUnitPoundsPerSquareInch = 315;
// Velocity.
constexpr int kStrUnitMetersPerSecond = 316;
constexpr int kStrUnitKilometersPerHour = 317;
constexpr int kStrUnitFeetPerHour = 318;
constexpr int kStrUnitKnots = 319;
constexpr int kStrUnitMach = 320;
constexpr int kStrUnitMilesPerHour = 321;
// Volume.
constexpr int kStrUnitLiters = 322;
constexpr int kStrUnitBarrelsUk = 323;
constexpr int kStrUnitBarrelsOil = 324;
constexpr int kStrUnitBushelsUk = 325;
constexpr int kStrUnitBushelsUs = 326;
constexpr int kStrUnitCubicCentimeter = 327;
constexpr int kStrUnitCubicFeet = 328;
constexpr int kStrUnitCubicInches = 329;
constexpr int kStrUnitCubicMeter = 330;
constexpr int kStrUnitCubicYards = 331;
constexpr int kStrUnitFluidOuncesUk = 332;
constexpr int kStrUnitFluidOuncesUs = 333;
constexpr int kStrUnitGallonsUk = 334;
constexpr int kStrUnitGallonsDryUs = 335;
constexpr int kStrUnitGallonsLiquidUs = 336;
constexpr int kStrUnitMilliliters = 337;
constexpr int kStrUnitPintsUk = 338;
constexpr int kStrUnitPintsDryUs = 339;
constexpr int kStrUnitPintsLiquidUs = 340;
constexpr int kStrUnitQuartsUk = 341;
constexpr int kStrUnitQuartsDryUs = 342;
constexpr int kStrUnitQuartsLiquidUs = 343;

// ---- dialog templates (also the commands that show the panels) ----
constexpr int kDlgTrigonometry = 101;
constexpr int kDlgNumpad = 103;
constexpr int kDlgComplex = 104;
constexpr int kDlgVariables = 108;
constexpr int kDlgLatinChars = 109;
constexpr int kDlgConversion = 163;
constexpr int kDlgAbout = 176;
constexpr int kDlgGreekChars = 177;
constexpr int kDlgMathChars = 178;

// ---- toolbars (also their View > Toolbars commands) ----
constexpr int kBarFiles = 128;
constexpr int kBarDialogs = 174;
constexpr int kBarRoots = 189;
constexpr int kBarExponents = 193;
constexpr int kBarLogarithms = 195;
constexpr int kBarExecute = 197;
constexpr int kBarDelete = 199;
constexpr int kBarVariables = 205;

// ---- commands ----
constexpr int kCmdFontSize8 = 32772;
constexpr int kCmdFontSize10 = 32773;
constexpr int kCmdFontSize12 = 32774;
constexpr int kCmdFontSize14 = 32775;
constexpr int kCmdFontSize16 = 32776;
constexpr int kCmdShowRationalAndReal = 32778;
constexpr int kCmdShowRationalOnly = 32779;
constexpr int kCmdShowRealOnly = 32780;
constexpr int kCmdDisplayHelp = 32781;
constexpr int kCmdAlwaysOnTop = 32810;
constexpr int kCmdInsertSquareRoot = 32849;
constexpr int kCmdInsertCubeRoot = 32850;
constexpr int kCmdInsertNthRoot = 32851;
constexpr int kCmdInsertSquare = 32852;
constexpr int kCmdInsertCube = 32853;
constexpr int kCmdInsertPower = 32854;
constexpr int kCmdInsertInverse = 32855;
constexpr int kCmdInsertExpPower = 32856;
constexpr int kCmdInsertNaturalLog = 32857;
constexpr int kCmdInsertTenPower = 32858;
constexpr int kCmdInsertTenLog = 32859;
constexpr int kCmdCalculateLine = 32860;
constexpr int kCmdCalculateApproximate = 32861;
constexpr int kCmdDeleteChar = 32862;
constexpr int kCmdClearArea = 32863;
constexpr int kCmdUseSelectedVariable = 32868;
constexpr int kCmdDeleteSelectedVariable = 32869;
constexpr int kCmdEditUndo = 57643;
constexpr int kCmdAbout = 57664;

} // namespace C_VYXResourceIds
