// What OK would quote for the text typed so far, told in one line while it
// is typed: the book's full name, the chapter and verses and how many verses,
// or why nothing would be found.
#pragma once

#include <string>
#include <string_view>

#include "modules/markers.h"
#include "text/encoding.h"

namespace sorvanta {

// "Иоанна 3:16–18, 3 стиха", "Иоанна, глава 3", or the reason the lookup
// would fail ("Нет книги с таким сокращением", "В книге глав: 21", "В главе
// стихов: 36", "Искомый отрывок не найден"), or "Поиск стихов по словам" for
// words that OK would seek in the module's verses; UTF-8. Several references
// (";") are told one after another, or the first that would fail. "" for a
// blank request or no module. Reads the configuration file and the books
// named, as the lookup does; nothing is kept between calls.
std::string DescribeRequest(std::string_view strVerse, const std::string& strIniPath, const ModuleMarkers& markers,
                            TextEncoding moduleEncoding = TextEncoding::Cp1251,
                            TextEncoding typedEncoding = TextEncoding::Cp1251);

// "1 стих", "3 стиха", "5 стихов", "11 стихов", "21 стих".
std::string VerseCount(int nVerses);

}  // namespace sorvanta
