#pragma once
// The texts the engine shows go through the program's translation, which
// the engine does not know: the program hands it a function. The engine's
// own texts are written in English, marked with KV_TRANSLATABLE so that the
// translators' tools (lupdate, told to read it as QT_TRANSLATE_NOOP) collect
// them under their context.

#include <string>

#define KV_TRANSLATABLE(context, text) text

namespace modMayanTarot {

// A text in the reader's language; `context` and `text` are the English
// text's context and the text itself, null-terminated, in UTF-8.
using Translation = std::string (*)(const char* context, const char* text);

// Puts a translation in place (nullptr: English, the texts as written) and
// fills the catalogue again in that language.
void SetTranslation(Translation translation);

// The text in the reader's language.
std::string Translated(const char* context, const char* text);

}  // namespace modMayanTarot
