#pragma once

#include <string>
#include <vector>

// A name in a folder.
struct FolderEntry {
  std::string Name;
  bool Folder = false;
};

// An installed application: its name as the user's language gives it, and the line that runs it.
struct Application {
  std::string Name;
  std::string Line;
};

// What the system offers to run and to complete, read when asked.
class Listings {
 public:
  virtual ~Listings() = default;
  // The folder that commands start in (the home folder, the profile folder).
  virtual std::string StartFolder() = 0;
  // The home folder that "~" names, on systems that have it.
  virtual std::string HomeFolder() = 0;
  // A folder's entries, "." and ".." left out; none when it cannot be read.
  virtual std::vector<FolderEntry> Folder(const std::string& path) = 0;
  // The file names of the programs on PATH.
  virtual std::vector<std::string> Programs() = 0;
  virtual std::vector<Application> Applications() = 0;
};
