#pragma once

// Command ids of the menu, the toolbar and the accelerators.
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;
constexpr int ID_VIEW_TOOLBAR = 59392;

constexpr int ID_SET_WIND_SPEED = 32746;
constexpr int ID_CLEAR_GRAPH = 32775;
constexpr int ID_CONFIGURE = 32776;
constexpr int ID_COM_PORT = 32778;
constexpr int ID_AXIS = 32779;
constexpr int ID_OVERLAY_SET = 32783;
constexpr int ID_OVERLAY_CLEAR = 32784;
constexpr int ID_STOP_WIND = 32785;
constexpr int ID_HELP_CONTENTS = 32787;
constexpr int ID_ENTER_COMMENTS = 32793;
constexpr int ID_WIND_UP_1 = 32795;
constexpr int ID_WIND_UP_5 = 32796;
constexpr int ID_WIND_DOWN_5 = 32797;
constexpr int ID_WIND_DOWN_1 = 32798;
constexpr int ID_MENU_HELP = 32806;
constexpr int ID_MENU_ABOUT = 32807;
constexpr int ID_AIR_DENSITY = 32808;
constexpr int ID_FILE_EXPORT = 32900;

// Steady measurements.
constexpr int ID_ZERO_FORCES = 32910;
constexpr int ID_SWEEP = 32911;
constexpr int ID_SWEEP_RESULTS = 32912;
constexpr int ID_SWEEP_ESCAPE = 32913;
