// What a screen reader is told about the program's own kinds of windows and controls, beyond
// what Qt tells of its widgets.
#pragma once

namespace vorel {

// Once, before the first window is shown: the program's top-level windows read as frames,
// the about box's link as a link, the help's text as a document whose links can be followed.
void InstallAccessibility();

}  // namespace vorel
