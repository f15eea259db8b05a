#pragma once
// The program keeps its texts as single-byte strings; the widgets hold QString.
// Latin-1 maps every byte to one character and back, so nothing is lost.

#include <QString>
#include <string>
#include <string_view>

namespace vexlor {

inline QString ToQString(std::string_view strText) {
    return QString::fromLatin1(strText.data(), static_cast<qsizetype>(strText.size()));
}

// Characters beyond Latin-1 (typed by the user) become '?'.
inline std::string FromQString(const QString& strText) {
    const QByteArray bytes = strText.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace vexlor
