#pragma once
// Texts crossing between the logic (code page 932 bytes) and Qt (Unicode).

#include "platform/cp932.h"

#include <QString>

#include <string>
#include <string_view>

namespace kestrel::ui {

inline QString toQString(std::string_view cp932) { return QString::fromStdString(cp932ToUtf8(cp932)); }

inline std::string toCp932(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace kestrel::ui
