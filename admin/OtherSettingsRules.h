#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace korvel {

// The rules of the smaller settings screens (toolbar images, tabbed browsing), apart from their
// widgets.
class OtherSettingsRules {
public:
    // The suffixes a toolbar image's file name may end in, compared exactly as typed.
    static const QStringList& imageSuffixes();
    // An empty name (the built-in image) or one ending in an image suffix.
    static bool isImageName(const QString& name);

    // The tab count typed: whole numbers within the preference's range.
    static std::optional<qint32> acceptTabCount(const QString& text);
    // A stored count outside the range is shown and saved as the largest.
    static qint32 shownTabCount(qint32 stored);
    static qint32 largestTabCount();
};

}  // namespace korvel
