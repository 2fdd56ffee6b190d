#pragma once
// Command ids of menu items, keys, toolbar, tool window and start-screen buttons.

namespace vl::cmd {

// Menu commands.
constexpr int kNewCardFile = 1400;
constexpr int kOpenCardFile = 1401;
constexpr int kSave = 1402;
constexpr int kClose = 1403;
constexpr int kPrinterSetup = 1404;
constexpr int kPrint = 1405;
constexpr int kExit = 1406;
constexpr int kNewCertificateFirst = 1407;   // 1407..1412, kinds 0..5
constexpr int kOpenCertificateFirst = 1413;  // 1413..1418
constexpr int kDeleteCertificateFirst = 1419;  // 1419..1424
constexpr int kDescendantList = 1425;
constexpr int kDescendantChart = 1426;
constexpr int kGenerations = 1427;
constexpr int kDescendantCircle = 1428;
constexpr int kAncestorChart = 1430;
constexpr int kAncestorCircle = 1431;
constexpr int kCombinedChart = 1432;
constexpr int kPersonStatistics = 1433;
constexpr int kCardFileData = 1434;
constexpr int kContextHelp = 1435;
constexpr int kHelpContents = 1436;
constexpr int kAbout = 1437;
constexpr int kTile = 1438;
constexpr int kCascade = 1439;
constexpr int kArrangeIcons = 1440;
constexpr int kCloseAllWindows = 1441;
constexpr int kCriteriaSearch = 1443;
constexpr int kPossibleParents = 1444;
constexpr int kLivingPersons = 1445;
constexpr int kNewPersonCard = 1446;
constexpr int kOpenPersonCard = 1447;
constexpr int kDeletePerson = 1448;
constexpr int kPersonOverview = 1449;
constexpr int kRepublicanCalendar = 1450;
constexpr int kPerpetualCalendar = 1451;
constexpr int kExportCardFile = 1452;
constexpr int kImportCardFile = 1453;
constexpr int kGedcomImport = 1454;
constexpr int kGedcomExport = 1455;
constexpr int kSearchAllCardFiles = 1456;
constexpr int kAutoSaveSettings = 1457;
constexpr int kAncestorList = 1458;
constexpr int kRenameCardFile = 1459;
constexpr int kDeleteCardFile = 1460;
constexpr int kMergeCardFiles = 1461;
constexpr int kImportOlderVersion = 1462;

// Commands forwarded to the active child window (keys F9 to F12, buttons 3100 to 3103).
constexpr int kChildCommand120 = 120;
constexpr int kChildCommand121 = 121;
constexpr int kChildCommand145 = 145;
constexpr int kChildCommand146 = 146;
constexpr int kChildButtonFirst = 3100;  // 3100..3103

// Toolbar buttons 2000..2018.
constexpr int kToolbarOpen = 2000;
constexpr int kToolbarPersonCard = 2001;
constexpr int kToolbarNotes = 2011;  // working notes; also the id of its menu item
constexpr int kToolbarHelp = 2012;

// Tool window buttons 3000..3011.
constexpr int kToolLink = 3000;
constexpr int kToolZoom = 3001;
constexpr int kToolDesign = 3002;
constexpr int kToolTreeOptions = 3003;
constexpr int kToolSection = 3004;
constexpr int kToolNext = 3005;
constexpr int kToolPastLast = 3006;
constexpr int kToolPrevious = 3007;
constexpr int kToolFirst = 3008;
constexpr int kToolChooseByName = 3009;
constexpr int kToolObject = 3010;
constexpr int kToolPrintMode = 3011;

}  // namespace vl::cmd
