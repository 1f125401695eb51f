// Between the report as data (RichDocument) and the text control's QTextDocument.
#pragma once

#include "document/RichDocument.h"

class QTextCursor;
class QTextDocument;

namespace vorel {

// Indents are kept in twips in the data and in pixels of 1/96 inch in the control.
inline double TwipsToPixels(int twips) {
  return twips / 15.0;
}
int PixelsToTwips(double pixels);

// Replaces the whole content of the control's document; its edit history starts afresh,
// from an unmodified document.
void LoadDocument(const RichDocument& source, QTextDocument& target);

// The whole document, or only the selection of a cursor.
RichDocument SaveDocument(const QTextDocument& source);
RichDocument SaveSelection(const QTextCursor& cursor);

}  // namespace vorel
