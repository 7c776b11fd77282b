// Any settings text: every conversion answers without undefined behaviour, the written forms
// read back as the values they came from, and start-up takes whatever is stored.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

#include "Check.h"
#include "Fakes.h"
#include "data/Conversions.h"
#include "data/Hotkey.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string text = input.ConsumeRandomLengthString(64);

  TextToBoolean(text);
  if (const auto number = TextToNumber(text)) CHECK(std::isfinite(*number));
  if (const auto integer = TextToInteger(text))
    CHECK(TextToInteger(std::to_string(*integer)) == integer);
  if (const auto single = TextToSingle(text)) CHECK(TextToSingle(NumberToText(*single)) == *single);
  if (const auto color = TextToColor(text)) CHECK(TextToColor(ColorToText(*color)) == color);
  if (const auto hotkey = ParseHotkey(text))
    CHECK((hotkey->Modifiers & (kHotkeyCtrl | kHotkeyAlt | kHotkeyMeta)) && hotkey->Modifiers < 16);

  const float value = input.ConsumeFloatingPoint<float>();
  if (std::isfinite(value)) CHECK(TextToSingle(NumberToText(value)) == (value == 0 ? 0 : value));

  FakeProgram program;
  for (const char* key :
       {"Ontop", "Top", "Left", "Fore", "Back", "Height", "Width", "History", "PHistory", "Hotkey"})
    if (input.ConsumeBool()) program.store.Set(key, input.ConsumeRandomLengthString(32));
  program.form.Form_Load();
  program.form.Form_Resize();
  const Rect window = program.view.window;
  CHECK(std::isfinite(window.Left) && std::isfinite(window.Top));
  CHECK(window.Width > 0 && window.Height > 0);
  CHECK(program.view.moves.size() == 1);
  CHECK(program.msgbox.shown.size() <= 1);  // the hotkey's one message at most
  return 0;
}
