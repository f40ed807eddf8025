#pragma once
// The icon of a message to the user, shared by the link's notices and the file questions; the
// window maps it to its message box icon, the command line ignores it.

namespace hm {

enum class MessageIcon { None, Information, Exclamation, Error };

}  // namespace hm
