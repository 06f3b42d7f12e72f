#pragma once
// Where the player's guide of the program is.

#include <string>

namespace kestrel {

// The guide's file name (UTF-8), the same beside the program, in its
// documentation folder and in the Windows zip.
inline constexpr const char* kGuideFileName = "使い方.html";

// The guide of an executable (a UTF-8 path): the file beside it, else the one
// an installation puts in its documentation folder (../share/doc/kestrel/ from
// the executable's folder); empty when neither is there.
std::string guideFilePath(const std::string& executable);

}  // namespace kestrel
