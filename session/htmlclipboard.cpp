#include "session/htmlclipboard.h"

#include <cstdio>

namespace sorvanta {

namespace {

// Ten digits each, so the header is as long whatever the numbers.
std::string Header(std::size_t nStartHtml, std::size_t nEndHtml, std::size_t nStartFragment, std::size_t nEndFragment) {
    char header[160];
    std::snprintf(header, sizeof header,
                  "Version:0.9\r\nStartHTML:%010zu\r\nEndHTML:%010zu\r\nStartFragment:%010zu\r\nEndFragment:%010zu\r\n",
                  nStartHtml, nEndHtml, nStartFragment, nEndFragment);
    return header;
}

}  // namespace

std::string HtmlClipboardData(std::string_view fragment) {
    constexpr std::string_view kBefore = "<html><body>\r\n<!--StartFragment-->";
    constexpr std::string_view kAfter = "<!--EndFragment-->\r\n</body></html>";
    const std::size_t nStartHtml = Header(0, 0, 0, 0).size();
    const std::size_t nStartFragment = nStartHtml + kBefore.size();
    const std::size_t nEndFragment = nStartFragment + fragment.size();
    const std::size_t nEndHtml = nEndFragment + kAfter.size();
    std::string data = Header(nStartHtml, nEndHtml, nStartFragment, nEndFragment);
    data += kBefore;
    data += fragment;
    data += kAfter;
    return data;
}

}  // namespace sorvanta
