#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

// The program-wide alias table: rows 1 to N of two parallel lists; index 0 is never used.
class AliasTable {
 public:
  // Row numbers are signed 16-bit, and one row number more must stay addressable.
  static constexpr int kMaxRows = 32766;
  static constexpr const char* kFullMessage =
      "No more aliases can be added: 32,766 is the most the table can hold.";

  std::vector<std::string> AliasNames{1};
  std::vector<std::string> AliasTargets{1};

  // What a load left unread of aliases.cfg, from the first line it did not take up to the end,
  // byte for byte; a save writes it after the rows so that nothing the user wrote is lost.
  // Nothing when the file existed but could not be read: a save then must not replace it.
  std::optional<std::string> Unloaded = std::string();

  int Count() const { return static_cast<int>(AliasNames.size()) - 1; }
  // Resizes both lists to rows 1..rows, their contents discarded.
  void Reset(int rows);

  // The target of the first row whose name equals the text exactly, or else the text.
  std::string_view ResolveAlias(std::string_view text) const;

  // An alias named by a line's first word and given the rest of the line.
  struct Call {
    std::string_view Target;
    std::string_view Arguments;  // trimmed
  };
  // The call a trimmed line makes when no alias is named by the whole line, but the text before
  // its first space is an alias name; otherwise nothing.
  std::optional<Call> ResolveAliasCall(std::string_view line) const;
};

// Fills the table from aliases.cfg. False after a bad line, or a file that cannot be read.
bool LoadAliases(AliasTable& table, Files& files);

// Replaces aliases.cfg by the table's rows and what the load left unread. On false the old
// file is still there, whole.
bool SaveAliases(const AliasTable& table, Files& files);

// Why a row could not be stored in aliases.cfg as it stands, or nothing when it can.
std::optional<std::string> AliasRowProblem(std::string_view name, std::string_view target);
