#pragma once
// Resource identifiers of the program's pictures (drawn at build time by
// tools/artgen). Icons are 32-bit with alpha: LoadImageA(..., IMAGE_ICON,
// w, h, 0) and DrawIconEx. Bitmaps other than the ramp are 32-bit with
// premultiplied alpha: LoadImageA(..., IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)
// and AlphaBlend with AC_SRC_ALPHA.

// The program's icon, 32 x 32 and 16 x 16: a blue rounded square with a
// white "Z". The lowest icon id, so the shell shows it for the executable.
#define IDI_ZORVANE 1
// Tray icons, 16 x 16: the active look and the grey disabled look.
#define IDI_TRAYACTIVE 2
#define IDI_TRAYDISABLED 3

// Context menu icons, 16 x 16 (image index = id - IDI_MENUEDITOR); Find...
// came later, so its picture comes last.
#define IDI_MENUEDITOR 10
#define IDI_MENUOPTIONS 11
#define IDI_MENUABOUT 12
#define IDI_MENUEXIT 13
#define IDI_MENUFIND 14

// Link pictures, 16 x 16: light-blue check mark (OK), red cross (Cancel),
// navy arrow (the editor's other commands); the editor's tip bulb.
#define IDI_CHECKMARK 20
#define IDI_CROSS 21
#define IDI_LINKARROW 22
#define IDI_TIP 23
// Red warning triangle with a white exclamation mark, 22 x 22 and 11 x 11
// (the badge over a shortcut icon whose hotkey is invalid).
#define IDI_HOTKEYWARNING 24
#define IDI_HOTKEYWARNINGSMALL 25

// Shortcut type pictures, 16 x 16, in type order (id - IDI_TYPEAPPLICATION =
// ShortcutType - 1): program window, document with a red A, yellow folder.
#define IDI_TYPEAPPLICATION 30
#define IDI_TYPEFILE 31
#define IDI_TYPEFOLDER 32
// View style pictures, 16 x 16 (id - IDI_VIEWMINIMIZED = ViewStyle):
// window reduced to a bar, two overlapping windows, a full window.
#define IDI_VIEWMINIMIZED 33
#define IDI_VIEWNORMAL 34
#define IDI_VIEWMAXIMIZED 35
// A link without an icon of its handler's: a blue globe, small and large
// up to 150 %.
#define IDI_WEBLINK 40

// The 60 x 1 grey ramp of the left bands and menu strips, 24-bit and opaque:
// pixel x is RGB(195 + x, 195 + x, 195 + x).
#define IDB_RAMP 100
// The bitmaps below (not the ramp, which is stretched anyway) are drawn
// again at 125, 150, 175 and 200 %: the picture for step k (1 to 4) is
// id + IDB_SCALESTEP x k. Icons hold every scale's size in one resource.
#define IDB_SCALESTEP 1000
// The 24 x 16 link arrow of the options window (arrow centred).
#define IDB_LINKARROW 101
// The 17 x 10 opened yellow folder of the browse buttons.
#define IDB_FOLDERGLYPH 102
// Title lettering in dark grey: "About" 49 x 16, "Options" 64 x 18,
// "Shortcut Editor" 125 x 16 (editor and shortcut properties).
#define IDB_TITLEABOUT 103
#define IDB_TITLEOPTIONS 104
#define IDB_TITLEEDITOR 105
