#pragma once

#include <string>

// Whether another instance runs. CannotTell when no lock could be had: one may run unseen.
enum class AnotherInstance { No, Yes, CannotTell };

// The running program as the operating system sees it.
class Instance {
 public:
  virtual ~Instance() = default;
  virtual AnotherInstance IsAnotherRunning() = 0;
  virtual std::string Title() = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // Activates the top-level window whose title equals the text, failing that one whose title
  // begins with it, without waiting. False when none was found.
  virtual bool ActivateByTitle(const std::string& title) = 0;
  // Ends the program at once. A port may return from this call; the caller does nothing after.
  virtual void EndNow() = 0;
};
