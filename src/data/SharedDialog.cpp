#include "data/SharedDialog.h"

void SharedDialog::ShowOpen() {
  if (auto chosen = dialog_.ShowOpen(Filter, FileName)) FileName = std::move(*chosen);
}

bool SharedDialog::ShowColor() {
  const auto chosen = dialog_.ShowColor(Color);
  if (!chosen) return false;
  Color = *chosen;
  return true;
}
