#pragma once
// The message vocabulary of the window system, with the numbers the masks and their containers
// know: window messages, notification codes, virtual keys and style bits.

#include <cstdint>

#include "platform/com/ComTypes.h"

namespace platform {

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr WPARAM makeWParam(int low, int high) {
  return (static_cast<WPARAM>(static_cast<std::uint16_t>(low))) |
         (static_cast<WPARAM>(static_cast<std::uint16_t>(high)) << 16);
}
constexpr LPARAM makeLParam(int low, int high) {
  return static_cast<LPARAM>(makeWParam(low, high));
}
constexpr int lowWord(std::uintptr_t value) {
  return static_cast<std::int16_t>(value & 0xFFFF);
}
constexpr int highWord(std::uintptr_t value) {
  return static_cast<std::int16_t>((value >> 16) & 0xFFFF);
}

// Window messages.
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_SETTEXT = 0x000C;     // lParam: const char* (null: no text)
constexpr UINT WM_SHOWWINDOW = 0x0018;  // wParam: shown
constexpr UINT WM_SETCURSOR = 0x0020;   // answered 1 when the window set its own cursor
constexpr UINT WM_GETDLGCODE = 0x0087;  // which keys a control wants (DLGC_...)
constexpr UINT WM_KEYDOWN = 0x0100;     // wParam: virtual key
constexpr UINT WM_CHAR = 0x0102;        // wParam: the character
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;         // wParam: id and notification code, lParam: Window*
constexpr UINT WM_CTLCOLORDLG = 0x0136;     // wParam: DeviceContext*, lParam: Window*
constexpr UINT WM_CTLCOLORSTATIC = 0x0138;  // wParam: DeviceContext*, lParam: Window*
constexpr UINT WM_MOUSEMOVE = 0x0200;       // lParam: x and y in client pixels
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
constexpr UINT WM_MOUSELEAVE = 0x02A3;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;
// A notification that a dialog reflects back to the control it came from.
constexpr UINT OCM__BASE = WM_USER + 0x1C00;
constexpr UINT OCM_COMMAND = OCM__BASE + WM_COMMAND;
constexpr UINT OCM_CTLCOLORSTATIC = OCM__BASE + WM_CTLCOLORSTATIC;

// Answers to WM_GETDLGCODE: the control takes character messages (Enter and Space).
constexpr LRESULT DLGC_WANTCHARS = 0x0080;

// Notification codes of WM_COMMAND.
constexpr int BN_CLICKED = 0;
constexpr int STN_CLICKED = 0;
constexpr int STN_DBLCLK = 1;
constexpr int EN_SETFOCUS = 0x0100;
constexpr int EN_KILLFOCUS = 0x0200;
constexpr int EN_CHANGE = 0x0300;
constexpr int CBN_SELCHANGE = 1;
constexpr int CBN_SETFOCUS = 3;
constexpr int CBN_KILLFOCUS = 4;
constexpr int CBN_EDITCHANGE = 5;
constexpr int CBN_SELENDOK = 9;
constexpr int LBN_SELCHANGE = 1;
constexpr int LBN_SETFOCUS = 4;
constexpr int LBN_KILLFOCUS = 5;

// Virtual keys.
constexpr WPARAM VK_BACK = 0x08;
constexpr WPARAM VK_TAB = 0x09;
constexpr WPARAM VK_RETURN = 0x0D;
constexpr WPARAM VK_ESCAPE = 0x1B;
constexpr WPARAM VK_SPACE = 0x20;
constexpr WPARAM VK_UP = 0x26;
constexpr WPARAM VK_F1 = 0x70;
// Key-message flag: the Alt key was held.
constexpr LPARAM KF_ALTDOWN_LPARAM = 0x20000000;

// Window styles.
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD DS_SETFONT = 0x40;

constexpr DWORD ES_UPPERCASE = 0x0008;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_READONLY = 0x0800;

constexpr DWORD SS_LEFT = 0x00;
constexpr DWORD SS_CENTER = 0x01;
constexpr DWORD SS_RIGHT = 0x02;
constexpr DWORD SS_TYPEMASK = 0x1F;
constexpr DWORD SS_NOTIFY = 0x100;

constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD BS_CHECKBOX = 0x2;
constexpr DWORD BS_AUTOCHECKBOX = 0x3;
constexpr DWORD BS_RADIOBUTTON = 0x4;
constexpr DWORD BS_GROUPBOX = 0x7;
constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
constexpr DWORD BS_TYPEMASK = 0xF;

constexpr DWORD CBS_DROPDOWN = 0x2;
constexpr DWORD CBS_DROPDOWNLIST = 0x3;
constexpr DWORD CBS_TYPEMASK = 0x3;
constexpr DWORD CBS_UPPERCASE = 0x2000;

constexpr DWORD LBS_NOTIFY = 0x1;

// Show commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// Message boxes: the style the masks show, and the answer OK.
constexpr UINT MB_ICONHAND = 0x10;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

}  // namespace platform
