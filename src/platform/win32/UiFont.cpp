#include "platform/win32/UiFont.h"

GdiHandle CreateUiFont(UINT dpi) {
  // SystemParametersInfoForDpi has a wide form only.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    // Before Windows 10: the font at the system DPI, scaled.
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi),
                                            static_cast<int>(GetDpiForSystem()));
  }
  return GdiHandle(CreateFontIndirectW(&metrics.lfMessageFont));
}

void ApplyFont(HWND parent, HFONT font) {
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM font) -> BOOL {
        SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(font));
}
