// The toolkit's GUI side for vorel-report's PDF files, without any display.
#pragma once

namespace vorel {

// Makes the application object on the offscreen platform, once, with the report's font
// substitutes: PDF files then need no X server or Wayland, over ssh and in CI alike.
void StartHeadlessGui();

}  // namespace vorel
