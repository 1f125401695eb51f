// The entry points of the RTF codec; its classes are private to the document layer.
#include "document/Rtf.h"

#include "document/private/RtfReader.h"
#include "document/private/RtfWriter.h"

namespace vorel {

std::string WriteRtf(const RichDocument& document) {
  return RtfWriter(document).Write();
}

std::optional<RichDocument> ReadRtf(std::string_view bytes) {
  size_t start = 0;
  if (bytes.starts_with("\xEF\xBB\xBF")) start = 3;
  while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t' ||
                                  bytes[start] == '\r' || bytes[start] == '\n'))
    ++start;
  if (bytes.substr(start, 5) != "{\\rtf") return std::nullopt;
  return RtfReader(bytes.substr(start)).Read();
}

}  // namespace vorel
