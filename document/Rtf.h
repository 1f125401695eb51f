// The RTF codec of the report: the writer of what Vorel saves and the reader of what other
// programs write, both over RichDocument. The entry points of RtfWriter and RtfReader.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/RichDocument.h"

namespace vorel {

// 7-bit ASCII RTF with CR LF line ends. Every paragraph states all its properties and ends
// with \par, so a reader that resets at each paragraph loses nothing.
std::string WriteRtf(const RichDocument& document);

// Nothing when the bytes are not RTF (they must open with "{\rtf", after blanks and a UTF-8
// byte order mark). Damaged or truncated RTF gives what could be read before the damage; the
// document then holds at least one paragraph.
std::optional<RichDocument> ReadRtf(std::string_view bytes);

}  // namespace vorel
