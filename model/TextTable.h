#pragma once
#include <string>

namespace varkel {

// The two key-to-text tables. Every text the program builds itself is looked
// up here by key; menus and dialog layouts are translated elsewhere.
enum class TextLanguage { Chinese, English };

// Copy of the active table's text for the key; empty when the key is absent.
std::string LocalText(int key);
// The same from a given table, for readers that accept either language.
std::string LocalText(int key, TextLanguage language);

// The text of a key in the given table, whichever is active; empty when absent.
std::string TextIn(TextLanguage language, int key);

// What to show for a text a file stored under a key: the active table's
// text when the stored one is that key's text in either table, else the
// stored text as it is (a user's own name or a hand edit).
std::string ShownText(const std::string& stored, int key);

// Process-wide switch of the active table (Chinese unless told otherwise).
void SetTextLanguage(TextLanguage language);
TextLanguage GetTextLanguage();

// Number of entries in each table.
int TextTableSize();

} // namespace varkel
