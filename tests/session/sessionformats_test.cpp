// What the session hands to other programs: the clipboard's "HTML Format",
// the request lines of a later start and the command line that asks for one.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "session/htmlclipboard.h"
#include "session/startrequest.h"

namespace sorvanta {
namespace {

std::size_t Offset(const std::string& strData, const std::string& strName) {
    const std::size_t nAt = strData.find(strName + ":");
    return nAt == std::string::npos ? std::string::npos : std::stoul(strData.substr(nAt + strName.size() + 1, 10));
}

// The offsets count bytes from the header's first byte and frame the
// document and the fragment exactly, whatever the fragment's length and bytes.
TEST(HtmlClipboard, TheOffsetsFrameTheDocumentAndTheFragment) {
    for (const std::string& strFragment :
         {std::string(), std::string("<b>Кн 1:1</b> Альфа"), std::string(20000, 'x')}) {
        const std::string strData = HtmlClipboardData(strFragment);
        const std::size_t nStartHtml = Offset(strData, "StartHTML");
        const std::size_t nEndHtml = Offset(strData, "EndHTML");
        const std::size_t nStartFragment = Offset(strData, "StartFragment");
        const std::size_t nEndFragment = Offset(strData, "EndFragment");
        EXPECT_EQ(strData.substr(nStartHtml, 6), "<html>");
        EXPECT_EQ(nEndHtml, strData.size());
        EXPECT_EQ(strData.substr(nStartFragment, nEndFragment - nStartFragment), strFragment);
        EXPECT_EQ(strData.substr(nEndFragment, 18), "<!--EndFragment-->");
    }
}

TEST(StartRequest, EachRequestHasItsOwnLineAndOtherLinesAskNothing) {
    for (const CInstanceRequest request :
         {CInstanceRequest::Show, CInstanceRequest::HotKeyLaunch, CInstanceRequest::HotKeyRestore}) {
        EXPECT_EQ(RequestOfLine(RequestLine(request)), request);
    }
    for (const char* pLine : {"", "hotkey", "hotkey 3", "restore ", "RESTORE"}) {
        EXPECT_FALSE(RequestOfLine(pLine).has_value()) << pLine;
    }
}

// The command line: no option, or one of the two requests for desktops
// without hot keys; anything else is refused.
TEST(StartRequest, TheCommandLineAsksForOneRequestOrIsRefused) {
    const std::pair<std::vector<std::string>, std::optional<CInstanceRequest>> cases[] = {
        {{}, CInstanceRequest::Show},
        {{"--restore"}, CInstanceRequest::HotKeyRestore},
        {{"--launch-host"}, CInstanceRequest::HotKeyLaunch},
        {{"--restore", "--launch-host"}, std::nullopt},
        {{"--help"}, std::nullopt},
        {{"--restore=1"}, std::nullopt},
        {{"restore"}, std::nullopt},
    };
    for (const auto& [arrArgs, request] : cases) EXPECT_EQ(ParseCommandLine(arrArgs), request) << arrArgs.size();
}

}  // namespace
}  // namespace sorvanta
