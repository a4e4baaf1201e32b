#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/model/RadioImage.h"

namespace quorvan {

// Reads a whole input file of at most maxBytes. Only a regular file (or a symbolic link to one)
// is opened, so a FIFO or a device can neither block the program nor be read from. On failure
// returns false and, when error is given, a short description ("cannot read PATH: ...").
bool ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                     std::string* error);

// Reads standard input to its end, at most maxBytes, as ReadRegularFile reads a file
// ("cannot read standard input: ...").
bool ReadStandardInput(std::size_t maxBytes, std::string& bytes, std::string* error);

// The bytes of a .qvx file into the document as OpenDocumentFile takes them.
bool OpenDocumentText(std::string_view bytes, RadioImage& document, std::string* problem = nullptr);

// Opens a .qvx file into the document as Open does: the document's plan is kept, every record
// the file does not hold is empty, and the file must be accepted whole (ReadChannelFileText).
// The document is replaced only then; otherwise false, nothing changed, and `problem` (when
// given) says why: what the system refused or the line and what is wrong with it.
bool OpenDocumentFile(const std::string& path, RadioImage& document,
                      std::string* problem = nullptr);

// Writes bytes atomically: a temporary file in the target's folder is written, flushed to disk
// and renamed over the target, so a failed write leaves any old file intact. A symbolic link is
// followed and the file it leads to is replaced; an existing target that is not a regular file
// (a device, a FIFO, a folder) is refused. The temporary file's name fits the folder's name
// limit whatever the target's name. The file keeps the old file's permissions. On failure
// returns false and, when error is given, a short description.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error);

// Writes the image's .qvx text with WriteFileAtomically.
bool SaveDocumentFile(const std::string& path, const RadioImage& image, std::string* error);

}  // namespace quorvan
