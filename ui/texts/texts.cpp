#include "ui/texts/texts.h"

#include "platform/cp932.h"

namespace kestrel::ui {

std::string sjis(std::string_view utf8) { return utf8ToCp932(utf8); }

}  // namespace kestrel::ui
