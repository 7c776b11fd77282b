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

std::string ShellFailureMessage(int code) {
  if (code == 2)
    return "This command was not found\r\n\r\nIf you wish to run a DOS system command, preclude "
           "it with COMMAND /C or the symbol %";
  const char* reason = nullptr;
  switch (code) {
    case 0:
      reason = "the system is out of memory or resources";
      break;
    case 3:
      reason = "a folder in its path was not found";
      break;
    case 5:
      reason = "access was denied";
      break;
    case 8:
      reason = "there was not enough memory";
      break;
    case 11:
      reason = "the program file is not valid";
      break;
    case 26:
      reason = "the file is in use by another program";
      break;
    case 27:
      reason = "the file's association is incomplete";
      break;
    case 28:
      reason = "the application did not answer in time";
      break;
    case 29:
      reason = "the application reported a failure";
      break;
    case 30:
      reason = "the application is busy";
      break;
    case 31:
      reason = "no application is associated with this file";
      break;
    case 32:
      reason = "a library it needs was not found";
      break;
    case kShellTooLong:
      reason = "it is longer than the system passes to a program whole";
      break;
  }
  std::string message = "This command could not be run: ";
  message += reason ? reason : "the system reported error " + std::to_string(code);
  message += '.';
  return message;
}
