#pragma once

#include <string>

#include "model/RadioImage.h"

namespace quorvan {

// Opens a .qvx file into the document as Open does: the document's plan is kept, the image is
// cleared and given the band-plan and menu defaults, then the file is read. The document is
// replaced only when the whole file was accepted; false (nothing changed) when the file cannot
// be read or is rejected.
bool OpenDocumentFile(const std::string& path, RadioImage& document);

// Writes the image's .qvx text atomically: a temporary file in the target's folder is written,
// flushed to disk and renamed over the target, so a failed save leaves any old file intact.
// On failure returns false and, when error is given, a short description.
bool SaveDocumentFile(const std::string& path, const RadioImage& image, std::string* error);

}  // namespace quorvan
