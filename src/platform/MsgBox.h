#pragma once

#include <string>

enum class MsgBoxButtons { OK, OKCancel };
enum class MsgBoxResult { OK, Cancel };

// A modal message box without an icon.
class MsgBox {
 public:
  virtual ~MsgBox() = default;
  virtual MsgBoxResult Show(const std::string& text, const std::string& caption,
                            MsgBoxButtons buttons) = 0;
};
