// A selection looked up as a reference: too large, not text, or as it is.
#include <gtest/gtest.h>

#include <string>

#include "session/selectedtext.h"

namespace sorvanta {
namespace {

struct SelectionCase {
    const char* what;
    std::u16string text;
    bool bDataWithoutText;
    CSelectionProblem expected;
};

TEST(SelectedText, TooLargeOrNotTextOrLookedUp) {
    const std::size_t nLimit = kLargestSelection;
    const SelectionCase cases[] = {
        {"a reference", u"Ин 3:16", false, CSelectionProblem::None},
        {"nothing selected", u"", false, CSelectionProblem::None},
        {"a picture, no text", u"", true, CSelectionProblem::NotText},
        {"text beside other data", u"Jn 3:16", true, CSelectionProblem::None},
        {"a zero inside", std::u16string(u"Jn 3:16") + char16_t(0) + u"x", false, CSelectionProblem::NotText},
        {"bytes that were no characters", u"Jn \xFFFD 3:16", false, CSelectionProblem::NotText},
        {"one byte short of the limit", std::u16string(nLimit - 1, u'a'), false, CSelectionProblem::None},
        {"the limit in ASCII", std::u16string(nLimit, u'a'), false, CSelectionProblem::TooLarge},
        // Cyrillic letters take two bytes each, Chinese three, a surrogate pair four.
        {"the limit in Cyrillic", std::u16string(nLimit / 2, u'ж'), false, CSelectionProblem::TooLarge},
        {"under it in Cyrillic", std::u16string(nLimit / 2 - 1, u'ж'), false, CSelectionProblem::None},
        {"over it in Chinese", std::u16string(nLimit / 3 + 1, u'中'), false, CSelectionProblem::TooLarge},
        {"the limit in surrogate pairs", std::u16string(nLimit / 2, u'\xD83D'), false, CSelectionProblem::TooLarge},
        {"a large binary one", std::u16string(nLimit, char16_t(0)), false, CSelectionProblem::TooLarge},
    };
    for (const SelectionCase& c : cases) {
        EXPECT_EQ(ProblemOfSelection(std::u16string_view(c.text), c.bDataWithoutText), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace sorvanta
