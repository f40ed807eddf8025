#pragma once
// The numbered string table (resources/Strings.h) as the Qt windows show it. Every text of the
// table that a widget, window title, menu or message box shows goes through uiText, so the
// table's UTF-8 is decoded in one place.
#include <QString>

namespace hm {

// Text of string `id` in the installed language; empty for an id that is not in the table.
// Any thread (the table is translated once at start-up).
QString uiText(int id);

}  // namespace hm
