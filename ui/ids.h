#pragma once
// Identifiers of the main window's controls that the logic addresses by role.

#include <array>

namespace kestrel::ui::id {

inline constexpr int kRefer = 1001;
inline constexpr int kPath = 1003;
inline constexpr std::array<int, 4> kClassRadios = {1006, 1007, 1008, 1046};  // 初級 中級 上級 超級
inline constexpr std::array<int, 3> kDebugStatics = {1009, 1010, 1094};
inline constexpr int kDummyDefault = 1013;

inline constexpr int kConfirmBox = 1058;  // 確定
inline constexpr int kExcludeBox = 1042;  // 除外
// In family-code order (1..14).
inline constexpr std::array<int, 14> kConfirmRow = {1076, 1083, 1084, 1089, 1100, 1101, 1102,
                                                    1103, 1104, 1105, 1106, 1107, 1108, 1178};
inline constexpr std::array<int, 14> kExcludeRow = {1034, 1036, 1043, 1044, 1047, 1048, 1049,
                                                    1050, 1051, 1052, 1053, 1054, 1055, 1072};

inline constexpr int kHpAtLeastBox = 1033, kHpAtLeastEdit = 1019;
inline constexpr int kHpAtMostBox = 1035, kHpAtMostEdit = 1024;
inline constexpr int kMpAtLeastBox = 1045, kMpAtLeastEdit = 1028;
inline constexpr int kMpAtMostBox = 1067, kMpAtMostEdit = 1029;

inline constexpr int kConfig = 1081;
inline constexpr int kUserName = 1109;
inline constexpr int kUserDown = 1017;
inline constexpr int kUserNo = 1062;
inline constexpr int kUserUp = 1061;
inline constexpr int kWeaponName = 1099;
inline constexpr int kChangeUser = 1012;
inline constexpr int kUserAttack = 1086;
inline constexpr int kUserDefense = 1093;

// Damage rows: low and high edits.
inline constexpr int kMoonsaultLow = 1155, kMoonsaultHigh = 1156;
inline constexpr int kTakenLow = 1096, kTakenHigh = 1133;
inline constexpr int kDealtLow = 1090, kDealtHigh = 1118;
inline constexpr int kSpecialLow = 1134, kSpecialHigh = 1153;
inline constexpr int kTakenBox = 1098, kDealtBox = 1092;
inline constexpr int kSpecialName = 1159;
inline constexpr std::array<int, 4> kRatioStatics = {1082, 1172, 1113, 1171};
inline constexpr int kSpecialVerdict = 1175, kMoonsaultVerdict = 1176;
// The icon buttons beside the damage fields.
inline constexpr int kMoonsaultDown = 1026, kMoonsaultUp = 1065;
inline constexpr int kTakenDown = 1027, kTakenUp = 1066;
inline constexpr int kDealtDown = 1021, kDealtUp = 1063;
inline constexpr int kSpecialDown = 1023, kSpecialUp = 1064;

// Observation enabling boxes and value buttons.
inline constexpr int kMetalBox = 1031, kMetalButton = 1018;
inline constexpr int kFloatingBox = 1030, kFloatingButton = 1011;
inline constexpr int kSizeBox = 1164, kSizeButton = 1085;
inline constexpr int kMpDrainBox = 1060, kMpDrainButton = 1022;
inline constexpr int kAngerBox = 1059, kAngerButton = 1014;
inline constexpr int kPushBox = 1071, kPushButton = 1015;

inline constexpr int kSearchBox = 1032;

// The hint panel's line that names the first skill it advises; a click on it or
// Ctrl+Shift+S adds that skill to the search.
inline constexpr int kFirstSkill = 3083;
// The skill buttons, in label order.
inline constexpr std::array<int, 16> kSkillButtons = {1132, 1135, 1136, 1137, 1138, 1139, 1140, 1141,
                                                      1142, 1143, 1144, 1145, 1146, 1147, 1148, 1149};
inline constexpr int kSearchEdit = 1005;
inline constexpr int kToleranceBox = 1115;

inline constexpr int kReset = 1038;
// Range display: low, separator, high, average, percentage.
inline constexpr std::array<int, 5> kAttackRange = {1073, 1151, 1069, 1165, 1166};
inline constexpr std::array<int, 5> kDefenseRange = {1074, 1152, 1075, 1167, 1168};
inline constexpr std::array<int, 5> kBonusDefenseRange = {1079, 1158, 1080, 1169, 1170};

inline constexpr int kListLock = 1070;
// Sort radios by sort key 0..6.
inline constexpr std::array<int, 7> kSortRadios = {1125, 1177, 1123, 1127, 1122, 1124, 1128};
// Layout radios by layout 0..3.
inline constexpr std::array<int, 4> kLayoutRadios = {1161, 1179, 1180, 1150};

// Commands of the window that belong to no control: menu items and keys.
inline constexpr int kTopmostCommand = 3150;   // 表示 → 常に手前に表示
inline constexpr int kCopyNameCommand = 3151;  // the answer's name to the clipboard
inline constexpr int kGuideCommand = 3152;     // ヘルプ → 使い方
// "答え合わせ…" at the foot of the hint panel: the game's answer checked against
// the definition file and recorded in the quiz log.
inline constexpr int kAnswerCheck = 3100;
// Commands of the shortcut table that have no control of their own.
inline constexpr int kUndoReset = 3200;  // brings back what RESET or the まめ layout cleared

}  // namespace kestrel::ui::id
