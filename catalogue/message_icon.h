#pragma once
// The icon of a message box, shared by the loader's messages and the window's
// message boxes.

namespace kestrel {

enum class MessageIcon { None, Information, Error, Question };

}  // namespace kestrel
