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

// Process-wide switch of the active table (Chinese unless told otherwise).
void SetTextLanguage(TextLanguage language);
TextLanguage GetTextLanguage();

// Number of entries in each table.
int TextTableSize();

} // namespace varkel
