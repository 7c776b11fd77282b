#include "platform/win32/Win32Shell.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/Module1.h"

std::string ProfileFolder() {
  char path[MAX_PATH];
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, path)))
    return path;
  return std::string();
}

namespace {

// No 64-bit Windows has a program named "command": the "%" form goes to the system's own
// command interpreter, with the designed parameters.
std::string CommandInterpreter() {
  char path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("ComSpec", path, sizeof path);
  return length > 0 && length < sizeof path ? std::string(path, length) : std::string("cmd.exe");
}

// Characters in UTF-16, as the system counts them.
std::size_t WideLength(const std::string& text) {
  if (text.empty()) return 0;
  return static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(),
                                                      static_cast<int>(text.size()), nullptr, 0));
}

// CreateProcess takes a command line of at most 32,767 characters with its NUL: the file in
// quotes, a space and the parameters. Windows refuses a longer one, Wine cuts it silently.
constexpr std::size_t kCommandLineLimit = 32767;

}  // namespace

ShellResult ShellResultOf(INT_PTR code) {
  if (code > 32) return {ShellOutcome::Started};
  switch (code) {
    case 0:
      return {ShellOutcome::OutOfResources};
    case ERROR_FILE_NOT_FOUND:
      return {ShellOutcome::NotFound};
    case ERROR_PATH_NOT_FOUND:
      return {ShellOutcome::PathNotFound};
    case ERROR_ACCESS_DENIED:
      return {ShellOutcome::AccessDenied};
    case ERROR_NOT_ENOUGH_MEMORY:
      return {ShellOutcome::OutOfMemory};
    case ERROR_BAD_FORMAT:
      return {ShellOutcome::NotAProgram};
    case SE_ERR_SHARE:
      return {ShellOutcome::InUse};
    case SE_ERR_ASSOCINCOMPLETE:
      return {ShellOutcome::AssociationIncomplete};
    case SE_ERR_DDETIMEOUT:
      return {ShellOutcome::NoAnswer};
    case SE_ERR_DDEFAIL:
      return {ShellOutcome::ApplicationFailed};
    case SE_ERR_DDEBUSY:
      return {ShellOutcome::ApplicationBusy};
    case SE_ERR_NOASSOC:
      return {ShellOutcome::NoAssociation};
    case SE_ERR_DLLNOTFOUND:
      return {ShellOutcome::LibraryNotFound};
    default:
      return {ShellOutcome::Failed, static_cast<int>(code)};
  }
}

ShellResult Win32Shell::Execute(const ShellRequest& request) {
  const std::string file = request.InterpreterLine ? CommandInterpreter() : request.File;
  if (WideLength(file) + WideLength(request.Parameters) + 4 > kCommandLineLimit)
    return {ShellOutcome::TooLong};
  const std::string directory = ProfileFolder();
  const HINSTANCE result =
      Module1::ShellExecuteA(hwnd_, nullptr, file.c_str(), request.Parameters.c_str(),
                             directory.empty() ? nullptr : directory.c_str(), request.ShowCommand);
  return ShellResultOf(reinterpret_cast<INT_PTR>(result));
}
