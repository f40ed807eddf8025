#pragma once
// Texts of the main dialog's title that name a file. A file name is bytes, not text: it is shown
// as the command line shows it (printablePath), so a name that is not UTF-8 or holds control
// characters still reads as what it is. Plain functions, any thread.
#include <string>
#include <string_view>

namespace hm {

// The title state of a loaded data file, " [ File: NAME ]", with NAME as printablePath writes it
// (undecodable bytes and control characters as "\xNN").
std::string fileTitleState(std::string_view fileName);

}  // namespace hm
