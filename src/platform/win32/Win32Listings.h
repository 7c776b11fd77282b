#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Listings.h"

// The Windows file system, %PATH% and the installed applications: the shortcuts of the user's
// and of all users' Start Menu, and the App Paths keys. The indexes are built when first asked
// for and again when a folder or key they read has been written since, checked at each ask.
class Win32Listings : public Listings {
 public:
  PathStyle Style() override { return PathStyle::Windows; }
  std::string StartFolder() override;
  std::string HomeFolder() override { return StartFolder(); }
  std::vector<FolderEntry> Folder(const std::string& path) override;
  const std::vector<std::string>& Programs() override;
  const std::vector<Application>& Applications() override;

 private:
  // What an index was read from: the folders with their last-write times then, and what else
  // decides it (the variables, the keys' times).
  struct Source {
    std::vector<std::string> folders;
    std::vector<std::uint64_t> times;
    std::string rest;
  };

  std::optional<Source> programsFrom_;
  std::vector<std::string> programs_;
  std::optional<Source> applicationsFrom_;
  std::vector<Application> applications_;
};
