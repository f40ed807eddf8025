#include "session/TitleText.h"

#include "platform/FileAccess.h"
#include "resources/Strings.h"

namespace hm {

std::string fileTitleState(std::string_view fileName) {
    return strCopy(sid::kFilePrefix) + printablePath(fileName) + " ]";
}

}  // namespace hm
