// Message helpers shared by every layer.
#include "base/Error.h"

namespace vorel {

std::string FormatMessage(std::string_view pattern, std::string_view arg) {
  std::string out(pattern);
  for (size_t i = 0; i + 1 < out.size(); ++i) {
    if (out[i] == '%' && (out[i + 1] == 's' || out[i + 1] == 'd')) {
      out.replace(i, 2, arg);
      break;
    }
  }
  return out;
}

std::string ErrorBoxText(std::string_view message) {
  std::string out(message);
  // UTF-8 lead and continuation bytes are all above '.', as is the character they encode.
  if (!out.empty() && static_cast<unsigned char>(out.back()) > static_cast<unsigned char>('.'))
    out += '.';
  return out;
}

}  // namespace vorel
