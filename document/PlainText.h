// Plain-text files opened as a report: one paragraph per line.
#pragma once

#include <string>
#include <string_view>

#include "document/RichDocument.h"

namespace vorel {

// UTF-8 text of a file's bytes: the bytes themselves (less a byte order mark) when they are
// valid UTF-8, otherwise their Windows-1252 reading.
std::string DecodePlainText(std::string_view bytes);

// CR, LF and CR LF each end a line; a line end at the very end adds no empty paragraph, and
// an empty file gives one empty paragraph. Every run and paragraph mark takes format. Lines
// past 500,000 are line breaks ('\n') in the last paragraph.
RichDocument ReadPlainText(std::string_view bytes, const CharFormat& format);

}  // namespace vorel
