#pragma once
// The icon of a message to the user (the outcome of a file operation, an unsupported ECU, a
// failed link); the window maps it to its message box icon, the command line ignores it.

namespace hm {

enum class MessageIcon { None, Information, Exclamation, Error };

}  // namespace hm
