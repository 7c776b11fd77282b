#pragma once

#include "platform/Screen.h"

// The desktop's screens as Qt reports them, in twips.
class QtScreen : public Screen {
 public:
  float Width() override;
  float Height() override;
  std::vector<Rect> Monitors() override;
};
