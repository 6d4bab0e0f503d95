#include "platform/qt_keys.h"

#include <QtCore/qnamespace.h>

#include <array>

namespace vorlanz::platform {
namespace {

struct KeyPair {
  int qt_key;
  int virtual_key;
};

// Keys whose code is not simply their ASCII letter or digit.
constexpr std::array<KeyPair, 32> kNamedKeys{{
    {Qt::Key_Backspace, 0x08},  {Qt::Key_Tab, 0x09},      {Qt::Key_Backtab, 0x09},
    {Qt::Key_Clear, 0x0C},      {Qt::Key_Return, 0x0D},   {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},      {Qt::Key_Control, 0x11},  {Qt::Key_Alt, 0x12},
    {Qt::Key_Pause, 0x13},      {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},      {Qt::Key_PageUp, 0x21},   {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},        {Qt::Key_Home, 0x24},     {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},         {Qt::Key_Right, 0x27},    {Qt::Key_Down, 0x28},
    {Qt::Key_Print, 0x2C},      {Qt::Key_Insert, 0x2D},   {Qt::Key_Delete, 0x2E},
    {Qt::Key_Meta, 0x5B},       {Qt::Key_Menu, 0x5D},     {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91}, {Qt::Key_Plus, 0xBB},     {Qt::Key_Comma, 0xBC},
    {Qt::Key_Minus, 0xBD},      {Qt::Key_Period, 0xBE},
}};

// The arithmetic keys of the numeric keypad.
constexpr std::array<KeyPair, 6> kKeypadKeys{{
    {Qt::Key_Asterisk, 0x6A},
    {Qt::Key_Plus, 0x6B},
    {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},
    {Qt::Key_Comma, 0x6E},
    {Qt::Key_Slash, 0x6F},
}};

template <std::size_t N>
int Lookup(const std::array<KeyPair, N>& table, int qt_key) {
  for (const KeyPair& pair : table) {
    if (pair.qt_key == qt_key) return pair.virtual_key;
  }
  return 0;
}

}  // namespace

int VirtualKeyFromQt(int qt_key, bool keypad) {
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return 0x41 + (qt_key - Qt::Key_A);
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) {
    return (keypad ? 0x60 : 0x30) + (qt_key - Qt::Key_0);
  }
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) return 0x70 + (qt_key - Qt::Key_F1);
  if (keypad) {
    if (int code = Lookup(kKeypadKeys, qt_key); code != 0) return code;
  }
  return Lookup(kNamedKeys, qt_key);
}

}  // namespace vorlanz::platform
