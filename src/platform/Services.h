#pragma once

#include "platform/CommonDialog.h"
#include "platform/Files.h"
#include "platform/GlobalHotkey.h"
#include "platform/Instance.h"
#include "platform/Listings.h"
#include "platform/MsgBox.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"

// One object of each service, provided by a port (or by the tests' fakes).
struct Services {
  Shell& shell;
  SettingsStore& store;
  Files& files;
  MsgBox& msgbox;
  CommonDialog& dialog;
  Instance& instance;
  Screen& screen;
  GlobalHotkey& hotkey;
  Listings& listings;
  Platform platform;
};
