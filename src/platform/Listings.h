#pragma once

#include <string>
#include <vector>

// How a system's command lines quote and name files: Windows quotes with double quotes and
// compares names without case; POSIX lines read as /bin/sh reads them, names compare exactly.
enum class PathStyle { Posix, Windows };

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
  virtual PathStyle Style() = 0;
  // The folder that commands start in (the home folder, the profile folder).
  virtual std::string StartFolder() = 0;
  // The home folder that "~" names, on systems that have it.
  virtual std::string HomeFolder() = 0;
  // A folder's entries, "." and ".." left out; none when it cannot be read.
  virtual std::vector<FolderEntry> Folder(const std::string& path) = 0;
  // The file names of the programs on PATH, and the installed applications: indexed when first
  // asked for, and again after their folders change.
  virtual const std::vector<std::string>& Programs() = 0;
  virtual const std::vector<Application>& Applications() = 0;
};
