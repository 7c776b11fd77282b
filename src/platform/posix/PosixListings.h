#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "platform/Listings.h"

// What a Linux system offers to run: folders read with readdir, the executable files in
// $PATH's folders, and the applications of the desktop entries in the XDG data folders. The
// environment is read when an index is built; an index is built when first asked for and
// again when one of the folders it read has changed (their modification times are compared
// at each request, nothing watches them in between).
class PosixListings : public Listings {
 public:
  // home: where commands start and what "~" names.
  explicit PosixListings(std::string home) : home_(std::move(home)) {}

  PathStyle Style() override { return PathStyle::Posix; }
  std::string StartFolder() override { return home_; }
  std::string HomeFolder() override { return home_; }
  // A symbolic link to a folder is a folder.
  std::vector<FolderEntry> Folder(const std::string& path) override;
  const std::vector<std::string>& Programs() override;
  const std::vector<Application>& Applications() override;

 private:
  // The folders an index read, each with its modification time when read (zero: missing).
  struct Stamp {
    std::string folder;
    timespec modified;
  };
  using Stamps = std::vector<Stamp>;
  static bool Changed(const Stamps& stamps);

  void IndexPrograms();
  void IndexApplications();
  // The desktop entries under an applications folder, as (desktop-file id, path), with every
  // folder read stamped.
  void FindEntries(const std::string& folder, const std::string& idPrefix,
                   std::vector<std::pair<std::string, std::string>>& entries);

  std::string home_;
  bool programsRead_ = false;
  Stamps programFolders_;
  std::vector<std::string> programs_;
  bool applicationsRead_ = false;
  Stamps applicationFolders_;
  std::vector<Application> applications_;
};
