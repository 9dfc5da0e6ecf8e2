/* Resource identifiers shared by the program's code and res/zoravel.rc.
   Each kind has its own band: icons 100, bitmaps 101..240, controls 1002..1004,
   commands 1101..1102. */
#ifndef ZORAVEL_RESOURCE_H
#define ZORAVEL_RESOURCE_H

/* Icon group of the window class and the file. */
#define IDI_MAIN 100

/* Creature pictures: IDB_PICTURE_BASE + EntryIndex, 80x80, 8 bpp. */
#define IDB_PICTURE_BASE  101
#define IDB_PICTURE_LAST  207
#define IDB_FORM1_PICTURE 239
#define IDB_FORM2_PICTURE 240

/* Type icons, 32x12, 4 bpp. */
#define IDB_TYPE_INSECT   210
#define IDB_TYPE_DARK     211
#define IDB_TYPE_DRAGON   212
#define IDB_TYPE_ELECTRIC 213
#define IDB_TYPE_FIGHTING 214
#define IDB_TYPE_FIRE     215
#define IDB_TYPE_FLYING   216
#define IDB_TYPE_GHOST    217
#define IDB_TYPE_GRASS    218
#define IDB_TYPE_GROUND   219
#define IDB_TYPE_ICE      220
#define IDB_TYPE_NORMAL   221
#define IDB_TYPE_PSYCHIC  222
#define IDB_TYPE_ROCK     223
#define IDB_TYPE_STEEL    224
#define IDB_TYPE_POISON   225
#define IDB_TYPE_WATER    226

/* Tab buttons, 35x14, 24 bpp. The evolution pair is the other way round. */
#define IDB_TAB_INFO_OFF      227
#define IDB_TAB_INFO_ON       228
#define IDB_TAB_MOVES_OFF     229
#define IDB_TAB_MOVES_ON      230
#define IDB_TAB_MACHINES_OFF  231
#define IDB_TAB_MACHINES_ON   232
#define IDB_TAB_EVOLUTION_ON  234
#define IDB_TAB_EVOLUTION_OFF 235

/* Gender marks of the evolution panel, 16x22, 8 bpp. */
#define IDB_SYMBOL_FEMALE 237
#define IDB_SYMBOL_MALE   238

/* Child controls of the main window. */
#define IDC_ENTRY_COMBO 1002
#define IDC_MOVE_LIST   1003
#define IDC_FORM_BUTTON 1004

/* Commands of the main window, sent by the view keys. */
#define IDM_NEXT_VIEW     1101
#define IDM_PREVIOUS_VIEW 1102

#endif
