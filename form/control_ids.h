#pragma once
// Control ids of the tag form (dialog 102) and of the other windows.

namespace vexlor::ctl {

// Tag form data fields.
inline constexpr int Year = 1038;
inline constexpr int VinPrefix = 1022;
inline constexpr int Serial = 1023;
inline constexpr int BuildDate = 1000;
inline constexpr int CodeField = 1001;
inline constexpr int Style = 1002;
inline constexpr int Plant = 1003;
inline constexpr int BodyNumber = 1004;
inline constexpr int Trim = 1005;
inline constexpr int Seat = 1011;
inline constexpr int LowerPaint = 1006;
inline constexpr int TopPaint = 1014;
inline constexpr int Group1 = 1015;
inline constexpr int Group2 = 1016;
inline constexpr int Group3 = 1017;
inline constexpr int Group4 = 1018;
inline constexpr int Group5 = 1019;
inline constexpr int BuildDate69 = 1007;
inline constexpr int Code69 = 1008;

// Tag form legends, labels and buttons.
inline constexpr int Legend68 = 1045;
inline constexpr int TopLegend = 1043;
inline constexpr int BottomLegend67 = 1044;
inline constexpr int Legend69Line1 = 1046;
inline constexpr int Legend69Line2 = 1047;
inline constexpr int Legend69Line3 = 1048;
inline constexpr int GroupLabel2 = 1039;
inline constexpr int GroupLabel3 = 1040;
inline constexpr int GroupLabel4 = 1041;
inline constexpr int GroupLabel5 = 1042;
inline constexpr int SeatDash = 1049;
inline constexpr int RivetRight = 1012;
inline constexpr int RivetLeft = 1013;
inline constexpr int ProgramInfo = 3;
inline constexpr int FavoriteWebSites = 4;
inline constexpr int ClearAll = 5;
inline constexpr int ExitButton = 6;
inline constexpr int Decode = 1050;
inline constexpr int HelpDecoding = 1051;
inline constexpr int HiddenExit = 2;

// Common dialog ids.
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;

// About dialog (100).
inline constexpr int AboutVersion = 1053;

// Favorite Web Sites dialog (131).
inline constexpr int WebHeading = 1020;
inline constexpr int GoToVelk = 2;
inline constexpr int GoToSorvan = 4;

// Results window (130).
inline constexpr int SaveToFile = 1018;
inline constexpr int ResultsList = 1017;
inline constexpr int ResultsEmail = 1051;
inline constexpr int ResultsSaved = 1052;  // where the last save went

inline constexpr int None = -1;  // controls without an id (labels, the tag outline)

}  // namespace vexlor::ctl
