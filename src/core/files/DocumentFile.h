#pragma once

#include <string>
#include <string_view>

#include "core/model/RadioImage.h"

namespace quorvan {

// Opens a .qvx file into the document as Open does: the document's plan is kept, the image is
// cleared and given the band-plan and menu defaults, then the file is read. The document is
// replaced only when the whole file was accepted; false (nothing changed) when the file cannot
// be read or is rejected.
bool OpenDocumentFile(const std::string& path, RadioImage& document);

// Writes bytes atomically: a temporary file in the target's folder is written, flushed to disk
// and renamed over the target, so a failed write leaves any old file intact. The file keeps the
// old file's permissions. On failure returns false and, when error is given, a short description.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error);

// Writes the image's .qvx text with WriteFileAtomically.
bool SaveDocumentFile(const std::string& path, const RadioImage& image, std::string* error);

}  // namespace quorvan
