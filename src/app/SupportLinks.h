#pragma once
#include <QString>

// Where users get help.
namespace support_links {
inline const QString supportEmail = QStringLiteral("support@tagora-labels.org");
inline const QString makerUrl = QStringLiteral("https://www.tagora-labels.org");
inline const QString secondUrl = QStringLiteral("https://www.tagora-labels.org/templates");
} // namespace support_links
