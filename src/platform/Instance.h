#pragma once

#include <string>

// The running program as the operating system sees it.
class Instance {
 public:
  virtual ~Instance() = default;
  virtual bool IsAnotherRunning() = 0;
  virtual std::string Title() = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // Activates the top-level window whose title equals the text, failing that one whose title
  // begins with it, without waiting. False when none was found.
  virtual bool ActivateByTitle(const std::string& title) = 0;
  // Ends the program at once. A port may return from this call; the caller does nothing after.
  virtual void EndNow() = 0;
};
