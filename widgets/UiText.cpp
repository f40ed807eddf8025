#include "widgets/UiText.h"

#include "resources/Strings.h"

namespace hm {

QString uiText(int id) {
    const std::string_view text = str(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace hm
