#include "platform/win32/Win32Files.h"

// windows.h comes before every other Windows header.
// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include "data/Application.h"
#include "platform/win32/Handle.h"

namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// Whether this user may create, write and delete files in the folder, as Replace does. The
// probe deletes itself when closed, so nothing stays behind even if the program dies here.
bool CanWriteIn(const std::string& directory) {
  const Win32Files folder(directory);
  for (ULONGLONG unique = GetTickCount64(), attempts = 0; attempts < 16; ++unique, ++attempts) {
    const std::string probe = folder.PathOf("vell-" + std::to_string(GetCurrentProcessId()) + "-" +
                                            std::to_string(unique) + ".tmp");
    KernelHandle file(CreateFileA(probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (file) return true;
    if (GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  return false;
}

}  // namespace

std::string Win32Files::ProgramDirectory() {
  char appData[MAX_PATH];
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
    return ExeDirectory();  // nowhere else to go; a failed save still tells the user
  return ProgramDirectory(ExeDirectory(), appData);
}

std::string Win32Files::ProgramDirectory(const std::string& exeDirectory,
                                         const std::string& appDataDirectory) {
  return ::ChooseProgramDirectory(exeDirectory, CanWriteIn(exeDirectory), appDataDirectory, '\\');
}

std::string Win32Files::ExeDirectory() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return DirectoryOf(path, "\\/");
    }
    path.resize(path.size() * 2);
  }
}

std::string Win32Files::PathOf(std::string_view name) const {
  std::string path = directory_;
  if (path.empty() || (path.back() != '\\' && path.back() != '/')) path += '\\';
  path += name;
  return path;
}

std::string Win32Files::ShippedPathOf(std::string_view name) const {
  return Win32Files(shipped_).PathOf(name);
}

bool Win32Files::IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                         FILE_ATTRIBUTE_DEVICE));
}

std::optional<std::string> Win32Files::Read(const std::string& path) {
  KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  LARGE_INTEGER size;
  if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0)
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
    if (got == 0) return bytes;
    bytes.append(buffer, got);
  }
}

bool Win32Files::Replace(const std::string& path, std::string_view contents) {
  char temporary[MAX_PATH];
  if (!GetTempFileNameA(DirectoryOf(path, "\\/").c_str(), "vel", 0, temporary)) return false;
  KernelHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  bool written = file && WriteAll(file.get(), contents) && FlushFileBuffers(file.get());
  file.reset();
  written = written && MoveFileExA(temporary, path.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!written) DeleteFileA(temporary);
  return written;
}
