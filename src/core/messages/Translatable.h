#pragma once

// Marks a text of the catalogue for the translation tools and leaves it as it is: the core and
// quorvan-cli use it in English, the window translates it where it shows it (MessageText).
// The definition is the same token for token as the window toolkit's own, so either may come
// first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace quorvan {

// The context the catalogue's texts are translated in.
inline constexpr const char* kMessagesContext = "Messages";

}  // namespace quorvan
