#pragma once

// Marks a text of the catalogue for the translation tools and leaves it as it is: the core and
// quorvan-cli use it in English, the window translates it where it shows it (MessageText).
// The definition is the same token for token as the window toolkit's own, so either may come
// first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

#include <functional>
#include <string>

namespace quorvan {

// The context the catalogue's texts are translated in.
inline constexpr const char* kMessagesContext = "Messages";

// A catalogue text in the reader's language. Texts put together from the catalogue take one to
// be told in the window's language; without one they are English.
using CatalogueLookup = std::function<std::string(const char* text)>;

inline std::string LookUp(const CatalogueLookup& lookup, const char* text) {
  return lookup ? lookup(text) : std::string(text);
}

}  // namespace quorvan
