#include "commandwindow/Dispatch.h"

#include "data/TextLines.h"

ShellRequest FormShellRequest(std::string_view command) {
  ShellRequest request;
  if (command.front() == '%') {
    request.InterpreterLine = command.substr(1);
    request.File = "command";
    request.Parameters = " /C " + *request.InterpreterLine;
  } else if (command.front() != '"') {
    request.File = command;
  } else {
    const std::string_view rest = command.substr(1);
    // The closing quote is looked for from the rest's second character on, so a line that
    // starts with two quotes keeps the second one in the file name.
    const auto quote = rest.find('"', 1);
    if (quote == std::string_view::npos) {
      request.File = rest;
    } else {
      request.File = TrimSpaces(rest.substr(0, quote));
      request.Parameters = TrimSpaces(rest.substr(quote + 1));
    }
  }
  return request;
}

namespace {

constexpr std::string_view kPlaceholder = "%s";

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "scheme://..." or "mailto:...": the targets whose arguments go into a URL.
bool IsUrl(std::string_view target) {
  if (target.size() >= 7 && EqualsUpper(target.substr(0, 7), "MAILTO:")) return true;
  if (target.empty() || !IsLetter(target.front())) return false;
  std::size_t end = 1;
  while (end < target.size() && (IsLetter(target[end]) || IsDigit(target[end]) ||
                                 target[end] == '+' || target[end] == '-' || target[end] == '.'))
    ++end;
  return target.substr(end, 3) == "://";
}

// Every byte but the unreserved ones as %XX, so that nothing in it ends the URL, starts a new
// part of it or another command.
std::string PercentEncoded(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : text) {
    if (IsLetter(c) || IsDigit(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      encoded += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 15];
    }
  }
  return encoded;
}

bool EndsWithUpper(std::string_view text, std::string_view upperEnd) {
  return text.size() >= upperEnd.size() &&
         EqualsUpper(text.substr(text.size() - upperEnd.size()), upperEnd);
}

}  // namespace

ShellRequest FormAliasRequest(std::string_view target, std::string_view arguments) {
  const std::size_t from = target.front() == '%' ? 1 : 0;
  if (target.find(kPlaceholder, from) == std::string_view::npos) {
    ShellRequest request = FormShellRequest(target);
    if (request.InterpreterLine) {
      *request.InterpreterLine += ' ';
      *request.InterpreterLine += arguments;
      request.Parameters = " /C " + *request.InterpreterLine;
    } else {
      if (!request.Parameters.empty()) request.Parameters += ' ';
      request.Parameters += arguments;
    }
    return request;
  }
  const std::string argument = IsUrl(target) ? PercentEncoded(arguments) : std::string(arguments);
  std::string command(target.substr(0, from));
  for (std::size_t at = from;;) {
    const std::size_t found = target.find(kPlaceholder, at);
    command += target.substr(at, found - at);
    if (found == std::string_view::npos) break;
    command += argument;
    at = found + kPlaceholder.size();
  }
  return FormShellRequest(command);
}

std::optional<std::string> AliasArgumentsProblem(const ShellRequest& request,
                                                 std::string_view arguments) {
  if (request.InterpreterLine ||
      !(EndsWithUpper(request.File, ".BAT") || EndsWithUpper(request.File, ".CMD")) ||
      arguments.find_first_of("&|<>^%!") == std::string_view::npos)
    return std::nullopt;
  return "This command was not run: a batch file hands its arguments to the command "
         "interpreter, which would read & | < > ^ % ! in them as commands of its own. Put % "
         "before the line to give it to the interpreter as it stands.";
}

std::string ShellFailureMessage(const ShellResult& result, Platform platform) {
  if (result.Outcome == ShellOutcome::NotFound)
    return platform == Platform::Windows
               ? "This command was not found\r\n\r\nIf you wish to run a DOS system command, "
                 "preclude it with COMMAND /C or the symbol %"
               : "This command was not found\r\n\r\nIf you wish to run a shell command, precede "
                 "it with the symbol %, which hands it to sh -c";
  const char* reason = nullptr;
  switch (result.Outcome) {
    case ShellOutcome::OutOfResources:
      reason = "the system is out of memory or resources";
      break;
    case ShellOutcome::PathNotFound:
      reason = "a folder in its path was not found";
      break;
    case ShellOutcome::AccessDenied:
      reason = "access was denied";
      break;
    case ShellOutcome::OutOfMemory:
      reason = "there was not enough memory";
      break;
    case ShellOutcome::NotAProgram:
      reason = "the program file is not valid";
      break;
    case ShellOutcome::InUse:
      reason = "the file is in use by another program";
      break;
    case ShellOutcome::AssociationIncomplete:
      reason = "the file's association is incomplete";
      break;
    case ShellOutcome::NoAnswer:
      reason = "the application did not answer in time";
      break;
    case ShellOutcome::ApplicationFailed:
      reason = "the application reported a failure";
      break;
    case ShellOutcome::ApplicationBusy:
      reason = "the application is busy";
      break;
    case ShellOutcome::NoAssociation:
      reason = "no application is associated with this file";
      break;
    case ShellOutcome::LibraryNotFound:
      reason = "a library it needs was not found";
      break;
    case ShellOutcome::TooLong:
      reason = "it is longer than the system passes to a program whole";
      break;
    case ShellOutcome::Started:
    case ShellOutcome::NotFound:
    case ShellOutcome::Failed:
      break;
  }
  std::string message = "This command could not be run: ";
  message += reason ? reason : "the system reported error " + std::to_string(result.Code);
  message += '.';
  return message;
}
