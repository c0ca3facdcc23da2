#pragma once

// The web sites the program links to, in one place: the maker's site (which
// also hosts the VT pictures of the internet page source), the research site
// that supplied the game data, and the fan site with its forum.

#include <QString>

namespace vantor {

inline constexpr char MakerHost[] = "www.corvane.net";
inline constexpr char ResearchHost[] = "www.kerrow.net";
inline constexpr char FanHost[] = "www.pellum.net";

inline QString webAddress(const char* host) {
    return QStringLiteral("http://") + QLatin1String(host);
}

inline QString makerAddress() {
    return webAddress(MakerHost);
}
inline QString researchAddress() {
    return webAddress(ResearchHost);
}
inline QString fanAddress() {
    return webAddress(FanHost);
}
inline QString fanForumAddress() {
    return webAddress(FanHost) + QStringLiteral("/forum");
}

} // namespace vantor
