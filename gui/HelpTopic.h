// The pages of the help document: the contents at its top, each topic at the anchor
// "topic-N" of its number.
#pragma once

namespace vorel {

enum class HelpTopic {
  Contents = 0,
  Main = 1,  // the program and its windows: what F1 opens everywhere else
  Open = 6,
  Save = 7,
  Print = 8,
  Theme = 9,
  Couple = 10,
};

}  // namespace vorel
