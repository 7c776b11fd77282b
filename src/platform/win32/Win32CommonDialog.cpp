#include "platform/win32/Win32CommonDialog.h"

#include <commdlg.h>

#include "platform/win32/ModalWindow.h"

std::string Win32CommonDialog::FilterForDialog(const std::vector<FileFilter>& filters) {
  std::string converted;
  for (const FileFilter& filter : filters) {
    converted += filter.Description + '\0';
    for (std::size_t i = 0; i < filter.Patterns.size(); ++i)
      converted += (i ? ";" : "") + filter.Patterns[i];
    converted += '\0';
  }
  return converted + '\0';
}

std::optional<std::string> Win32CommonDialog::ShowOpen(const std::vector<FileFilter>& filters,
                                                       const std::string& initialFile) {
  const std::string forDialog = FilterForDialog(filters);
  // The last file chosen is the starting name, so its folder is where the dialog opens.
  std::string file(32768, '\0');
  initialFile.copy(file.data(), file.size() - 1);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = ModalOwner(strip_);
  ofn.lpstrFilter = forDialog.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&ofn)) return std::nullopt;
  file.resize(file.find('\0'));
  return file;
}

std::optional<std::uint32_t> Win32CommonDialog::ShowColor(std::uint32_t initial) {
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = ModalOwner(strip_);
  cc.rgbResult = initial & 0x00FFFFFF;
  cc.lpCustColors = custom_;
  cc.Flags = CC_RGBINIT | CC_ANYCOLOR;
  if (!ChooseColorA(&cc)) return std::nullopt;
  return cc.rgbResult;
}
