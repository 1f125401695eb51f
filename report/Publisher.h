// The publisher's web address: the report's last line and the about dialog's link.
#pragma once

namespace vorel {

inline constexpr const char* kPublisherUrl = "https://vorel.example/";
inline constexpr const char* kPublisherHost = "vorel.example";

}  // namespace vorel
