// The studio's addresses: the site the browser window loads, and the host name the texts show.
// Both lie under the reserved .example domain, so no third party's site is ever reached.
#pragma once

inline constexpr char kStudioUrl[] = "http://www.virdon.example";
inline constexpr char kStudioHost[] = "virdon.example";
