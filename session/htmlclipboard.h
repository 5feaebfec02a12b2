// The clipboard's "HTML Format": a UTF-8 header that gives the byte offsets
// of the HTML document and of the fragment within it, then the document.
#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

// The whole clipboard text for an HTML fragment (UTF-8): the header with
// StartHTML, EndHTML, StartFragment and EndFragment counted in bytes from the
// first byte of the header, then a document holding the fragment between
// the <!--StartFragment--> and <!--EndFragment--> comments.
std::string HtmlClipboardData(std::string_view fragment);

}  // namespace sorvanta
